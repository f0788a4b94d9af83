#pragma once

#include <optional>
#include <string>

#include "session/SnapshotManifest.h"

class StoreSession;

// What the program offers when its store failed the check on opening: restore the newest
// snapshot that passes the check, open the damaged store read-only to copy things out, or
// quit. The desktop shows it in the recovery sheet; the command line prints it.
struct StoreRecovery final {
    static constexpr const char* kMessage = "Your data could not be opened.";
    static constexpr const char* kRestoreButton = "Restore Snapshot";
    static constexpr const char* kReadOnlyButton = "Open Read-Only";
    static constexpr const char* kQuitButton = "Quit";

    std::string reason;                        // the open error's own text
    std::optional<SnapshotManifest> snapshot;  // the newest that passes the check
    std::string storePath;

    // The offer for a session whose open failed. REQUIRES: session.openError().
    [[nodiscard]] static StoreRecovery forSession(const StoreSession& session);

    // The reason, then the snapshot that would be restored ("The newest snapshot that passes
    // the check is from 2026-03-15 09:00 (…).") or that there is none.
    [[nodiscard]] std::string informativeText() const;
};
