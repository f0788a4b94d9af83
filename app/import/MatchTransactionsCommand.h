#pragma once

#include <optional>
#include <vector>

#include "TransactionMatching.h"
#include "base/Alert.h"

class Transaction;

// Matching two selected transactions by hand, as a command: the front end asks each step
// which alert to show, answers it, and performs the match with the person's choice.
//
//   1. refusal(selection): an alert with one "OK" button when the selection cannot be
//      matched; stop after it.
//   2. confirmation(): "Match" (default) or "Cancel"; stop on "Cancel".
//   3. amountQuestion(pair): when the amounts differ, "Use Imported Amount" (default),
//      "Cancel", "Use Pending Amount" (choiceForButton reads the answer).
//   4. perform(pair, choice).
class MatchTransactionsCommand final {
public:
    MatchTransactionsCommand() = delete;

    // Enabled for any selection: the refusals explain what a match needs.
    static bool isEnabled(const std::vector<Transaction*>& /*selection*/) { return true; }
    static std::optional<Alert> refusal(const std::vector<Transaction*>& selection);
    // REQUIRES: no refusal.
    static TransactionMatching::Pair pair(const std::vector<Transaction*>& selection) {
        return TransactionMatching::pairForSelection(selection);
    }
    static Alert confirmation();
    // Nothing when the two amounts are equal.
    static std::optional<Alert> amountQuestion(const TransactionMatching::Pair& pair);
    // The choice of the amount question's button `index` (0 default, 1, 2).
    static TransactionMatching::AmountChoice choiceForButton(int index);
    // Settles the amounts as chosen and merges the imported transaction into the pending
    // one. False, changing nothing, on Cancel with different amounts.
    static bool perform(const TransactionMatching::Pair& pair,
                        TransactionMatching::AmountChoice choice) {
        return TransactionMatching::match(pair, choice);
    }
};
