#include "ui/sourcelist/SourceListModel.h"

#include <QMimeData>
#include <QTimer>
#include <algorithm>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "store/ObjectContext.h"
#include "ui/common/Images.h"

namespace {

using Kind = SourceListItem::Kind;

}  // namespace

SourceListModel::SourceListModel(ObjectContext& context, Node& root, QObject* parent)
    : QAbstractItemModel(parent),
      m_context(context),
      m_tree(context, root),
      m_accountIcon(Images::icon("account_icon")),
      m_closedAccountIcon(Images::icon("closedAccountIcon")),
      m_folderIcon(Images::icon("folder_icon")),
      m_budgetIcon(Images::icon("sourceListBudgetIcon")),
      m_allAccountsIcon(Images::icon("allAccountsIcon")),
      m_scheduledIcon(Images::icon("scheduledIcon")),
      m_breakdownIcon(Images::icon("breakdown_icon")),
      m_trendsIcon(Images::icon("trends_icon")) {
    m_context.addObserver(this);
}

SourceListModel::~SourceListModel() {
    m_context.removeObserver(this);
}

void SourceListModel::reload() {
    beginResetModel();
    m_reloadPending = false;
    m_tree.reload();
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

SourceListItem SourceListModel::itemForIndex(const QModelIndex& index) const {
    return index.isValid() ? itemForId(index.internalId()) : SourceListItem();
}

QModelIndex SourceListModel::indexForItem(const SourceListItem& item) const {
    const int row = m_tree.row(item);
    return row < 0 ? QModelIndex() : createIndex(row, 0, idForItem(item));
}

QModelIndex SourceListModel::index(int row, int column, const QModelIndex& parent) const {
    const auto& children = m_tree.children(itemForIndex(parent));
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
    return indexForItem(m_tree.parent(item));
}

int SourceListModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(m_tree.children(itemForIndex(parent)).size());
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
            return item.kind() == Kind::Scheduled ? m_tree.scheduledBadge() : 0;
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
            .transactionsRowCount = static_cast<int>(
                m_tree.children(SourceListItem::fixed(Kind::TransactionsHeader)).size()),
            .scheduledShown = m_tree.shouldShowScheduled()};
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
    if (SourceListTree::affectsEntries(object)) {
        scheduleReload();
    }
}

void SourceListModel::objectRemoved(ManagedObject& object) {
    if (SourceListTree::affectsEntries(object)) {
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
    if (SourceListTree::affectsEntries(object)) {
        scheduleReload();
    }
}
