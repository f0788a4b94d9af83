#pragma once

#include <cstdint>
#include <optional>

#include "session/SourceListItem.h"

class Node;

// Where an account or group dragged in the source list may land. A drop is proposed on a
// parent entry at a child position (-1: onto the entry itself); positions count the rows
// shown under the parent, so under "Transactions" position 0 is above "All Accounts".
class SourceListDropRules final {
public:
    struct Proposal {
        SourceListItem parent;
        int position = -1;
        // Rows under "Transactions" ("All Accounts", the tree, "Scheduled" when shown).
        int transactionsRowCount = 0;
        bool scheduledShown = false;
    };
    // Where the node goes in the tree.
    struct Placement {
        Node* parent = nullptr;
        std::int64_t index = 0;
    };

    // True when `dragged` (an account or group) may be dropped as proposed.
    [[nodiscard]] static bool validateDrop(const Proposal& proposal, const SourceListItem& dragged);
    // The tree position an accepted drop means; `root` is the tree's root. AssertionFailure
    // "Account group expected" for a parent other than the header or a group.
    [[nodiscard]] static Placement placementForDrop(const Proposal& proposal, Node* root);
};
