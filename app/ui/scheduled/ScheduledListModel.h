#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "base/Date.h"
#include "scheduled/ScheduledListRow.h"

class ObjectContext;
class ScheduledItem;

// The scheduled list's rows as a table: every item of the store by due date, earliest first,
// with the figures ScheduledListRow gives. The rows are read on reload() (after every change
// the list makes and whenever the list is shown), never in between.
class ScheduledListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns, left to right as the list shows them.
    enum Column { DueDateColumn, TitleColumn, AmountColumn, ActionColumn, ColumnCount };
    enum Role {
        RepeatsRole = Qt::UserRole + 1,  // bool: the title is followed by "repeatingIcon"
        TransferRole,                    // bool: then by "transferIcon"
        DueRole,                         // bool: the due date on its red "Due" background
        ColorRole,                       // QString: the amount's colour, "237F00"
    };

    explicit ScheduledListModel(ObjectContext& context, QObject* parent = nullptr);

    // Reads every item and its figures for `today` again.
    void reload(Date today);

    ScheduledItem* itemAt(int row) const;
    // The row of `item`; -1 when it is not listed.
    int rowOf(const ScheduledItem* item) const;
    const ScheduledListRow& rowFigures(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant display(const ScheduledListRow& row, int column) const;

    ObjectContext& m_context;
    std::vector<ScheduledItem*> m_items;
    std::vector<ScheduledListRow> m_rows;
};
