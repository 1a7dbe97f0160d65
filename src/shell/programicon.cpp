#include "shell/programicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QIcon ProgramIcon::Icon()
{
    QIcon icon;
    for (int size : Sizes)
        icon.addFile(QStringLiteral(":/icons/kestrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap ProgramIcon::Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient back(0, 0, 0, 256);
    back.setColorAt(0, QColor(0xE8, 0x7A, 0x32));
    back.setColorAt(1, QColor(0xA8, 0x47, 0x18));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);

    // The brackets of a tag.
    QPen bracket(QColor(0xFF, 0xFF, 0xFF), 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(bracket);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(82, 70), QPointF(36, 128), QPointF(82, 186)}));
    p.drawPolyline(QPolygonF({QPointF(174, 70), QPointF(220, 128), QPointF(174, 186)}));

    // The bird from below: long swept wings, a fanned tail.
    QPainterPath bird;
    bird.moveTo(128, 96);
    bird.quadTo(137, 98, 139, 112);
    bird.quadTo(160, 94, 194, 82);
    bird.quadTo(164, 114, 141, 134);
    bird.lineTo(148, 178);
    bird.quadTo(128, 190, 108, 178);
    bird.lineTo(115, 134);
    bird.quadTo(92, 114, 62, 82);
    bird.quadTo(96, 94, 117, 112);
    bird.quadTo(119, 98, 128, 96);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF4, 0xE0));
    p.drawPath(bird);
    return pixmap;
}
