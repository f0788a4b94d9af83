#include "session/StoreRecovery.h"

#include "base/AssertionFailure.h"
#include "session/StoreSession.h"
#include "session/StoreSnapshots.h"

StoreRecovery StoreRecovery::forSession(const StoreSession& session) {
    PN_ASSERT(session.openError(), "No open error to recover from");
    StoreRecovery recovery;
    recovery.reason = session.openError()->localizedDescription;
    recovery.storePath = session.storePath();
    // Snapshots are kept beside SQLite stores only; a sample or XML store has none.
    if (StoreSession::kindForPath(recovery.storePath) == StoreKind::SQLite &&
        !session.sampleMode()) {
        recovery.snapshot = StoreSnapshots(recovery.storePath).newestPassing();
    }
    return recovery;
}

std::string StoreRecovery::informativeText() const {
    if (!snapshot) {
        return reason + "\n\nNo snapshot of it passes the check.";
    }
    return reason + "\n\nThe newest snapshot that passes the check is from " + snapshot->label() +
           ".";
}
