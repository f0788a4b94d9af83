#pragma once

#include "../reports/ReportTestStore.h"

class Budget;

// The report tests' store with a short way to add a budget.
class BudgetTestStore : public ReportTestStore {
public:
    Budget* budget(Date start, int months);
};
