#pragma once

// Connects the scheduled items to the parts of the ledger that must reach them: when the
// start-up currency refresh changes a rate while the projection is shown, every transfer
// between accounts of different currencies gets its projection generated again; when the
// edit-account sheet changes an account's currency while the projection is shown, so do the
// transfers from and into that account. Both front ends call this once before they open a
// store.
void installScheduledHooks();
