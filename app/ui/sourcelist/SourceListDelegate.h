#pragma once

#include <QStyledItemDelegate>

// Draws the source list's rows: headers as small grey capitals, other rows as icon and
// name with, for "Scheduled", a red badge holding the number of overdue items.
class SourceListDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static void paintHeader(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index);
    static void paintBadge(QPainter* painter, const QRect& rowRect, int count, bool selected);
};
