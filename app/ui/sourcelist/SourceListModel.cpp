#include "ui/sourcelist/SourceListModel.h"

#include <QMimeData>
#include <QTimer>
#include <algorithm>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"
#include "ui/common/Images.h"

namespace {

using Kind = SourceListItem::Kind;

bool isTreeOrBudget(const ManagedObject& object) {
    return dynamic_cast<const Node*>(&object) != nullptr ||
           dynamic_cast<const Budget*>(&object) != nullptr ||
           dynamic_cast<const ScheduledItem*>(&object) != nullptr;
}

}  // namespace

SourceListModel::SourceListModel(ObjectContext& context, Node& root, QObject* parent)
    : QAbstractItemModel(parent),
      m_context(context),
      m_root(root),
      m_headers{SourceListItem::fixed(Kind::TransactionsHeader),
                SourceListItem::fixed(Kind::ChartsHeader),
                SourceListItem::fixed(Kind::BudgetsHeader)},
      m_charts{SourceListItem::fixed(Kind::BreakdownChart),
               SourceListItem::fixed(Kind::TrendsChart)},
      m_accountIcon(Images::icon("account_icon")),
      m_closedAccountIcon(Images::icon("closedAccountIcon")),
      m_folderIcon(Images::icon("folder_icon")),
      m_budgetIcon(Images::icon("sourceListBudgetIcon")),
      m_allAccountsIcon(Images::icon("allAccountsIcon")),
      m_scheduledIcon(Images::icon("scheduledIcon")),
      m_breakdownIcon(Images::icon("breakdown_icon")),
      m_trendsIcon(Images::icon("trends_icon")) {
    reload();
    m_context.addObserver(this);
}

SourceListModel::~SourceListModel() {
    m_context.removeObserver(this);
}

std::vector<SourceListItem> SourceListModel::childNodes(const Node& node) const {
    std::vector<Node*> nodes(node.children().begin(), node.children().end());
    std::sort(nodes.begin(), nodes.end(),
              [](const Node* a, const Node* b) { return a->index() < b->index(); });
    std::vector<SourceListItem> items;
    for (Node* child : nodes) {
        // Only accounts and groups belong in the tree; anything else is not shown.
        if (dynamic_cast<Account*>(child) != nullptr ||
            dynamic_cast<AccountGroup*>(child) != nullptr) {
            items.push_back(SourceListItem::forObject(child));
        }
    }
    return items;
}

void SourceListModel::reload() {
    beginResetModel();
    m_reloadPending = false;
    m_showScheduled = Account::countInContext(m_context) > 0;
    m_transactions = {SourceListItem::fixed(Kind::AllAccounts)};
    m_groupChildren.clear();
    m_parents.clear();
    for (const SourceListItem& item : childNodes(m_root)) {
        m_transactions.push_back(item);
        m_parents[idForItem(item)] = m_headers[0];
        if (AccountGroup* group = item.group()) {
            auto& children = m_groupChildren[group];
            children = childNodes(*group);
            for (const SourceListItem& child : children) {
                m_parents[idForItem(child)] = item;
            }
        }
    }
    if (m_showScheduled) {
        m_transactions.push_back(SourceListItem::fixed(Kind::Scheduled));
    }
    std::vector<Budget*> budgets = Budget::allInContext(m_context);
    std::stable_sort(budgets.begin(), budgets.end(),
                     [](const Budget* a, const Budget* b) { return a->name() < b->name(); });
    m_budgets.clear();
    for (Budget* budget : budgets) {
        m_budgets.push_back(SourceListItem::forObject(budget));
    }
    endResetModel();
}

quintptr SourceListModel::idForItem(const SourceListItem& item) {
    if (item.object() != nullptr) {
        return reinterpret_cast<quintptr>(item.object());
    }
    return static_cast<quintptr>(item.kind());
}

SourceListItem SourceListModel::itemForId(quintptr id) const {
    if (id <= static_cast<quintptr>(Kind::Budget)) {
        return SourceListItem::fixed(static_cast<Kind>(id));
    }
    return SourceListItem::forObject(reinterpret_cast<ManagedObject*>(id));
}

const std::vector<SourceListItem>& SourceListModel::childrenOf(const SourceListItem& item) const {
    switch (item.kind()) {
        case Kind::None:
            return m_headers;
        case Kind::TransactionsHeader:
            return m_transactions;
        case Kind::ChartsHeader:
            return m_charts;
        case Kind::BudgetsHeader:
            return m_budgets;
        case Kind::AccountGroup: {
            const auto found = m_groupChildren.find(item.object());
            return found == m_groupChildren.end() ? m_noChildren : found->second;
        }
        default:
            return m_noChildren;
    }
}

SourceListItem SourceListModel::parentOf(const SourceListItem& item) const {
    switch (item.kind()) {
        case Kind::AllAccounts:
        case Kind::Scheduled:
            return m_headers[0];
        case Kind::BreakdownChart:
        case Kind::TrendsChart:
            return m_headers[1];
        case Kind::Budget:
            return m_headers[2];
        case Kind::Account:
        case Kind::AccountGroup: {
            const auto found = m_parents.find(idForItem(item));
            return found == m_parents.end() ? SourceListItem() : found->second;
        }
        default:
            return {};
    }
}

SourceListItem SourceListModel::itemForIndex(const QModelIndex& index) const {
    return index.isValid() ? itemForId(index.internalId()) : SourceListItem();
}

QModelIndex SourceListModel::indexForItem(const SourceListItem& item) const {
    if (item.isNone()) {
        return {};
    }
    const SourceListItem parent = item.isHeader() ? SourceListItem() : parentOf(item);
    if (!item.isHeader() && parent.isNone()) {
        return {};
    }
    const auto& siblings = childrenOf(parent);
    const auto found = std::find(siblings.begin(), siblings.end(), item);
    if (found == siblings.end()) {
        return {};
    }
    return createIndex(static_cast<int>(found - siblings.begin()), 0, idForItem(item));
}

QModelIndex SourceListModel::index(int row, int column, const QModelIndex& parent) const {
    const auto& children = childrenOf(itemForIndex(parent));
    if (column != 0 || row < 0 || row >= static_cast<int>(children.size())) {
        return {};
    }
    return createIndex(row, 0, idForItem(children[static_cast<std::size_t>(row)]));
}

QModelIndex SourceListModel::parent(const QModelIndex& child) const {
    const SourceListItem item = itemForIndex(child);
    if (item.isNone() || item.isHeader()) {
        return {};
    }
    return indexForItem(parentOf(item));
}

int SourceListModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(childrenOf(itemForIndex(parent)).size());
}

int SourceListModel::columnCount(const QModelIndex&) const {
    return 1;
}

QString SourceListModel::titleOf(const SourceListItem& item) const {
    switch (item.kind()) {
        case Kind::TransactionsHeader:
            return tr("Transactions").toUpper();
        case Kind::ChartsHeader:
            return tr("Charts").toUpper();
        case Kind::BudgetsHeader:
            return tr("Budgets").toUpper();
        case Kind::AllAccounts:
            return tr("All Accounts");
        case Kind::Scheduled:
            return tr("Scheduled");
        case Kind::BreakdownChart:
            return tr("Breakdown");
        case Kind::TrendsChart:
            return tr("Trends");
        case Kind::Account:
            return QString::fromStdString(item.account()->name());
        case Kind::AccountGroup:
            return QString::fromStdString(item.group()->name());
        case Kind::Budget:
            return QString::fromStdString(item.budget()->name());
        case Kind::None:
            break;
    }
    return {};
}

QIcon SourceListModel::iconOf(const SourceListItem& item) const {
    switch (item.kind()) {
        case Kind::Account:
            return item.account()->isClosed() ? m_closedAccountIcon : m_accountIcon;
        case Kind::AccountGroup:
            return m_folderIcon;
        case Kind::Budget:
            return m_budgetIcon;
        case Kind::AllAccounts:
            return m_allAccountsIcon;
        case Kind::Scheduled:
            return m_scheduledIcon;
        case Kind::BreakdownChart:
            return m_breakdownIcon;
        case Kind::TrendsChart:
            return m_trendsIcon;
        default:
            return {};
    }
}

int SourceListModel::badgeOf(const SourceListItem& item) const {
    if (item.kind() != Kind::Scheduled) {
        return 0;
    }
    return static_cast<int>(ScheduledItem::countWithPredicate(
        [](const ScheduledItem& scheduled) { return scheduled.shouldColorRed(); }, m_context));
}

QVariant SourceListModel::data(const QModelIndex& index, int role) const {
    const SourceListItem item = itemForIndex(index);
    if (item.isNone()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return titleOf(item);
        case Qt::DecorationRole:
            return iconOf(item);
        case BadgeRole:
            return badgeOf(item);
        case IsHeaderRole:
            return item.isHeader();
        default:
            return {};
    }
}

bool SourceListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const SourceListItem item = itemForIndex(index);
    if (role != Qt::EditRole || item.object() == nullptr || !m_rename) {
        return false;
    }
    m_rename(item, value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags SourceListModel::flags(const QModelIndex& index) const {
    const SourceListItem item = itemForIndex(index);
    switch (item.kind()) {
        case Kind::None:
            return Qt::NoItemFlags;
        case Kind::TransactionsHeader:
            return Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
        case Kind::ChartsHeader:
        case Kind::BudgetsHeader:
            return Qt::ItemIsEnabled;
        case Kind::Account:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                   Qt::ItemIsDragEnabled;
        case Kind::AccountGroup:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                   Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
        case Kind::Budget:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
        default:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
}

QStringList SourceListModel::mimeTypes() const {
    return {kNodeMimeType};
}

QMimeData* SourceListModel::mimeData(const QModelIndexList& indexes) const {
    PN_ASSERT(indexes.size() == 1, "can only drag one item at a time");
    const SourceListItem item = itemForIndex(indexes.front());
    if (item.node() == nullptr) {
        return nullptr;
    }
    m_dragged = item;
    auto* data = new QMimeData;
    data->setData(kNodeMimeType, QByteArray::number(qulonglong(item.object()->objectID())));
    return data;
}

SourceListDropRules::Proposal SourceListModel::proposalFor(int row,
                                                           const QModelIndex& parent) const {
    return {.parent = itemForIndex(parent),
            .position = row,
            .transactionsRowCount = static_cast<int>(m_transactions.size()),
            .scheduledShown = m_showScheduled};
}

bool SourceListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                      const QModelIndex& parent) const {
    if (data == nullptr || !data->hasFormat(kNodeMimeType) || m_dragged.isNone()) {
        return false;
    }
    return SourceListDropRules::validateDrop(proposalFor(row, parent), m_dragged);
}

bool SourceListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent) || !m_drop) {
        return false;
    }
    return m_drop(proposalFor(row, parent));
}

void SourceListModel::scheduleReload() {
    if (m_reloadPending) {
        return;
    }
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_reloadPending) {
            emit needsReload();
        }
    });
}

void SourceListModel::objectInserted(ManagedObject& object) {
    if (isTreeOrBudget(object)) {
        scheduleReload();
    }
}

void SourceListModel::objectRemoved(ManagedObject& object) {
    if (isTreeOrBudget(object)) {
        scheduleReload();
    }
}

void SourceListModel::relationshipLinked(ManagedObject& object, const RelationshipDescription&,
                                         ManagedObject&) {
    if (dynamic_cast<Node*>(&object) != nullptr) {
        scheduleReload();
    }
}

void SourceListModel::attributeDidChange(ManagedObject& object, const AttributeDescription&) {
    if (isTreeOrBudget(object)) {
        scheduleReload();
    }
}
