#pragma once

class CommandRegistry;

// Scheduled transactions and the projection.
void registerScheduledCommands(CommandRegistry& registry);
