#pragma once

#include <functional>

#include "session/SnapshotManifest.h"

// Asks for a snapshot of the store before a command changes many things at once (a statement
// import, an import from another application, a home currency switch, deleting an account
// with transactions). The shell installs what that does (the session's snapshot); without a
// handler nothing happens, as in widget tests of a single view.
class BulkChangeSnapshot final {
public:
    BulkChangeSnapshot() = delete;

    static void setHandler(std::function<void(SnapshotReason)> handler);
    static void before(SnapshotReason reason);
};
