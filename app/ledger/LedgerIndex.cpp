#include "ledger/LedgerIndex.h"

#include <algorithm>
#include <functional>
#include <future>
#include <utility>

#include "base/AssertionFailure.h"
#include "base/CacheFetch.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

bool isOlder(const Transaction* a, const Transaction* b) {
    return Transaction::precedesInStandardOrder(*b, *a);
}

// The object as T when it is one, found from its entity rather than by a cast: the index
// hears of every change a large import makes.
template <class T>
const T* as(const ManagedObject& object) {
    return object.entity().isKindOf(T::entityDescription()) ? static_cast<const T*>(&object)
                                                            : nullptr;
}

// The transaction's attributes the index follows, by their index in the entity (which its
// sub-entities would keep).
struct TransactionAttributes {
    std::size_t date, amount, sortID, isPending, type;

    static const TransactionAttributes& get() {
        static const TransactionAttributes attributes = [] {
            const EntityDescription& entity = Transaction::entityDescription();
            const auto index = [&entity](std::string_view name) {
                const AttributeDescription* attribute = entity.attributeNamed(name);
                PN_ASSERT(attribute != nullptr, "A transaction has no " + std::string(name));
                return attribute->index;
            };
            return TransactionAttributes{index("date"), index("amount"), index("sortID"),
                                         index("isPending"), index("type")};
        }();
        return attributes;
    }

    // Attributes of a transaction that move a balance or a category sum.
    bool movesSums(const AttributeDescription& attribute) const {
        const std::size_t i = attribute.index;
        return i == date || i == amount || i == sortID || i == isPending || i == type;
    }
    // Those that also move the transaction in its account's order.
    bool movesOrder(const AttributeDescription& attribute) const {
        return attribute.index == date || attribute.index == sortID;
    }
};

}  // namespace

LedgerIndex::LedgerIndex(ObjectContext& context) : m_context(context) {
    m_context.addObserver(this);
}

LedgerIndex::~LedgerIndex() {
    m_context.removeObserver(this);
}

LedgerIndex& LedgerIndex::of(ObjectContext& context) {
    return context.extension<LedgerIndex>();
}

LedgerIndex::AccountOrder& LedgerIndex::orderOf(const Account& account) {
    AccountOrder& order = m_accounts[&account];
    if (!order.valid) {
        build(account, order);
    }
    return order;
}

void LedgerIndex::buildAllAccounts() {
    struct Stale {
        const Account* account;
        AccountOrder* order;
        std::size_t size;
    };
    std::vector<Stale> stale;
    std::size_t transactions = 0;
    for (const Account* account : Account::allInContext(m_context)) {
        if (AccountOrder& order = m_accounts[account]; !order.valid) {
            stale.push_back({account, &order, account->transactions().size()});
            transactions += stale.back().size;
        }
    }
    if (transactions < kTransactionsForTwoThreads || stale.size() < 2) {
        for (const Stale& s : stale) {
            build(*s.account, *s.order);
        }
        return;
    }
    // The largest accounts first, each to the thread with less to do so far.
    std::ranges::sort(stale, std::greater<>(), &Stale::size);
    std::vector<Stale> mine;
    std::vector<Stale> helpers;
    std::size_t mineSize = 0;
    std::size_t helpersSize = 0;
    for (const Stale& s : stale) {
        if (mineSize <= helpersSize) {
            mine.push_back(s);
            mineSize += s.size;
        } else {
            helpers.push_back(s);
            helpersSize += s.size;
        }
    }
    // Each builds into its own orders and only reads the graph, which nothing changes
    // meanwhile.
    std::future<void> helped = std::async(std::launch::async, [&helpers] {
        for (const Stale& s : helpers) {
            build(*s.account, *s.order);
        }
    });
    for (const Stale& s : mine) {
        build(*s.account, *s.order);
    }
    helped.get();
}

void LedgerIndex::build(const Account& account, AccountOrder& order) {
    if (!order.sorted) {
        order.transactions = account.transactions().toVector();
        Transaction::sortInStandardOrder(order.transactions);
        std::reverse(order.transactions.begin(), order.transactions.end());
        order.sorted = true;
    }
    order.sums.assign(1, Decimal());
    order.sums.reserve(order.transactions.size() + 1);
    order.unreconciled = Decimal();
    const std::vector<Transaction*>& transactions = order.transactions;
    for (std::size_t i = 0; i < transactions.size(); ++i) {
        if (i + kFetchAhead < transactions.size()) {
            fetchIntoCache(transactions[i + kFetchAhead]);
        }
        const Transaction* transaction = transactions[i];
        order.sums.push_back(order.sums.back() + transaction->amount());
        if (transaction->isPending() || transaction->isGenerated()) {
            order.unreconciled += transaction->amount();
        }
    }
    order.valid = true;
}

LedgerIndex::CategoryDays& LedgerIndex::daysOf(const Category* category) {
    CategoryDays& days = m_categories[category];
    if (days.valid) {
        return days;
    }
    std::vector<std::pair<Date, Decimal>> entries;
    const auto take = [&entries](const Split& split) {
        if (split.transaction() != nullptr) {
            entries.emplace_back(split.transaction()->date(), split.amountInHomeCurrency());
        }
    };
    if (category != nullptr) {
        entries.reserve(category->splits().size());
        for (const Split* split : category->splits()) {
            take(*split);
        }
    } else {
        m_context.forEachObject(Split::entityDescription(), [&](ManagedObject& object) {
            const auto& split = static_cast<const Split&>(object);
            if (split.category() == nullptr) {
                take(split);
            }
            return true;
        });
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    days.days.clear();
    days.days.reserve(entries.size());
    days.sums.assign(1, Decimal());
    days.sums.reserve(entries.size() + 1);
    for (const auto& [day, amount] : entries) {
        days.days.push_back(day);
        days.sums.push_back(days.sums.back() + amount);
    }
    days.valid = true;
    return days;
}

const std::vector<Transaction*>& LedgerIndex::transactionsOldestFirst(const Account& account) {
    return orderOf(account).transactions;
}

Decimal LedgerIndex::total(const Account& account) {
    return orderOf(account).sums.back();
}

Decimal LedgerIndex::totalThrough(const Account& account, Date date) {
    const AccountOrder& order = orderOf(account);
    const auto end = std::upper_bound(
        order.transactions.begin(), order.transactions.end(), date,
        [](Date day, const Transaction* transaction) { return day < transaction->date(); });
    return order.sums[static_cast<std::size_t>(end - order.transactions.begin())];
}

Decimal LedgerIndex::totalBefore(const Account& account, const Transaction& transaction) {
    const AccountOrder& order = orderOf(account);
    const auto first = std::lower_bound(order.transactions.begin(), order.transactions.end(),
                                        &transaction, isOlder);
    return order.sums[static_cast<std::size_t>(first - order.transactions.begin())];
}

Decimal LedgerIndex::unreconciledTotal(const Account& account) {
    return orderOf(account).unreconciled;
}

std::optional<Decimal> LedgerIndex::categoryAmount(const Category* category, Date start, Date end) {
    const CategoryDays& days = daysOf(category);
    const auto from = std::lower_bound(days.days.begin(), days.days.end(), start);
    const auto to = std::upper_bound(from, days.days.end(), end);
    if (from == to) {
        return std::nullopt;
    }
    return days.sums[static_cast<std::size_t>(to - days.days.begin())] -
           days.sums[static_cast<std::size_t>(from - days.days.begin())];
}

std::optional<std::pair<Date, Date>> LedgerIndex::transactionDateSpan() {
    if (m_dateSpanValid) {
        return m_dateSpan;
    }
    m_dateSpan.reset();
    m_context.forEachObject(Transaction::entityDescription(), [this](ManagedObject& object) {
        const Date date = static_cast<const Transaction&>(object).date();
        if (!m_dateSpan) {
            m_dateSpan.emplace(date, date);
        } else {
            m_dateSpan->first = std::min(m_dateSpan->first, date);
            m_dateSpan->second = std::max(m_dateSpan->second, date);
        }
        return true;
    });
    m_dateSpanValid = true;
    return m_dateSpan;
}

void LedgerIndex::markStale(const Category* category) {
    const auto found = m_categories.find(category);
    if (found != m_categories.end()) {
        found->second.valid = false;
    }
}

void LedgerIndex::markAllCategoriesStale() {
    for (auto& [category, days] : m_categories) {
        days.valid = false;
    }
}

void LedgerIndex::markStale(const Account* account, bool orderToo) {
    const auto found = m_accounts.find(account);
    if (found != m_accounts.end()) {
        found->second.valid = false;
        found->second.sorted = found->second.sorted && !orderToo;
    }
}

void LedgerIndex::touchSplit(const Split& split) {
    markStale(split.category());
    if (split.transaction() != nullptr) {
        // With one split the transaction's amount stands for the split's, so a change in the
        // number of splits moves the sums of every category of the transaction.
        for (const Split* sibling : split.transaction()->splits()) {
            markStale(sibling->category());
        }
    }
}

void LedgerIndex::touchTransaction(const Transaction& transaction) {
    markDateSpanStale();
    markStale(transaction.account(), true);
    for (const Split* split : transaction.splits()) {
        markStale(split->category());
    }
}

void LedgerIndex::touch(ManagedObject& object) {
    if (const auto* transaction = as<Transaction>(object)) {
        touchTransaction(*transaction);
    } else if (const auto* split = as<Split>(object)) {
        touchSplit(*split);
    } else if (const auto* account = as<Account>(object)) {
        markStale(account, true);
    } else if (const auto* category = as<Category>(object)) {
        markStale(category);
    } else if (as<Currency>(object) != nullptr) {
        markAllCategoriesStale();
    }
}

void LedgerIndex::objectInserted(ManagedObject& object) {
    touch(object);
}

void LedgerIndex::objectRemoved(ManagedObject& object) {
    touch(object);
}

void LedgerIndex::attributeDidChange(ManagedObject& object, const AttributeDescription& attribute) {
    if (const auto* transaction = as<Transaction>(object)) {
        const TransactionAttributes& followed = TransactionAttributes::get();
        if (attribute.index == followed.date) {
            markDateSpanStale();
        }
        if (followed.movesSums(attribute)) {
            // An amount or a flag leaves the order standing; only the sums move.
            markStale(transaction->account(), followed.movesOrder(attribute));
            for (const Split* split : transaction->splits()) {
                markStale(split->category());
            }
        }
    } else if (as<Split>(object) != nullptr || as<Currency>(object) != nullptr) {
        touch(object);
    }
}

void LedgerIndex::relationshipLinked(ManagedObject& object,
                                     const RelationshipDescription& relationship,
                                     ManagedObject& target) {
    relationshipUnlinked(object, relationship, target);
}

void LedgerIndex::relationshipUnlinked(ManagedObject& object,
                                       const RelationshipDescription& relationship,
                                       ManagedObject& target) {
    if (as<Account>(object) != nullptr && relationship.name == "currency") {
        // Every split of the account changes its home-currency amount.
        markAllCategoriesStale();
        return;
    }
    if (as<Split>(object) != nullptr && relationship.name == "category") {
        // The split joins or leaves the uncategorized ones.
        markStale(nullptr);
    }
    touch(object);
    touch(target);
}
