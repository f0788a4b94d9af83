#pragma once

#include "budgets/SummaryFigures.h"

class Budget;
struct TrackResult;

// What a budget's summary page is made from: the totals of its two tracking results and the
// overall balances on the day before its start and on its end date, read from the store.
class BudgetSummary final {
public:
    [[nodiscard]] static SummaryFigures::Inputs inputs(const Budget& budget,
                                                       const TrackResult& expense,
                                                       const TrackResult& income);
};
