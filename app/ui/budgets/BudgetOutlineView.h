#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>
#include <optional>

#include "ui/budgets/BudgetBarCell.h"

class BudgetOutlineModel;

// The outline of one side of a budget over a BudgetOutlineModel: group rows on a grey band,
// a separator under every row but the total, and over the rows the scale ("0%" and "100%"
// under the total) and the pace needle across the bars at the share of the period passed.
// It follows the pointer over the bars (the hovered bar shows its amount and zoom button) and
// reports a pressed zoom button, a double click or Return on a category row, and a click on
// the "Limit" header (the only sortable column). Only category rows can be selected, and the
// selection stays as it is while a zoom button is pressed.
class BudgetOutlineView final : public QTreeView {
    Q_OBJECT
public:
    explicit BudgetOutlineView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    BudgetOutlineModel* outlineModel() const { return m_model; }

    bool shouldDrawNeedle() const { return m_shouldDrawNeedle; }
    void setShouldDrawNeedle(bool draw);
    float needlePercentage() const { return m_needlePercentage; }
    void setNeedlePercentage(float percentage);

    // The sorting shown in the header: by absolute limit, ascending or descending, or none.
    std::optional<bool> sortAscending() const { return m_sortAscending; }
    void setSortAscending(std::optional<bool> ascending);

    // The rows under the pointer (column 0), invalid for none: over a bar cell, and over the
    // area of its zoom button.
    QModelIndex mouseOverRow() const { return m_mouseOverRow; }
    QModelIndex mouseOverButton() const { return m_mouseOverButton; }
    // What the bar cell of `index`'s row shows of the pointer.
    BudgetBarCell::Pointer pointerFor(const QModelIndex& index) const;
    // Forgets the rows under the pointer and looks again where it is (after the rows changed
    // or moved).
    void updateTrackingAreas();

    // Where the drawing goes, in viewport coordinates: the frame of the bar cell of `index`'s
    // row, and the x of the needle (nothing when it is not drawn or there are no rows).
    QRectF barCellFrame(const QModelIndex& index) const;
    std::optional<qreal> needleX() const;
    // The tops of "0%" and "100%" under the total row.
    QPointF zeroPercentPoint() const;
    QPointF hundredPercentPoint() const;

signals:
    void zoomClicked(const QModelIndex& row);
    void editRequested(const QModelIndex& row);
    void sortRequested(bool ascending);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void headerClicked(int section);
    void setMouseOver(const QModelIndex& row, const QModelIndex& button);
    void updateMouseOver(const QPoint& position);
    void redisplayBarCell(const QModelIndex& index);
    QRectF actualColumnRect() const;
    QRect rowRectInActualColumn(const QModelIndex& index) const;
    bool isZoomable(const QModelIndex& index) const;
    void drawScaleAndNeedle(QPainter& painter) const;

    BudgetOutlineModel* m_model = nullptr;
    float m_needlePercentage = 0;
    bool m_shouldDrawNeedle = true;
    bool m_shouldNotChangeSelection = false;
    std::optional<bool> m_sortAscending;
    QPersistentModelIndex m_mouseOverRow;
    QPersistentModelIndex m_mouseOverButton;
    QPersistentModelIndex m_pressedButton;
};
