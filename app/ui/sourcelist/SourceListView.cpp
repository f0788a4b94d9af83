#include "ui/sourcelist/SourceListView.h"

#include "ui/sourcelist/SourceListDelegate.h"
#include "ui/sourcelist/SourceListModel.h"

namespace {

// Headers, and the space below the rows, cannot be selected.
bool isSelectable(const QModelIndex& index) {
    return index.isValid() && (index.flags() & Qt::ItemIsSelectable);
}

}  // namespace

SourceListView::SourceListView(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(14);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setExpandsOnDoubleClick(false);
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(16, 16));
    setItemDelegate(new SourceListDelegate(this));
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, QColor(QStringLiteral("#E4EAF1")));
    colors.setColor(QPalette::Highlight, QColor(QStringLiteral("#4B82C3")));
    colors.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(colors);
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (index.data(SourceListModel::IsHeaderRole).toBool()) {
            expand(index);
        }
    });
}

void SourceListView::expandHeaders() {
    for (int row = 0; row < model()->rowCount(); ++row) {
        expand(model()->index(row, 0));
    }
}

QItemSelectionModel::SelectionFlags SourceListView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    // Selecting a header, or the empty space below the rows, would clear the selection and
    // leave the content view without its item (its buttons and menu items then do nothing).
    if (!isSelectable(index)) {
        return QItemSelectionModel::NoUpdate;
    }
    return QTreeView::selectionCommand(index, event);
}

QModelIndex SourceListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action != MoveUp && action != MoveDown) || !currentIndex().isValid()) {
        return QTreeView::moveCursor(action, modifiers);
    }
    QModelIndex next = currentIndex();
    do {
        next = action == MoveUp ? indexAbove(next) : indexBelow(next);
    } while (next.isValid() && !isSelectable(next));
    return next.isValid() ? next : currentIndex();
}

void SourceListView::startDrag(Qt::DropActions supportedActions) {
    QTreeView::startDrag(supportedActions);
    if (auto* list = qobject_cast<SourceListModel*>(model())) {
        list->forgetDraggedItem();
    }
}
