#pragma once

#include <QTreeView>

// The tree view of the source list: one selected row, headers always expanded and drawn
// without a disclosure triangle and never selected (a click, an arrow key or typing that
// lands on one keeps the selection, as does a click below the rows; the arrow keys step over
// them), accounts and groups dragged within the list, names edited in place (F2, or a click
// on the selected row).
class SourceListView final : public QTreeView {
    Q_OBJECT
public:
    explicit SourceListView(QWidget* parent = nullptr);

    // Expands the three headers (they cannot be collapsed).
    void expandHeaders();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};
