#include "ui/budgets/BudgetOutlineModel.h"

#include <QColor>
#include <QFont>
#include <vector>

#include "budgets/BudgetBarFigures.h"
#include "budgets/CategoryLimit.h"
#include "ledger/CurrencyFormatter.h"

namespace {

// Index ids: 0 for a top-level row, else the parent's row + 1.
constexpr quintptr kTopLevel = 0;

// Stand-ins that identify the two rows that stand for no store object.
const char kUncategorizedKey = 'u';
const char kTotalKey = 't';

QFont cellFont(bool bold) {
    QFont font;
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

}  // namespace

BudgetOutlineModel::BudgetOutlineModel(QObject* parent) : QAbstractItemModel(parent) {}

BudgetOutlineModel::~BudgetOutlineModel() = default;

void BudgetOutlineModel::setResult(TrackResult* result, const std::string& currencyCode) {
    beginResetModel();
    m_result = result;
    m_limitFormatter = std::make_unique<CurrencyFormatter>(
        CurrencyFormatter::wholeAmountFormatterForCurrency(currencyCode));
    m_amountFormatter =
        std::make_unique<CurrencyFormatter>(CurrencyFormatter::formatterForCurrency(currencyCode));
    endResetModel();
}

void BudgetOutlineModel::clear() {
    beginResetModel();
    m_result = nullptr;
    endResetModel();
}

void BudgetOutlineModel::setActualHeader(const QString& header) {
    m_actualHeader = header;
    emit headerDataChanged(Qt::Horizontal, ActualColumn, ActualColumn);
}

void BudgetOutlineModel::changeResult(const std::function<void()>& change) {
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::pair<const void*, int>> keys;
    keys.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) {
        const TrackRow* row = rowForIndex(index);
        keys.emplace_back(row != nullptr ? keyOf(*row) : nullptr, index.column());
    }
    change();
    QModelIndexList after;
    after.reserve(before.size());
    for (const auto& [key, column] : keys) {
        after.append(key != nullptr ? indexForKey(key, column) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

TrackRow* BudgetOutlineModel::rowForIndex(const QModelIndex& index) const {
    if (!index.isValid() || m_result == nullptr) {
        return nullptr;
    }
    if (index.internalId() == kTopLevel) {
        return const_cast<TrackRow*>(&m_result->outlineRow(static_cast<std::size_t>(index.row())));
    }
    TrackRow& group = m_result->progress.at(index.internalId() - 1);
    return &group.categories.at(static_cast<std::size_t>(index.row()));
}

const void* BudgetOutlineModel::keyOf(const TrackRow& row) const {
    switch (row.type) {
        case TrackRow::Type::Category:
            return row.categoryLimit;
        case TrackRow::Type::Group:
            return row.group;
        case TrackRow::Type::Uncategorized:
            return &kUncategorizedKey;
        case TrackRow::Type::Total:
            return &kTotalKey;
    }
    return nullptr;
}

QModelIndex BudgetOutlineModel::indexForKey(const void* key, int column) const {
    if (m_result == nullptr) {
        return {};
    }
    if (key == &kTotalKey) {
        return index(static_cast<int>(m_result->progress.size()), column);
    }
    for (std::size_t top = 0; top < m_result->progress.size(); ++top) {
        const TrackRow& row = m_result->progress[top];
        if (keyOf(row) == key) {
            return index(static_cast<int>(top), column);
        }
        for (std::size_t child = 0; child < row.categories.size(); ++child) {
            if (keyOf(row.categories[child]) == key) {
                return createIndex(static_cast<int>(child), column, top + 1);
            }
        }
    }
    return {};
}

QModelIndex BudgetOutlineModel::indexForLimit(const CategoryLimit* limit) const {
    return limit != nullptr ? indexForKey(limit, CategoryColumn) : QModelIndex();
}

QModelIndex BudgetOutlineModel::totalIndex() const {
    return indexForKey(&kTotalKey, CategoryColumn);
}

QModelIndex BudgetOutlineModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, kTopLevel);
    }
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex BudgetOutlineModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopLevel) {
        return {};
    }
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopLevel);
}

int BudgetOutlineModel::rowCount(const QModelIndex& parent) const {
    if (m_result == nullptr || parent.column() > 0) {
        return 0;
    }
    if (!parent.isValid()) {
        return static_cast<int>(m_result->outlineRowCount());
    }
    const TrackRow* row = rowForIndex(parent);
    return parent.internalId() == kTopLevel && row->isGroup()
               ? static_cast<int>(row->categories.size())
               : 0;
}

int BudgetOutlineModel::columnCount(const QModelIndex& /*parent*/) const {
    return ColumnCount;
}

QString BudgetOutlineModel::displayName(const TrackRow& row) const {
    // The two rows that stand for no category carry the program's own titles.
    switch (row.type) {
        case TrackRow::Type::Uncategorized:
            return tr("Uncategorized");
        case TrackRow::Type::Total:
            return tr("Total");
        default:
            return QString::fromStdString(row.name);
    }
}

QVariant BudgetOutlineModel::data(const QModelIndex& index, int role) const {
    const TrackRow* row = rowForIndex(index);
    if (row == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            if (index.column() == CategoryColumn) {
                return displayName(*row);
            }
            if (index.column() == LimitColumn) {
                return QString::fromStdString(
                    m_limitFormatter->stringFromDecimal(row->limit.absolute_pn()));
            }
            return {};
        case Qt::AccessibleTextRole:
            return index.column() == ActualColumn ? data(index, ProgressMessageRole)
                                                  : data(index, Qt::DisplayRole);
        case Qt::FontRole:
            return cellFont(row->type == TrackRow::Type::Total);
        case Qt::ForegroundRole:
            return QColor(row->type == TrackRow::Type::Uncategorized ? QStringLiteral("#555555")
                                                                     : QStringLiteral("#000000"));
        case Qt::TextAlignmentRole:
            return index.column() == LimitColumn
                       ? QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignTop))
                       : QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
        case RowTypeRole:
            return static_cast<int>(row->type);
        case NotesRole:
            return row->categoryLimit != nullptr && row->categoryLimit->notes()
                       ? QString::fromStdString(*row->categoryLimit->notes())
                       : QString();
        case TrackRowRole:
            return QVariant::fromValue(static_cast<const TrackRow*>(row));
        case ProgressMessageRole:
            return QString::fromStdString(
                BudgetBarFigures::forRow(*row).progressMessage(*m_amountFormatter));
        default:
            return {};
    }
}

QVariant BudgetOutlineModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(
            (section == LimitColumn ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case CategoryColumn:
            return tr("Category");
        case LimitColumn:
            return tr("Limit");
        case ActualColumn:
            return m_actualHeader;
        default:
            return {};
    }
}

Qt::ItemFlags BudgetOutlineModel::flags(const QModelIndex& index) const {
    const TrackRow* row = rowForIndex(index);
    if (row == nullptr) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (row->type == TrackRow::Type::Category) {
        flags |= Qt::ItemIsSelectable;
    }
    if (index.internalId() != kTopLevel || !row->isGroup()) {
        flags |= Qt::ItemNeverHasChildren;
    }
    return flags;
}
