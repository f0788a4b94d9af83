#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Paints the scheduled list's rows as cards on the list's background: the due date on the
// card's left end (on red when the item is due), the title followed by the repeating and
// transfer icons, the amount in its colour, and the pay or deposit button on the right end.
// A click on the button sends actionClicked().
class ScheduledListDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Row heights: the first row has room above its card.
    static constexpr int kRowHeight = 37;
    static constexpr int kFirstRowHeight = 45;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The card's part of a cell: the cell without the space between rows.
    static QRect cardRect(const QRect& cellRect, int row);
    // Where the action cell's button is drawn and clicked.
    static QRect buttonRect(const QRect& cellRect, int row);

signals:
    void actionClicked(const QModelIndex& index);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    void paintDueDate(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const;
    void paintTitle(QPainter* painter, const QStyleOptionViewItem& option,
                    const QModelIndex& index) const;
    void paintAmount(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;
    void paintAction(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;

    QPersistentModelIndex m_pressed;
};
