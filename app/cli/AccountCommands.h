#pragma once

class CommandRegistry;

// The account tree's commands: list, add, edit, close, delete and move accounts and groups,
// and an account's import settings.
void registerAccountCommands(CommandRegistry& registry);
