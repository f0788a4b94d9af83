#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "store/ContextObserver.h"

class Account;
class Category;
class ObjectContext;
class Split;
class Transaction;

// The sums behind balances and category totals, kept per context so that they need not walk
// every transaction on each question. Per account: its transactions from oldest to newest
// (date, then sortID) with running sums; per category (and for the uncategorized splits): the
// split days in order with running sums of their home-currency amounts.
//
// Every change of the graph that can move a figure marks the affected account or category
// stale (the context tells this observer of setters, deletes, undo, redo and loading alike);
// a stale one is rebuilt on its next question, so a run of edits costs one rebuild, and the
// questions after it are binary searches.
class LedgerIndex final : public ContextObserver {
public:
    // From this many stale transactions buildAllAccounts() shares the work with a second
    // thread.
    static constexpr std::size_t kTransactionsForTwoThreads = 20000;

    explicit LedgerIndex(ObjectContext& context);
    ~LedgerIndex() override;
    LedgerIndex(const LedgerIndex&) = delete;
    LedgerIndex& operator=(const LedgerIndex&) = delete;

    static LedgerIndex& of(ObjectContext& context);

    // Brings every account's order and sums up to date at once, for questions about all of
    // them (All Accounts, the overall balance, every balance listed). After loading a large
    // store every account is stale: their orders are then built on two threads, the largest
    // accounts shared out between the caller and a helper.
    void buildAllAccounts();
    // Oldest first.
    const std::vector<Transaction*>& transactionsOldestFirst(const Account& account);
    // The sum of the amounts of every transaction of the account.
    Decimal total(const Account& account);
    // The sum of the amounts of the transactions dated on or before `date`.
    Decimal totalThrough(const Account& account, Date date);
    // The sum of the amounts of the transactions that come before `transaction` (an earlier
    // date, or the same date and a smaller sortID).
    Decimal totalBefore(const Account& account, const Transaction& transaction);
    // The sum of the amounts of the pending or generated transactions.
    Decimal unreconciledTotal(const Account& account);
    // The sum of home-currency split amounts of `category` (nullptr: splits without one) over
    // [start, end], or nothing when no split lies there.
    std::optional<Decimal> categoryAmount(const Category* category, Date start, Date end);
    // The dates of the earliest and the latest transaction of the store; nothing when it holds
    // none.
    std::optional<std::pair<Date, Date>> transactionDateSpan();

    void objectInserted(ManagedObject& object) override;
    void objectRemoved(ManagedObject& object) override;
    void attributeDidChange(ManagedObject& object, const AttributeDescription& attribute) override;
    void relationshipLinked(ManagedObject& object, const RelationshipDescription& relationship,
                            ManagedObject& target) override;
    void relationshipUnlinked(ManagedObject& object, const RelationshipDescription& relationship,
                              ManagedObject& target) override;

private:
    struct AccountOrder {
        bool valid = false;   // the order and the sums
        bool sorted = false;  // the order alone (an amount changed, no date or membership)
        std::vector<Transaction*> transactions;  // oldest first
        std::vector<Decimal> sums;               // sums[i]: amounts of the first i
        Decimal unreconciled;
    };
    struct CategoryDays {
        bool valid = false;
        std::vector<Date> days;     // ascending
        std::vector<Decimal> sums;  // sums[i]: amounts of the first i
    };

    AccountOrder& orderOf(const Account& account);
    static void build(const Account& account, AccountOrder& order);
    CategoryDays& daysOf(const Category* category);
    void touch(ManagedObject& object);
    void touchSplit(const Split& split);
    void touchTransaction(const Transaction& transaction);
    void markStale(const Category* category);
    void markStale(const Account* account, bool orderToo);
    void markAllCategoriesStale();
    void markDateSpanStale() { m_dateSpanValid = false; }

    ObjectContext& m_context;
    std::unordered_map<const Account*, AccountOrder> m_accounts;
    std::unordered_map<const Category*, CategoryDays> m_categories;
    bool m_dateSpanValid = false;
    std::optional<std::pair<Date, Date>> m_dateSpan;
};
