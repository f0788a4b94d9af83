#pragma once

#include <optional>
#include <string>
#include <vector>

class Transaction;

// Matching a pending transaction entered by hand with an imported one, and undoing it.
class TransactionMatching final {
public:
    TransactionMatching() = delete;

    // Why a selection cannot be matched: the alert's title and message.
    struct Refusal {
        std::string title;
        std::string message;
        bool operator==(const Refusal&) const = default;
    };
    // The two transactions of a selection that can be matched.
    struct Pair {
        Transaction* pending = nullptr;
        Transaction* imported = nullptr;
    };
    // How the user settles two different amounts.
    enum class AmountChoice { UseImported, Cancel, UsePending };

    // The first refusal that applies to the selection, or nothing when it may be matched.
    static std::optional<Refusal> refusalForSelection(const std::vector<Transaction*>& selection);
    // REQUIRES: refusalForSelection gave nothing. The first selected is the pending one when
    // it is pending, otherwise the second is.
    static Pair pairForSelection(const std::vector<Transaction*>& selection);
    static bool amountsDiffer(const Pair& pair);
    // Makes the amounts equal as chosen, then matches. False (nothing changed) on Cancel.
    static bool match(const Pair& pair, AmountChoice choice);

    // Copies the imported transaction's bank fields into the pending one (which takes the
    // bank's check number only when it has none), clears its pending flag and deletes the
    // imported transaction. REQUIRES: equal amounts, `imported` imported, `pending` pending,
    // same account, two different transactions.
    static void matchWith(Transaction& pending, Transaction& imported);
    // Recreates the imported transaction from a matched one's bank fields (as new) and makes
    // the matched one pending again without bank fields. REQUIRES: isMatched. Returns the
    // recreated transaction.
    static Transaction* undoMatch(Transaction& matched);
};
