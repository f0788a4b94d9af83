#include "ui/shell/SourceListController.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QItemSelectionModel>
#include <algorithm>

#include "ledger/AccountGroup.h"
#include "ledger/AccountTreeCommands.h"
#include "session/SourceListCommands.h"
#include "store/ObjectContext.h"
#include "ui/common/MainWindowHost.h"
#include "ui/sourcelist/SourceListModel.h"
#include "ui/sourcelist/SourceListView.h"

SourceListController::SourceListController(SourceListView& view, MainWindowHost& host)
    : m_view(view), m_host(host) {
    connect(&m_view, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { groupExpansionChanged(index, true); });
    connect(&m_view, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { groupExpansionChanged(index, false); });
}

SourceListController::~SourceListController() {
    detach();
}

void SourceListController::attach(ObjectContext& context, Node& root) {
    detach();
    m_root = &root;
    m_model = std::make_unique<SourceListModel>(context, root);
    m_model->setRenameHandler(
        [this](const SourceListItem& item, const QString& name) { rename(item, name); });
    m_model->setDropHandler(
        [this](const SourceListDropRules::Proposal& proposal) { return acceptDrop(proposal); });
    connect(m_model.get(), &SourceListModel::needsReload, this, [this] { reload(); });
    m_view.setModel(m_model.get());
    connect(m_view.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SourceListController::selectionChanged);
    expandStoredGroups();
}

void SourceListController::detach() {
    if (m_model) {
        m_view.setModel(nullptr);
        m_model.reset();
    }
    m_root = nullptr;
}

void SourceListController::expandStoredGroups() {
    m_restoringExpansion = true;
    m_view.expandHeaders();
    for (AccountGroup* group : AccountGroup::findByPredicate(
             [](const AccountGroup& g) { return g.isExpanded(); }, m_host.context())) {
        m_view.expand(m_model->indexForItem(SourceListItem::forObject(group)));
    }
    m_restoringExpansion = false;
}

void SourceListController::groupExpansionChanged(const QModelIndex& index, bool expanded) {
    if (m_restoringExpansion || !m_model) {
        return;
    }
    if (AccountGroup* group = m_model->itemForIndex(index).group()) {
        group->setIsExpanded(expanded);
    }
}

SourceListItem SourceListController::selectedItem() const {
    if (!m_model) {
        return {};
    }
    const QModelIndexList rows = m_view.selectionModel()->selectedRows();
    return rows.isEmpty() ? SourceListItem() : m_model->itemForIndex(rows.front());
}

void SourceListController::selectItem(const SourceListItem& item) {
    const QModelIndex index = m_model ? m_model->indexForItem(item) : QModelIndex();
    if (!index.isValid()) {
        return;
    }
    if (m_view.currentIndex() == index && m_view.selectionModel()->isSelected(index)) {
        return;
    }
    m_view.setCurrentIndex(index);
    m_view.scrollTo(index);
}

void SourceListController::reload() {
    if (!m_model) {
        return;
    }
    const SourceListItem selected = selectedItem();
    m_model->reload();
    expandStoredGroups();
    const QModelIndex index = m_model->indexForItem(selected);
    if (index.isValid()) {
        m_view.setCurrentIndex(index);
    }
    emit selectionChanged();
}

void SourceListController::editSelectedName() {
    const QModelIndexList rows = m_view.selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        m_view.edit(rows.front());
    }
}

void SourceListController::commitEditing() {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && m_view.viewport()->isAncestorOf(focus)) {
        emit m_view.itemDelegate()->commitData(focus);
        emit m_view.itemDelegate()->closeEditor(focus);
    }
}

std::vector<Budget*> SourceListController::budgets() const {
    return m_model ? m_model->tree().budgets() : std::vector<Budget*>();
}

std::vector<SourceListItem> SourceListController::visibleRows() const {
    return m_model->tree().visibleRows([this](const SourceListItem& group) {
        return m_view.isExpanded(m_model->indexForItem(group));
    });
}

int SourceListController::visibleRowOfSelection() const {
    const SourceListItem selected = selectedItem();
    if (selected.isNone()) {
        return -1;
    }
    const std::vector<SourceListItem> rows = visibleRows();
    const auto found = std::find(rows.begin(), rows.end(), selected);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

void SourceListController::reloadAfterDelete(int deletedRow) {
    m_model->reload();
    m_view.expandHeaders();
    reload();
    selectItem(SourceListCommands::selectionAfterDelete(visibleRows(), deletedRow));
}

void SourceListController::rename(const SourceListItem& item, const QString& name) {
    if (SourceListCommands::rename(item, name.toStdString())) {
        m_host.save();
        emit renamed(item);
    }
}

bool SourceListController::acceptDrop(const SourceListDropRules::Proposal& proposal) {
    const SourceListItem dragged = m_model->draggedItem();
    if (dragged.node() == nullptr || !SourceListDropRules::validateDrop(proposal, dragged)) {
        return false;
    }
    const auto placement = SourceListDropRules::placementForDrop(proposal, m_root);
    if (AccountTreeCommands::checkMove(*dragged.node(), *placement.parent, placement.index)
            .isRefused()) {
        return false;
    }
    const SourceListItem selected = selectedItem();
    AccountTreeCommands::performMove(*dragged.node(), *placement.parent, placement.index, *m_root);
    m_host.save();
    m_model->reload();
    expandStoredGroups();
    m_view.expand(m_model->indexForItem(proposal.parent));
    m_model->forgetDraggedItem();
    selectItem(selected);
    emit selectionChanged();
    return true;
}
