#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "session/SnapshotManifest.h"

// The snapshots of the store as the backups window lists them, newest first: when, why, how
// many transactions and the net worth in the home currency, each text as the core gives it.
class SnapshotListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TakenColumn, ReasonColumn, TransactionsColumn, NetWorthColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setSnapshots(std::vector<SnapshotManifest> snapshots);
    // The snapshot of `row`; nullptr outside the rows.
    const SnapshotManifest* snapshotAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<SnapshotManifest> m_snapshots;
};
