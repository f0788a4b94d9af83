#pragma once

#include <vector>

#include "TrendSeries.h"
#include "base/Decimal.h"

class Category;
class ObjectContext;

// The figures of a whole trends series in one pass over the store, equal point by point to
// the single queries (AccountReports::incomeTotalFromDate, expenseTotalFromDate, a category's
// amount, Account::overallBalanceOnDate) but without visiting the store once per month.
// REQUIRES of the windows: ordered by date and not overlapping (TrendSeries::windows gives such).
class TrendFigures final {
public:
    [[nodiscard]] static std::vector<Decimal> incomeTotals(
        const std::vector<TrendSeries::Window>& windows, ObjectContext& context);
    [[nodiscard]] static std::vector<Decimal> expenseTotals(
        const std::vector<TrendSeries::Window>& windows, ObjectContext& context);
    // The category's net amount per window (zero without splits).
    [[nodiscard]] static std::vector<Decimal> categoryAmounts(
        const std::vector<TrendSeries::Window>& windows, const Category& category);
    // The overall balance on each window's date.
    [[nodiscard]] static std::vector<Decimal> overallBalances(
        const std::vector<TrendSeries::Window>& windows, ObjectContext& context);

    // The series of one menu entry: `category` for a category entry, else by `kind`.
    [[nodiscard]] static std::vector<TrendSeries::DataPoint> series(TrendSeries::Kind kind,
                                                                    const Category* category,
                                                                    const DateRange& range,
                                                                    ObjectContext& context);
};
