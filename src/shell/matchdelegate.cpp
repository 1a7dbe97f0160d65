#include "shell/matchdelegate.h"

#include <QApplication>
#include <QPainter>

const QColor MatchDelegate::MatchColor(0xff, 0xe0, 0x40);

void MatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant start = index.data(MatchStartRole);
    if (!start.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const int from = qBound(0, start.toInt(), int(text.size()));
    const int length = qBound(0, index.data(MatchLengthRole).toInt(), int(text.size()) - from);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(3, 0, -3, 0);
    const QFontMetrics metrics(item.font);
    painter->save();
    painter->setClipRect(area);
    painter->setFont(item.font);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    int x = area.left();
    auto draw = [&](const QString& piece, bool match) {
        const int width = metrics.horizontalAdvance(piece);
        const QRect box(x, area.top(), width, area.height());
        if (match) {
            painter->fillRect(box, MatchColor);
            painter->setPen(Qt::black);
        }
        painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, piece);
        if (match)
            painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        x += width;
    };
    draw(text.left(from), false);
    draw(text.mid(from, length), true);
    draw(text.mid(from + length), false);
    painter->restore();
}
