#pragma once

#include <QAbstractListModel>
#include <vector>

#include "reports/TrendSeries.h"
#include "reports/TrendsMenuEntries.h"

class Category;
class ObjectContext;

// The trends chart's series menu as a list model for its pop-up: "Balance", "Income",
// "Expense", a separator, then the categories of the store (TrendsMenuEntries): group titles
// in bold and disabled, their categories indented. Reloaded from the store by reload().
class TrendsMenuModel final : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        KindRole = Qt::UserRole + 1,  // TrendSeries::Kind as int; none for titles and separator
        CategoryRole,                 // the entry's Category* as a quintptr; 0 for others
        IsSeparatorRole,
    };

    explicit TrendsMenuModel(ObjectContext& context, QObject* parent = nullptr);

    // Rebuilds the entries from the store.
    void reload();

    // The row of the entry charting `category` (nullptr: none), or -1.
    int rowForCategory(const Category* category) const;
    // What the entry at `row` charts: its kind and category; nothing for a title or separator.
    bool isSeriesRow(int row) const;
    TrendSeries::Kind kindAt(int row) const;
    const Category* categoryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static constexpr int kSeparatorRow = 3;

private:
    struct Row {
        QString title;
        enum class Type { Series, Separator, GroupTitle } type = Type::Series;
        TrendSeries::Kind kind = TrendSeries::Kind::Balance;
        const Category* category = nullptr;
        bool indented = false;
    };

    ObjectContext& m_context;
    std::vector<Row> m_rows;
};
