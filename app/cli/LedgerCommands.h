#pragma once

class CommandRegistry;

// Accounts, groups, transactions, transfers, categories and currencies.
void registerLedgerCommands(CommandRegistry& registry);
