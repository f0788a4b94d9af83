#pragma once

#include <vector>

#include "base/Alert.h"

class Transaction;

// Deleting the transactions selected in a register. Projected transactions are removed only
// through their schedule, so they are left out.
class TransactionDeletion final {
public:
    TransactionDeletion() = delete;

    // The selection without its generated transactions, in the same order.
    static std::vector<Transaction*> deletable(const std::vector<Transaction*>& selection);
    // The question asked before deleting `transactions` (not empty): "Delete" (default) or
    // "Cancel".
    static Alert confirmation(const std::vector<Transaction*>& transactions);
    // Deletes each from its account and the store.
    static void perform(const std::vector<Transaction*>& transactions);
};
