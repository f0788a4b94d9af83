#pragma once

#include <string>
#include <vector>

class Transaction;

// The flag of a register row as a command: a hand-entered transaction's flag is its pending
// state, an imported or matched one's its new state, and a generated one has none.
class TransactionFlag final {
public:
    TransactionFlag() = delete;

    struct MenuItem {
        std::string title;
        bool enabled = false;
        bool operator==(const MenuItem&) const = default;
    };

    // Toggles isPending or isNew as the kind says. False, changing nothing, for a generated
    // transaction.
    static bool toggle(Transaction& transaction);
    // "Mark as Pending" / "Mark as Not Pending", or "Mark as New" / "Mark as Not New", by the
    // current state of the one selected transaction; "Mark as Pending" and disabled unless
    // exactly one non-generated transaction is selected.
    static MenuItem menuItem(const std::vector<Transaction*>& selection);
};
