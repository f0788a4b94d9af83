#include "ledger/RegisterEditing.h"

#include <string>

#include "ledger/Account.h"
#include "ledger/StickyDate.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

Transaction& RegisterEditing::addTransaction(Account& account, const StickyDate& stickyDate) {
    Transaction* transaction = account.managedObjectContext()->insert<Transaction>();
    if (account.type() == std::string(kAccountTypeCash)) {
        transaction->setIsPending(false);
    }
    if (const std::optional<Date> date = stickyDate.dateForNewTransaction()) {
        transaction->setDate(*date);
    }
    account.addTransactionsObject(transaction);
    return *transaction;
}

void RegisterEditing::finishEditing(Transaction& transaction, StickyDate& stickyDate) {
    transaction.fixSplitsIfNecessary();
    if (transaction.isNew()) {
        transaction.setIsNew(false);
    }
    stickyDate.transactionWasEdited(transaction.date());
}
