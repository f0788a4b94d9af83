#pragma once

#include <optional>
#include <string>

#include "BudgetViewFigures.h"
#include "LimitSheetFields.h"
#include "TrackResult.h"
#include "base/Date.h"

class Budget;

// What the budget view shows of one budget: its two tracking results (expense and income),
// which of them is on screen, and the figures that follow from them. track() rebuilds both from
// the store; after a limit is saved only the other side is tracked again and the shown one is
// patched in place, so the edited row keeps its place in the outline.
class BudgetTracking final {
public:
    enum class Side { Expense, Income };

    // Points at `budget` (or nothing) and drops both results until track().
    void setBudget(Budget* budget);
    Budget* budget() const { return m_budget; }

    // Tracks both sides of the budget from the store; no side is shown afterwards.
    // REQUIRES: a budget is set.
    void track();
    const TrackResult& expenseData() const { return m_expenseData; }
    const TrackResult& incomeData() const { return m_incomeData; }

    // The side on screen, or nothing (the summary page or before the first switch).
    std::optional<Side> shownSide() const { return m_shownSide; }
    // The shown side's result; nullptr when no side is shown.
    TrackResult* currentData();
    // Shows `side`. When it was not already shown it is sorted by absolute limit, largest
    // first, and true is returned: the outline must be reloaded.
    bool switchToSide(Side side);
    // Shows no side (the summary page).
    void hideSides() { m_shownSide.reset(); }
    // Sorts the shown side by absolute limit. REQUIRES: a side is shown.
    void sortShownSide(bool ascending);

    // The share of the period passed on `today` where the pace needle stands, while the budget
    // runs (started and not ended); nothing before and after.
    [[nodiscard]] std::optional<float> needlePercentage(Date today) const;
    // The sidebar's amounts and the summary button's title, from the limits' totals.
    [[nodiscard]] BudgetViewFigures::Sidebar sidebar() const;

    // Saves the limit sheet into the limit of `row`, a category row of the shown side: stores
    // the amount, the monthly choice and the notes (empty notes are none), then patches the
    // shown side (a limit that changed sides leaves it, the group and total sums follow) and
    // tracks the other side again. AssertionFailure when `row` is not a category row of the
    // shown side, or when the totals disagree with the store's afterwards.
    LimitSheetFields::Saved saveLimit(TrackRow& row, const LimitSheetFields& fields,
                                      const std::string& notes);

private:
    TrackResult& dataFor(Side side) { return side == Side::Expense ? m_expenseData : m_incomeData; }
    void checkTotalsAgreeWithStore() const;

    Budget* m_budget = nullptr;
    TrackResult m_expenseData;
    TrackResult m_incomeData;
    std::optional<Side> m_shownSide;
};
