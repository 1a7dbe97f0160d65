#pragma once
// Draws a found line in a results list with its match marked.

#include <QStyledItemDelegate>

class MatchDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Where the match lies in the item's text.
    static constexpr int MatchStartRole = Qt::UserRole + 10;
    static constexpr int MatchLengthRole = Qt::UserRole + 11;
    // What marks it.
    static const QColor MatchColor;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
