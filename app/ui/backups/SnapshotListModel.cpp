#include "ui/backups/SnapshotListModel.h"

#include <QLocale>

void SnapshotListModel::setSnapshots(std::vector<SnapshotManifest> snapshots) {
    beginResetModel();
    m_snapshots = std::move(snapshots);
    endResetModel();
}

const SnapshotManifest* SnapshotListModel::snapshotAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return &m_snapshots[static_cast<std::size_t>(row)];
}

int SnapshotListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_snapshots.size());
}

int SnapshotListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SnapshotListModel::data(const QModelIndex& index, int role) const {
    const SnapshotManifest* snapshot = index.isValid() ? snapshotAt(index.row()) : nullptr;
    if (snapshot == nullptr) {
        return {};
    }
    const bool figure = index.column() == TransactionsColumn || index.column() == NetWorthColumn;
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
        case TakenColumn:
            return QString::fromStdString(snapshot->takenText());
        case ReasonColumn:
            return tr(SnapshotManifest::reasonText(snapshot->reason).c_str());
        case TransactionsColumn:
            return QLocale().toString(static_cast<qlonglong>(snapshot->transactions));
        case NetWorthColumn:
            return QString::fromStdString(snapshot->netWorthText());
        default:
            return {};
    }
}

QVariant SnapshotListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case TakenColumn:
            return tr("Date");
        case ReasonColumn:
            return tr("Reason");
        case TransactionsColumn:
            return tr("Transactions");
        case NetWorthColumn:
            return tr("Net Worth");
        default:
            return {};
    }
}
