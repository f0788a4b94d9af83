#pragma once

#include <optional>

#include "base/Date.h"
#include "base/Decimal.h"

// The value rules of a category limit's amount, for the whole period in home-currency units:
// negative (or zero) for spending, positive for an income goal, always a whole number.
class LimitAmount final {
public:
    // What a limit stores when given `value`: rounded to a whole number, halves away from
    // zero (2.5 -> 3, -2.5 -> -3, -120.50 -> -121, 99.49 -> 99).
    [[nodiscard]] static Decimal wholeAmount(const Decimal& value);
    // True for a spending limit: amount <= 0 (zero counts as spending).
    [[nodiscard]] static bool isExpense(const Decimal& amount) { return amount.sign() <= 0; }

    // The days over which past activity is averaged for an estimate on `date`: from the
    // earliest transaction, or from date minus 365 days when that is earlier, up to date,
    // both ends included. Nothing when the store has no transactions or the earliest one lies
    // after date (the estimate is then zero).
    struct Window final {
        Date fromDate;
        Date toDate;
        int days = 0;
        bool operator==(const Window&) const = default;
    };
    [[nodiscard]] static std::optional<Window> estimateWindow(std::optional<Date> earliest,
                                                              Date date);

    // The estimated limit of a budget of `budgetDays` days for a category whose splits total
    // `windowTotal` over a window of `windowDays` days: budgetDays x (total / windowDays),
    // rounded like wholeAmount. Computed exactly: a total of -365.00 over 366 days gives -31
    // for a 31-day budget. REQUIRES: windowDays >= 1.
    [[nodiscard]] static Decimal estimatedAmount(const Decimal& windowTotal, int windowDays,
                                                 int budgetDays);
};
