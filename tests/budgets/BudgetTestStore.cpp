#include "BudgetTestStore.h"

#include "budgets/Budget.h"

Budget* BudgetTestStore::budget(Date start, int months) {
    auto* budget = context().insert<Budget>();
    budget->setName("Test Budget");
    budget->setStartDate(start);
    budget->setMonths(months);
    return budget;
}
