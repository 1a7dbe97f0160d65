#include "shell/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawCut(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.4));
    p.drawLine(QPointF(5, 2), QPointF(10.5, 10));
    p.drawLine(QPointF(11, 2), QPointF(5.5, 10));
    p.setPen(QPen(QColor(200, 40, 40), 1.6));
    p.drawEllipse(QPointF(4.5, 12.5), 2.4, 2.4);
    p.drawEllipse(QPointF(11.5, 12.5), 2.4, 2.4);
}

void DrawCopy(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 90), 1));
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRectF(2.5, 2.5, 8, 10));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 4.5, 8, 10));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(QPointF(7.5, y), QPointF(11.5, y));
}

void DrawPaste(QPainter& p)
{
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(QColor(200, 150, 90));
    p.drawRoundedRect(QRectF(2.5, 3.5, 11, 11.5), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 5.5, 7, 8));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(5.5, 1.5, 5, 3));
}

void DrawStyle(QPainter& p)
{
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(30, 80, 160));
    p.drawText(QRectF(0, 0, 12, 15), Qt::AlignCenter, QStringLiteral("S"));
    p.setPen(QPen(QColor(200, 90, 30), 2));
    p.drawLine(QPointF(11, 4), QPointF(14, 1));
}

void DrawColor(QPainter& p)
{
    const QColor colors[] = {QColor(220, 40, 40), QColor(40, 170, 60), QColor(40, 90, 220), QColor(240, 200, 30)};
    p.setPen(QPen(QColor(70, 70, 70), 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawRect(QRectF(1.5 + (i % 2) * 7, 1.5 + (i / 2) * 7, 6, 6));
    }
}

// A page with a green tick over it.
void DrawCheck(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 9, 12));
    p.setPen(QPen(QColor(170, 170, 170), 1));
    for (int y = 4; y <= 10; y += 2)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(9.5, y + 0.5));
    p.setPen(QPen(QColor(30, 150, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(6.5, 10.5), QPointF(9.5, 13.5), QPointF(14.5, 6.5)}));
}

} // namespace

QIcon ToolbarIcons::Drawn(const QString& key)
{
    void (*draw)(QPainter&) = nullptr;
    if (key == QLatin1String("Cut"))
        draw = DrawCut;
    else if (key == QLatin1String("Copy"))
        draw = DrawCopy;
    else if (key == QLatin1String("Paste"))
        draw = DrawPaste;
    else if (key == QLatin1String("Style"))
        draw = DrawStyle;
    else if (key == QLatin1String("Color"))
        draw = DrawColor;
    else if (key == QLatin1String("Check"))
        draw = DrawCheck;
    if (!draw)
        return QIcon();
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        QPixmap pixmap(QSize(16, 16) * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
