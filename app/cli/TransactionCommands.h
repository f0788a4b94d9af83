#pragma once

class CommandRegistry;

// The register's commands: add, list, delete and flag transactions, transfers, search and
// matching by hand.
void registerTransactionCommands(CommandRegistry& registry);
