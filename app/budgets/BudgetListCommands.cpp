#include "budgets/BudgetListCommands.h"

#include "budgets/Budget.h"
#include "store/ObjectContext.h"

MenuItemState BudgetListCommands::deleteMenuItem() {
    return {.enabled = true, .title = "Delete Budget..."};
}

CommandCheck BudgetListCommands::checkDelete(const Budget&) {
    return CommandCheck::confirm({.message = "Are you sure you want to delete this budget?",
                                  .informativeText = "This action cannot be undone.",
                                  .buttons = {"Delete", "Cancel"}});
}

void BudgetListCommands::performDelete(Budget& budget, ObjectContext& context) {
    context.deleteObject(budget);
}

void BudgetListCommands::rename(Budget& budget, const std::string& name) {
    budget.setName(name);
}
