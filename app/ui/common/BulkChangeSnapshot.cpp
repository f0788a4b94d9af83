#include "ui/common/BulkChangeSnapshot.h"

namespace {

std::function<void(SnapshotReason)>& handler() {
    static std::function<void(SnapshotReason)> installed;
    return installed;
}

}  // namespace

void BulkChangeSnapshot::setHandler(std::function<void(SnapshotReason)> installed) {
    handler() = std::move(installed);
}

void BulkChangeSnapshot::before(SnapshotReason reason) {
    if (handler()) {
        handler()(reason);
    }
}
