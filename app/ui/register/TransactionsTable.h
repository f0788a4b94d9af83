#pragma once

#include <QAbstractItemView>
#include <QPointer>
#include <functional>
#include <vector>

class QHeaderView;
class RegisterModel;

// The register's table: a column header over rows of different heights, drawn by the
// register's delegate. A row's height comes from a cheap function of the row (its line
// counts), computed once per row and kept, so that a table of 200 000 rows costs what its
// visible rows cost to draw; a one-row change measures that row again.
//
// It tracks the mouse over the flag column: the row whose flag is under the mouse shows the
// flag a click would set, and a press there is a flag click instead of a selection. It hosts
// one panel (the row editor) in place over a row, giving that row the panel's height and
// following the panel's resizes. Return, Delete and Escape are reported, not handled.
class TransactionsTable final : public QAbstractItemView {
    Q_OBJECT
public:
    explicit TransactionsTable(QWidget* parent = nullptr);

    // The height in pixels of a row from the model. REQUIRES: set before the model.
    void setRowHeightFunction(std::function<int(int row)> rowHeight);
    void setModel(QAbstractItemModel* model) override;
    QHeaderView* header() const { return m_header; }
    // A column that gives way to the stretching one when the table is narrow: `preferredWidth`
    // wide, or half the width the two share when that is less. Resizing it by hand sets the
    // preferred width.
    void setYieldingColumn(int column, int preferredWidth);
    void setColumnHidden(int column, bool hidden);
    bool isColumnHidden(int column) const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    // The row under `y` (viewport coordinates), or -1.
    int rowAt(int y) const;
    QRect rowRect(int row) const;
    // Scrolls so that the top of `row` is `y` pixels below the top of the viewport.
    void scrollRowTo(int row, int y);
    int rowHeight(int row) const;
    int mouseOverFlag() const { return m_mouseOverFlag; }

    // Places `panel` over `row` and gives the row the panel's height until closeRowPanel().
    void openRowPanel(int row, QWidget* panel);
    void closeRowPanel();
    int rowUnderPanel() const { return m_panelRow; }
    // The panel's row moved (a re-sort): the panel follows it.
    void setRowUnderPanel(int row);

signals:
    void flagClicked(int row);
    void returnPressed();
    void deletePressed();
    void escapePressed();
    void rowDoubleClicked(int row);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void fitYieldingColumn();
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

protected slots:
    void reset() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    void rowsMoved(int start, int destination);
    void measureAllRows();
    void measureRow(int row);
    void updateTopsFrom(int row);
    int totalHeight() const { return m_tops.empty() ? 0 : m_tops.back(); }
    void placePanel();
    void setMouseOverFlag(int row);
    void trackFlagAt(const QPoint& position);
    QStyleOptionViewItem cellOption(const QModelIndex& index, bool rowSelected) const;

    QHeaderView* m_header = nullptr;
    int m_yieldingColumn = -1;
    int m_yieldingPreferredWidth = 0;
    bool m_fittingColumns = false;
    RegisterModel* m_registerModel = nullptr;
    std::function<int(int)> m_rowHeight;
    std::vector<int> m_heights;  // per row, in pixels
    std::vector<int> m_tops;     // m_tops[r]: top of row r; m_tops[n]: the total height
    int m_mouseOverFlag = -1;
    int m_panelRow = -1;
    QPointer<QWidget> m_panel;
};
