#include "ledger/RegisterRows.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/CacheFetch.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/LedgerIndex.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

RegisterRows::Row RegisterRows::rowFor(Transaction& transaction) {
    return {transaction.date().daysSinceEpoch(), transaction.sortID(), &transaction};
}

bool RegisterRows::comesBefore(const Row& a, const Row& b) {
    return a.day != b.day ? a.day > b.day : a.sortID > b.sortID;
}

void RegisterRows::reset(Mode mode) {
    m_mode = mode;
    m_account = nullptr;
    m_group = nullptr;
    m_list.clear();
    m_rows.clear();
}

void RegisterRows::showAccount(Account& account) {
    reset(Mode::Account);
    m_account = &account;
    refetch();
}

void RegisterRows::showGroup(AccountGroup& group) {
    reset(Mode::Group);
    m_group = &group;
    refetch();
}

void RegisterRows::showAll() {
    reset(Mode::All);
    refetch();
}

void RegisterRows::showList(std::vector<Transaction*> transactions) {
    reset(Mode::List);
    m_list = std::move(transactions);
    refetch();
}

void RegisterRows::reloadList(std::vector<Transaction*> transactions) {
    PN_ASSERT(m_mode == Mode::List, "reloadTransactions needs a register showing a list");
    m_list = std::move(transactions);
    refetch();
}

void RegisterRows::fill(const std::vector<Transaction*>& transactions) {
    m_rows.clear();
    m_rows.reserve(transactions.size());
    for (Transaction* transaction : transactions) {
        if (!transaction->isDeleted()) {
            m_rows.push_back(rowFor(*transaction));
        }
    }
    std::sort(m_rows.begin(), m_rows.end(), comesBefore);
}

void RegisterRows::appendNewestFirst(const std::vector<Transaction*>& oldestFirst) {
    for (std::size_t i = oldestFirst.size(); i-- > 0;) {
        if (i >= kFetchAhead) {
            fetchIntoCache(oldestFirst[i - kFetchAhead]);
        }
        m_rows.push_back(rowFor(*oldestFirst[i]));
    }
}

// The ledger index keeps every account's transactions in order (the balances need them):
// merging those runs costs less than sorting every transaction again. False, with nothing
// filled, when the accounts do not hold every transaction of the store.
bool RegisterRows::mergeAccountOrders() {
    LedgerIndex& index = LedgerIndex::of(m_context);
    index.buildAllAccounts();
    m_rows.clear();
    m_rows.reserve(m_context.countObjects(Transaction::entityDescription()));
    std::vector<std::size_t> runEnds{0};
    m_context.forEachObject(Account::entityDescription(), [&](ManagedObject& object) {
        appendNewestFirst(index.transactionsOldestFirst(static_cast<Account&>(object)));
        if (m_rows.size() > runEnds.back()) {
            runEnds.push_back(m_rows.size());
        }
        return true;
    });
    if (m_rows.size() != m_context.countObjects(Transaction::entityDescription())) {
        m_rows.clear();
        return false;
    }
    // Neighbouring runs merged pairwise until one is left.
    while (runEnds.size() > 2) {
        std::vector<std::size_t> merged{0};
        for (std::size_t i = 0; i + 2 < runEnds.size(); i += 2) {
            std::inplace_merge(m_rows.begin() + static_cast<std::ptrdiff_t>(runEnds[i]),
                               m_rows.begin() + static_cast<std::ptrdiff_t>(runEnds[i + 1]),
                               m_rows.begin() + static_cast<std::ptrdiff_t>(runEnds[i + 2]),
                               comesBefore);
            merged.push_back(runEnds[i + 2]);
        }
        if (runEnds.size() % 2 == 0) {
            merged.push_back(runEnds.back());
        }
        runEnds = std::move(merged);
    }
    return true;
}

void RegisterRows::refetch() {
    switch (m_mode) {
        case Mode::None:
            m_rows.clear();
            return;
        case Mode::Account: {
            // The ledger index keeps the account's order; reading it backwards is newest first.
            const std::vector<Transaction*>& oldestFirst =
                LedgerIndex::of(m_context).transactionsOldestFirst(*m_account);
            m_rows.clear();
            m_rows.reserve(oldestFirst.size());
            appendNewestFirst(oldestFirst);
            return;
        }
        case Mode::Group:
            fill(m_group->transactions());
            return;
        case Mode::All: {
            if (mergeAccountOrders()) {
                return;
            }
            std::vector<Transaction*> all;
            all.reserve(m_context.countObjects(Transaction::entityDescription()));
            m_context.forEachObject(Transaction::entityDescription(), [&all](ManagedObject& o) {
                all.push_back(static_cast<Transaction*>(&o));
                return true;
            });
            fill(all);
            return;
        }
        case Mode::List:
            fill(m_list);
            return;
    }
}

std::optional<std::size_t> RegisterRows::rowOf(const Transaction& transaction) const {
    const Row key = rowFor(const_cast<Transaction&>(transaction));
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), key, comesBefore);
    if (found != m_rows.end() && found->transaction == &transaction) {
        return static_cast<std::size_t>(found - m_rows.begin());
    }
    // Its date changed since it was placed.
    const auto scanned = std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& row) {
        return row.transaction == &transaction;
    });
    if (scanned == m_rows.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(scanned - m_rows.begin());
}

std::size_t RegisterRows::insertionRow(const Transaction& transaction) const {
    const Row key = rowFor(const_cast<Transaction&>(transaction));
    return static_cast<std::size_t>(
        std::lower_bound(m_rows.begin(), m_rows.end(), key, comesBefore) - m_rows.begin());
}

std::size_t RegisterRows::resortedRow(std::size_t row) const {
    PN_ASSERT(row < m_rows.size(), "No such register row");
    // The row's own key is stale: search the sorted parts on either side of it.
    const Row key = rowFor(*m_rows[row].transaction);
    const auto middle = m_rows.begin() + static_cast<std::ptrdiff_t>(row);
    const auto above = std::lower_bound(m_rows.begin(), middle, key, comesBefore);
    if (above != middle) {
        return static_cast<std::size_t>(above - m_rows.begin());
    }
    const auto below = std::lower_bound(middle + 1, m_rows.end(), key, comesBefore);
    return static_cast<std::size_t>(below - m_rows.begin()) - 1;
}

std::size_t RegisterRows::place(Transaction& transaction) {
    const Row row = rowFor(transaction);
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row, comesBefore);
    const auto index = at - m_rows.begin();
    m_rows.insert(at, row);
    return static_cast<std::size_t>(index);
}

std::size_t RegisterRows::insert(Transaction& transaction) {
    if (m_mode == Mode::List) {
        m_list.push_back(&transaction);
    }
    return place(transaction);
}

void RegisterRows::remove(std::size_t row) {
    PN_ASSERT(row < m_rows.size(), "No such register row");
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
}

std::size_t RegisterRows::resort(std::size_t row) {
    PN_ASSERT(row < m_rows.size(), "No such register row");
    Transaction& transaction = *m_rows[row].transaction;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    return place(transaction);
}
