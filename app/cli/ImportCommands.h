#pragma once

class CommandRegistry;

// Importing a bank statement into an account, as the import sheet does, and importing the
// accounts of another application's export.
void registerImportCommands(CommandRegistry& registry);
