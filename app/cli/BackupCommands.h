#pragma once

class CommandRegistry;

// The store's snapshots: listing, taking one, checking them and the store, and putting one in
// the store's place.
void registerBackupCommands(CommandRegistry& registry);
