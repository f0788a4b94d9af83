#include "ui/scheduled/ScheduledListModel.h"

#include <QColor>

#include "scheduled/ScheduledItem.h"

ScheduledListModel::ScheduledListModel(ObjectContext& context, QObject* parent)
    : QAbstractTableModel(parent), m_context(context) {}

void ScheduledListModel::reload(Date today) {
    beginResetModel();
    m_items = ScheduledItem::allByNextDueDate(m_context);
    m_rows = ScheduledListRow::rowsFor(m_items, today);
    endResetModel();
}

ScheduledItem* ScheduledListModel::itemAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_items.size())) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(row)];
}

int ScheduledListModel::rowOf(const ScheduledItem* item) const {
    const auto index = ScheduledListRow::indexOf(m_items, item);
    return index ? static_cast<int>(*index) : -1;
}

const ScheduledListRow& ScheduledListModel::rowFigures(int row) const {
    return m_rows.at(static_cast<std::size_t>(row));
}

int ScheduledListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ScheduledListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScheduledListModel::display(const ScheduledListRow& row, int column) const {
    switch (column) {
        case DueDateColumn:
            return QString::fromStdString(row.dueDateText);
        case TitleColumn:
            return QString::fromStdString(row.title);
        case AmountColumn:
            return QString::fromStdString(row.amountText);
        case ActionColumn:
            return QString::fromStdString(row.actionTitle);
        default:
            return {};
    }
}

QVariant ScheduledListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const ScheduledListRow& row = rowFigures(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return display(row, index.column());
        case Qt::ForegroundRole:
            if (index.column() == AmountColumn) {
                return QColor(QStringLiteral("#") + QString::fromStdString(row.amountColor));
            }
            return {};
        case Qt::TextAlignmentRole:
            if (index.column() == AmountColumn) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            return {};
        case RepeatsRole:
            return row.repeats;
        case TransferRole:
            return row.isTransfer;
        case DueRole:
            return row.isDue;
        case ColorRole:
            return QString::fromStdString(row.amountColor);
        default:
            return {};
    }
}

QVariant ScheduledListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case DueDateColumn:
            return tr("Due");
        case TitleColumn:
            return tr("Title");
        case AmountColumn:
            return tr("Amount");
        case ActionColumn:
            return QString();
        default:
            return {};
    }
}

Qt::ItemFlags ScheduledListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
