#include "ui/scheduled/ScheduledController.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <algorithm>

#include "base/MenuItemState.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledListCommands.h"
#include "ui/common/Alerts.h"
#include "ui/common/MainWindowHost.h"
#include "ui/scheduled/PayController.h"
#include "ui/scheduled/ScheduledDueHandler.h"
#include "ui/scheduled/ScheduledListDelegate.h"
#include "ui/scheduled/ScheduledListModel.h"
#include "ui/scheduled/ScheduledListView.h"
#include "ui/scheduled/ScheduledSheetController.h"

namespace {

void apply(QAction* action, const MenuItemState& state) {
    action->setEnabled(state.enabled);
    if (state.title) {
        action->setText(QString::fromStdString(*state.title));
    }
}

}  // namespace

ScheduledController::ScheduledController(MainWindowHost& host, QObject* parent)
    : ContentViewController(parent),
      m_host(host),
      m_model(std::make_unique<ScheduledListModel>(host.context())) {
    m_view = new ScheduledListView(*m_model);
    m_dueHandler = new ScheduledDueHandler(
        host.context(), host.alerts(), [&host] { return host.save(); }, this);
    makeActions();
    QTableView* table = m_view->table();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showContextMenu(position); });
    connect(table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { rowDoubleClicked(index); });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { validateActions(); });
    connect(m_view->delegate(), &ScheduledListDelegate::actionClicked, this,
            [this](const QModelIndex& index) {
                if (ScheduledItem* item = m_model->itemAt(index.row())) {
                    payItem(*item);
                }
            });
    connect(m_view, &ScheduledListView::addRequested, this, [this] { add(); });
    // The reminder alert names items in this list: they turn red, and "Show in Scheduled"
    // selects them here.
    connect(m_dueHandler, &ScheduledDueHandler::remindersChecked, this, [this] {
        refreshView();
        emit scheduledItemsChanged();
    });
    connect(m_dueHandler, &ScheduledDueHandler::revealItemRequested, this,
            [this](ScheduledItem* item) { m_host.revealScheduledItem(*item); });
    connect(m_dueHandler, &ScheduledDueHandler::showScheduledRequested, this, [this] {
        m_host.selectSourceListItem(SourceListItem::fixed(SourceListItem::Kind::Scheduled));
    });
    validateActions();
}

ScheduledController::~ScheduledController() {
    // The view may sit in a window's content area; it goes with its controller.
    delete m_view;
}

QWidget* ScheduledController::view() {
    return m_view;
}

void ScheduledController::showItem(const SourceListItem&) {
    // "Scheduled" chosen again while its list is up (the source list is read again after
    // changes to the store) keeps what the person had selected.
    if (m_view->isVisible()) {
        refreshView();
    } else {
        setup();
    }
}

void ScheduledController::reveal(ManagedObject& object) {
    if (auto* item = dynamic_cast<ScheduledItem*>(&object)) {
        selectItem(*item);
    }
}

std::vector<ManagedObject*> ScheduledController::selectedObjects() const {
    const std::vector<ScheduledItem*> items = selectedItems();
    return {items.begin(), items.end()};
}

void ScheduledController::makeActions() {
    QTableView* table = m_view->table();
    const auto make = [this, table](const QString& title, void (ScheduledController::*run)()) {
        auto* action = new QAction(title, table);
        // A shortcut reaches a command only while it is enabled for the selection.
        connect(action, &QAction::triggered, this, [this, action, run] {
            validateActions();
            if (action->isEnabled()) {
                (this->*run)();
            }
        });
        return action;
    };
    m_addAction = make(tr("New Scheduled Transaction..."), &ScheduledController::add);
    m_editAction = make(tr("Edit..."), &ScheduledController::edit);
    m_payAction = make(tr("Pay..."), &ScheduledController::pay);
    m_skipAction = make(tr("Skip"), &ScheduledController::skip);
    m_deleteAction = make(tr("Delete..."), &ScheduledController::deleteSelected);
    // Keys typed in the list: Delete (or Backspace) deletes, Return edits.
    m_deleteAction->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::Key_Backspace)});
    m_editAction->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    for (QAction* action : {m_editAction, m_deleteAction}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        table->addAction(action);
    }
}

void ScheduledController::validateActions() {
    const std::vector<ScheduledItem*> selected = selectedItems();
    apply(m_editAction, ScheduledListCommands::editMenuItem(selected));
    apply(m_payAction, ScheduledListCommands::payMenuItem(selected));
    apply(m_skipAction, ScheduledListCommands::skipMenuItem(selected));
    apply(m_deleteAction, ScheduledListCommands::deleteMenuItem(selected));
}

void ScheduledController::showContextMenu(const QPoint& position) {
    QTableView* table = m_view->table();
    const QModelIndex index = table->indexAt(position);
    if (index.isValid() && !table->selectionModel()->isRowSelected(index.row(), {})) {
        table->selectRow(index.row());
    }
    validateActions();
    QMenu menu(table);
    menu.addAction(m_payAction);
    menu.addAction(m_skipAction);
    menu.addSeparator();
    menu.addAction(m_editAction);
    menu.addAction(m_deleteAction);
    menu.addSeparator();
    menu.addAction(m_addAction);
    menu.exec(table->viewport()->mapToGlobal(position));
}

void ScheduledController::rowDoubleClicked(const QModelIndex& index) {
    // A double click on the pay button is two clicks on the button, not an edit.
    if (index.column() == ScheduledListModel::ActionColumn) {
        return;
    }
    if (ScheduledListCommands::editMenuItem(selectedItems()).enabled) {
        edit();
    }
}

std::vector<ScheduledItem*> ScheduledController::selectedItems() const {
    std::vector<ScheduledItem*> items;
    const QModelIndexList rows = m_view->table()->selectionModel()->selectedRows();
    for (const QModelIndex& row : rows) {
        if (ScheduledItem* item = m_model->itemAt(row.row())) {
            items.push_back(item);
        }
    }
    std::sort(items.begin(), items.end(), [this](ScheduledItem* a, ScheduledItem* b) {
        return m_model->rowOf(a) < m_model->rowOf(b);
    });
    return items;
}

void ScheduledController::reload(const std::vector<ScheduledItem*>& selection) {
    m_model->reload(Date::today_PN());
    QTableView* table = m_view->table();
    QItemSelection rows;
    for (const ScheduledItem* item : selection) {
        const int row = m_model->rowOf(item);
        if (row >= 0) {
            rows.select(m_model->index(row, 0),
                        m_model->index(row, ScheduledListModel::ColumnCount - 1));
        }
    }
    table->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty()) {
        table->selectionModel()->setCurrentIndex(rows.indexes().front(),
                                                 QItemSelectionModel::NoUpdate);
        table->scrollTo(rows.indexes().front());
    }
    validateActions();
    emit scheduledItemsChanged();
}

void ScheduledController::setup() {
    reload({});
}

void ScheduledController::refreshView() {
    reload(selectedItems());
}

void ScheduledController::selectItem(ScheduledItem& item) {
    reload({&item});
}

// ---- Commands ----

ScheduledSheetController& ScheduledController::editorSheet() {
    if (!m_editor) {
        m_editor = std::make_unique<ScheduledSheetController>(m_host);
        connect(m_editor.get(), &ScheduledSheetController::sheetEnded, this,
                [this](bool, ScheduledItem* created) { editorEnded(created); });
    }
    return *m_editor;
}

PayController& ScheduledController::paySheet() {
    if (!m_payController) {
        m_payController = std::make_unique<PayController>(m_host);
        connect(m_payController.get(), &PayController::sheetEnded, this,
                [this] { paySheetEnded(); });
    }
    return *m_payController;
}

void ScheduledController::add() {
    editorSheet().showCreateSheet();
}

void ScheduledController::edit() {
    const std::vector<ScheduledItem*> selected = selectedItems();
    if (ScheduledListCommands::editMenuItem(selected).enabled) {
        editorSheet().showSheetForItem(*selected.front());
    }
}

void ScheduledController::editorEnded(ScheduledItem* created) {
    m_dueHandler->showReminders();
    m_dueHandler->processAutomaticPayments();
    if (created != nullptr && !created->isDeleted()) {
        selectItem(*created);
    } else {
        refreshView();
    }
}

void ScheduledController::deleteSelected() {
    const std::vector<ScheduledItem*> selected = selectedItems();
    if (!ScheduledListCommands::deleteMenuItem(selected).enabled) {
        return;
    }
    if (m_host.alerts().mayProceed(ScheduledListCommands::checkDelete(selected),
                                   &m_host.window())) {
        ScheduledListCommands::performDelete(selected, m_host.context());
    }
    m_host.save();
    refreshView();
}

void ScheduledController::skip() {
    const std::vector<ScheduledItem*> selected = selectedItems();
    if (!ScheduledListCommands::skipMenuItem(selected).enabled) {
        return;
    }
    selected.front()->skip();
    m_host.save();
    m_dueHandler->showReminders();
    refreshView();
}

void ScheduledController::pay() {
    const std::vector<ScheduledItem*> selected = selectedItems();
    if (ScheduledListCommands::payMenuItem(selected).enabled) {
        payItem(*selected.front());
    }
}

void ScheduledController::payItem(ScheduledItem& item) {
    paySheet().showSheetForItem(item);
}

void ScheduledController::paySheetEnded() {
    m_dueHandler->showReminders();
    refreshView();
}
