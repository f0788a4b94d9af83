#pragma once

#include <vector>

#include "base/Decimal.h"

// The breakdown report's sidebar figures for one period: the sum of the expense side (zero or
// negative), the sum of the income side, and the overall savings (income + expense; below zero
// a loss). Exact, so large amounts keep their cents.
struct BreakdownTotals final {
    Decimal expense;
    Decimal income;
    Decimal overallSavings;

    [[nodiscard]] static BreakdownTotals fromAmounts(const std::vector<Decimal>& expenseAmounts,
                                                     const std::vector<Decimal>& incomeAmounts);
    bool operator==(const BreakdownTotals&) const = default;
};
