#pragma once

class CommandRegistry;

// The preferences' commands: categories and their groups, currencies and the home currency.
void registerCategoryCommands(CommandRegistry& registry);
