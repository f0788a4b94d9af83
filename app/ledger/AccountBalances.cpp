// Balances and transaction creation of an account. A balance is the start balance plus every
// transaction up to the point asked for: pending, generated and those dated before the start
// balance date alike.
#include <algorithm>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

std::vector<Transaction*> Account::orderedTransactions() const {
    std::vector<Transaction*> ordered = m_transactions.toVector();
    std::sort(ordered.begin(), ordered.end(), [](const Transaction* a, const Transaction* b) {
        return Transaction::precedesInStandardOrder(*a, *b);
    });
    return ordered;
}

Decimal Account::balance() const {
    Decimal sum = m_startBalance;
    for (const Transaction* transaction : m_transactions) {
        sum += transaction->amount();
    }
    return sum;
}

Decimal Account::balanceOnDate(Date date) const {
    Decimal sum = m_startBalance;
    for (const Transaction* transaction : m_transactions) {
        if (transaction->date() <= date) {
            sum += transaction->amount();
        }
    }
    return sum;
}

Decimal Account::reconciledBalance() const {
    Decimal unreconciled;
    for (const Transaction* transaction : m_transactions) {
        if (transaction->isPending() || transaction->isGenerated()) {
            unreconciled += transaction->amount();
        }
    }
    return balance() - unreconciled;
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
    Decimal sum = m_account->startBalance() + m_amount;
    for (const Transaction* other : m_account->transactions()) {
        if (other->date() < m_date || (other->date() == m_date && other->sortID() < m_sortID)) {
            sum += other->amount();
        }
    }
    return sum;
}

std::vector<Transaction*> Transaction::allInContext(ObjectContext& context) {
    std::vector<Transaction*> all = Entity<Transaction>::allInContext(context);
    std::sort(all.begin(), all.end(), [](const Transaction* a, const Transaction* b) {
        return precedesInStandardOrder(*a, *b);
    });
    return all;
}
