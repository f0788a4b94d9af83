#pragma once

class CommandRegistry;

// The budget commands: create, show, set a limit, edit, summary and delete.
void registerBudgetCommands(CommandRegistry& registry);
