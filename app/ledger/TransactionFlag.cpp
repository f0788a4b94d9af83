#include "ledger/TransactionFlag.h"

#include "ledger/Transaction.h"

namespace {

bool flagsNew(const Transaction& transaction) {
    return transaction.isImported() || transaction.isMatched();
}

}  // namespace

bool TransactionFlag::toggle(Transaction& transaction) {
    if (transaction.isGenerated()) {
        return false;
    }
    if (flagsNew(transaction)) {
        transaction.setIsNew(!transaction.isNew());
    } else {
        transaction.setIsPending(!transaction.isPending());
    }
    return true;
}

TransactionFlag::MenuItem TransactionFlag::menuItem(const std::vector<Transaction*>& selection) {
    if (selection.size() != 1 || selection.front()->isGenerated()) {
        return {"Mark as Pending", false};
    }
    const Transaction& transaction = *selection.front();
    if (flagsNew(transaction)) {
        return {transaction.isNew() ? "Mark as Not New" : "Mark as New", true};
    }
    return {transaction.isPending() ? "Mark as Not Pending" : "Mark as Pending", true};
}
