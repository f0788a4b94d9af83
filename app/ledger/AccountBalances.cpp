// Balances and transaction creation of an account. A balance is the start balance plus every
// transaction up to the point asked for: pending, generated and those dated before the start
// balance date alike.
#include <algorithm>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/LedgerIndex.h"
#include "ledger/LedgerSums.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

std::vector<Transaction*> Account::orderedTransactions() const {
    const std::vector<Transaction*>& oldestFirst =
        LedgerIndex::of(*managedObjectContext()).transactionsOldestFirst(*this);
    return std::vector<Transaction*>(oldestFirst.rbegin(), oldestFirst.rend());
}

// The running balance of the newest transaction: the start balance and every amount.
Decimal Account::balance() const {
    return m_startBalance + LedgerIndex::of(*managedObjectContext()).total(*this);
}

// The running balance of the newest transaction dated on or before `date`.
Decimal Account::balanceOnDate(Date date) const {
    return m_startBalance + LedgerIndex::of(*managedObjectContext()).totalThrough(*this, date);
}

Decimal Account::reconciledBalance() const {
    return balance() - LedgerIndex::of(*managedObjectContext()).unreconciledTotal(*this);
}

Decimal Account::overallBalanceOnDate(std::optional<Date> date, ObjectContext& context) {
    LedgerIndex::of(context).buildAllAccounts();
    Decimal total;
    for (const Account* account : Account::allInContext(context)) {
        total += LedgerSums::homeCurrencyBalanceOnDate(*account, date);
    }
    return total;
}

Transaction* Account::createTransactionWithDate(Date date, std::optional<std::string> title,
                                                Decimal amount, Category* category,
                                                std::optional<std::string> notes,
                                                std::optional<std::int64_t> checkNumber) {
    Transaction* transaction = managedObjectContext()->insert<Transaction>();
    PN_ASSERT(transaction->isPending(), "A new transaction must start pending");
    if (m_type == std::string(kAccountTypeCash)) {
        transaction->setIsPending(false);
    }
    transaction->setDate(date);
    transaction->setTitle(std::move(title));
    transaction->setNotes(std::move(notes));
    transaction->setCheckNumber(checkNumber);
    transaction->setAmount(amount);
    for (Split* split : transaction->splits()) {
        split->setCategory(category);
    }
    transaction->setAccount(this);
    return transaction;
}

Decimal Transaction::runningBalance() const {
    PN_ASSERT(m_account != nullptr, "A transaction needs an account for its running balance");
    return m_account->startBalance() +
           LedgerIndex::of(*managedObjectContext()).totalBefore(*m_account, *this) + m_amount;
}

std::vector<Transaction*> Transaction::allInContext(ObjectContext& context) {
    std::vector<Transaction*> all = Entity<Transaction>::allInContext(context);
    sortInStandardOrder(all);
    return all;
}
