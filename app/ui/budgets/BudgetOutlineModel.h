#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <functional>
#include <memory>

#include "budgets/TrackResult.h"

class CurrencyFormatter;

// One side of a budget as an outline: the tracking result's top-level rows (a group with its
// categories as children, then categories and "Uncategorized") and the total always last, in
// three columns: the name, the absolute limit in whole home-currency units, and the row's
// progress (painted by the outline's bar cell from TrackRowRole). Only category rows can be
// selected. The model reads the result it is given and never owns it.
class BudgetOutlineModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { CategoryColumn, LimitColumn, ActualColumn, ColumnCount };
    enum Role {
        RowTypeRole = Qt::UserRole + 1,  // TrackRow::Type as int
        NotesRole,                       // the limit's notes (category rows), else empty
        TrackRowRole,                    // the row, as a const TrackRow*
        ProgressMessageRole,             // the bar's hover text: "$450.00", "$80.00 credit"
    };

    explicit BudgetOutlineModel(QObject* parent = nullptr);
    ~BudgetOutlineModel() override;

    // Shows `result` (nullptr: nothing), with amounts in `currencyCode`; resets the model.
    // REQUIRES: `result` outlives its use here.
    void setResult(TrackResult* result, const std::string& currencyCode);
    // Shows nothing (before the result goes away).
    void clear();
    TrackResult* result() const { return m_result; }
    // The title of the "actual" column.
    void setActualHeader(const QString& header);

    // Runs `change` on the shown result (a sort, a saved limit) as one layout change: rows
    // that are still there keep their persistent indexes (expansion, current row), rows that
    // went away lose them.
    void changeResult(const std::function<void()>& change);

    // The row an index stands for; nullptr for an invalid index.
    TrackRow* rowForIndex(const QModelIndex& index) const;
    // The index of the category row of `limit` (column 0), or an invalid one.
    QModelIndex indexForLimit(const CategoryLimit* limit) const;
    // The index of the total row (column 0), or an invalid one without a result.
    QModelIndex totalIndex() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString displayName(const TrackRow& row) const;
    // What identifies a row across a change of the result: its limit, its group, or its type.
    const void* keyOf(const TrackRow& row) const;
    QModelIndex indexForKey(const void* key, int column) const;

    TrackResult* m_result = nullptr;
    std::unique_ptr<CurrencyFormatter> m_limitFormatter;
    std::unique_ptr<CurrencyFormatter> m_amountFormatter;
    QString m_actualHeader;
};

Q_DECLARE_METATYPE(const TrackRow*)
