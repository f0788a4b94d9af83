#pragma once

#include <string>

#include "base/CommandCheck.h"
#include "base/MenuItemState.h"

class Budget;
class ObjectContext;

// The user commands on a budget of the source list: delete and rename. The budget's own view
// and sheets edit its settings and limits.
class BudgetListCommands final {
public:
    // Titled for a budget; enabled.
    static MenuItemState deleteMenuItem();
    // Always asks: a deleted budget and its limits do not come back.
    static CommandCheck checkDelete(const Budget& budget);
    // Deletes the budget with its limits.
    static void performDelete(Budget& budget, ObjectContext& context);
    static void rename(Budget& budget, const std::string& name);
};
