#include "budgets/BudgetHooks.h"

#include "budgets/Budget.h"
#include "ledger/Category.h"

void installBudgetHooks() {
    Category::setInsertionHook([](Category& category) {
        Budget::addLimitsForCategory(category, *category.managedObjectContext());
    });
}
