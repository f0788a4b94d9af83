#include "BreakdownTotals.h"

#include <numeric>

BreakdownTotals BreakdownTotals::fromAmounts(const std::vector<Decimal>& expenseAmounts,
                                             const std::vector<Decimal>& incomeAmounts) {
    BreakdownTotals totals;
    totals.expense = std::accumulate(expenseAmounts.begin(), expenseAmounts.end(), Decimal());
    totals.income = std::accumulate(incomeAmounts.begin(), incomeAmounts.end(), Decimal());
    totals.overallSavings = totals.income + totals.expense;
    return totals;
}
