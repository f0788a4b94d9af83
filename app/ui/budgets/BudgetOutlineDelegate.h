#pragma once

#include <QStyledItemDelegate>

// Paints the budget outline's cells: the name and limit as text at the top of their cell
// frames (the total in bold, "Uncategorized" in grey, a notes mark after a name whose limit
// has notes), and the progress of the "actual" column through BudgetBarCell, with the pointer
// state the outline view keeps. Row heights: the total row is taller than the others.
class BudgetOutlineDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintText(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;
    void paintBar(QPainter& painter, const QStyleOptionViewItem& option,
                  const QModelIndex& index) const;
};
