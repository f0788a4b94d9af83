#include "ledger/TransactionDeletion.h"

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/RegisterStatus.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

std::vector<Transaction*> TransactionDeletion::deletable(
    const std::vector<Transaction*>& selection) {
    std::vector<Transaction*> kept;
    for (Transaction* transaction : selection) {
        if (!transaction->isGenerated()) {
            kept.push_back(transaction);
        }
    }
    return kept;
}

Alert TransactionDeletion::confirmation(const std::vector<Transaction*>& transactions) {
    PN_ASSERT(!transactions.empty(), "Nothing to delete");
    Alert alert;
    if (transactions.size() == 1) {
        alert.message = "Are you sure you want to delete the transaction \"" +
                        std::string(transactions.front()->title().value_or("")) + "\"?";
    } else {
        alert.message = "Are you sure you want to delete the selected " +
                        RegisterStatus::countedTransactions(transactions.size()) + "?";
    }
    alert.informativeText = "A deleted transaction will be permanently removed from its account.";
    alert.buttons = {"Delete", "Cancel"};
    return alert;
}

void TransactionDeletion::perform(const std::vector<Transaction*>& transactions) {
    for (Transaction* transaction : transactions) {
        if (Account* account = transaction->account()) {
            account->removeTransactionsObject(transaction);
        }
        transaction->managedObjectContext()->deleteObject(*transaction);
    }
}
