#pragma once

// Connects the budgets to the ledger: every new category gets a limit of 0 in every budget.
// The application's entity model installs this when it is built, so every context of that
// model follows the rule.
void installBudgetHooks();
