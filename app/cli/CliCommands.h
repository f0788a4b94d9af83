#pragma once

class CommandRegistry;

// Registers every command of pennora-cli.
void registerCliCommands(CommandRegistry& registry);
