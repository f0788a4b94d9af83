#pragma once

#include "base/Decimal.h"

// What the limit sheet shows for one category limit and what saving it does to the limit.
// The sheet's amount field holds a whole, non-negative number; the sign comes from the
// spending/income choice, and the field may show the amount per month instead of for the whole
// period (the stored amount is always the whole period's).
struct LimitSheetFields final {
    bool incomeSelected = false;   // the type choice: tag 0 spending, tag 1 income
    bool monthlySelected = false;  // the estimate type: monthly instead of overall
    Decimal fieldValue;            // never negative

    // x / months, rounded to a whole number (halves away from zero): 1000 over 12 months is 83.
    // REQUIRES: months >= 1.
    [[nodiscard]] static Decimal monthlyAmountFor(const Decimal& x, int months);
    // x x months: 83 monthly over 12 months is 996.
    [[nodiscard]] static Decimal overallAmountFor(const Decimal& x, int months);

    // The fields for a limit of `amount` with its showMonthlyAmount flag.
    [[nodiscard]] static LimitSheetFields loadFields(const Decimal& amount, bool showMonthlyAmount,
                                                     int months);

    // The field's value after the estimate type is switched to `monthly`; unchanged when that
    // entry was already in force.
    [[nodiscard]] LimitSheetFields estimateTypeChanged(bool monthly, int months) const;

    // The outcome of saving: the limit's new amount (already whole), its showMonthlyAmount
    // flag, and whether the limit moved to the other side (its row must leave the outline).
    struct Saved final {
        Decimal amount;
        bool showMonthlyAmount = false;
        bool moved = false;
        bool operator==(const Saved&) const = default;
    };
    // Applies these fields to a limit whose amount is currently `currentAmount`. An amount of
    // zero is always a spending limit. REQUIRES: fieldValue >= 0.
    [[nodiscard]] Saved saveFields(const Decimal& currentAmount, int months) const;
};
