// The part of Category that belongs to the budgets: a new category joins every budget.
#include "budgets/Budget.h"
#include "ledger/Category.h"

void Category::addLimitsToEveryBudget() {
    Budget::addLimitsForCategory(*this, *managedObjectContext());
}
