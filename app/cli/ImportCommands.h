#pragma once

class CommandRegistry;

// Importing a bank statement into an account, as the import sheet does.
void registerImportCommands(CommandRegistry& registry);
