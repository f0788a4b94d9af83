#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Breakdown.h"
#include "BreakdownPeriods.h"
#include "BreakdownTotals.h"
#include "base/Decimal.h"

class Category;
class CategoryGroup;
class ObjectContext;
class Transaction;

// The breakdown report without its widgets: the chosen period and side, the drill-down levels
// its breadcrumbs show (the side's root, then a group, then a category or the uncategorized
// splits), and the figures of the page the current level shows. Every figure is computed from
// the store when asked; nothing is kept between pages but the levels. The context must outlive
// the report.
class BreakdownReport final {
public:
    static constexpr const char* kExpenseTitle = "Expense";
    static constexpr const char* kIncomeTitle = "Income";
    static constexpr const char* kUncategorizedTitle = "Uncategorized";

    // One breadcrumb: what it stands for and its title.
    struct Level final {
        enum class Kind { AllCategories, Group, Category, Uncategorized };
        Kind kind = Kind::AllCategories;
        std::string title;
        const CategoryGroup* group = nullptr;
        const Category* category = nullptr;
        bool operator==(const Level&) const = default;
    };

    // A row of bars: a category, a group, the uncategorized splits, or the total at the end.
    struct Row final {
        enum class Style { Category, Group, Uncategorized, Total };
        Style style = Style::Category;
        std::optional<BreakdownKey> key;  // none for the total
        std::string title;
        Decimal amount;  // absolute
        std::string amountText;
    };

    // What the current level shows: bars (the root and group levels) or the transactions
    // behind one figure (the category and uncategorized levels). `totals` are always those of
    // every category over the period, for the sidebar.
    struct Page final {
        bool showsTransactions = false;
        std::vector<Row> rows;  // largest first, then the total row; empty for an empty side
        Decimal maxAmount;      // the largest row's amount, the total not counted
        std::vector<Transaction*> transactions;
        BreakdownTotals totals;
    };

    // Opens on `period`, expense side.
    BreakdownReport(ObjectContext& context, BreakdownPeriods::Period period);

    const BreakdownPeriods::Period& period() const { return m_period; }
    bool showingExpense() const { return m_showingExpense; }
    const std::vector<Level>& levels() const { return m_levels; }

    // Every change of period shows the expense side's root.
    void setPeriod(BreakdownPeriods::Period period);
    void switchToExpense();
    void switchToIncome();

    // Drilling down from a bar: a group lists its categories, a category or the uncategorized
    // marker lists its transactions. REQUIRES: the current level shows bars.
    void clickedKey(const BreakdownKey& key);
    // Back to the level at `index`, dropping those after it. REQUIRES: index < levels().size().
    void clickedCrumb(std::size_t index);
    // After the store changed (an undo): cuts the levels back before the first one whose group
    // or category no longer exists. Returns whether any was cut.
    bool dropDeletedLevels();

    // The current level's page, computed now.
    [[nodiscard]] Page page() const;

    // The name a key shows in a row and a crumb.
    [[nodiscard]] static std::string titleForKey(const BreakdownKey& key);

private:
    void resetToSide(bool expense);

    ObjectContext& m_context;
    BreakdownPeriods::Period m_period;
    bool m_showingExpense = true;
    std::vector<Level> m_levels;
};
