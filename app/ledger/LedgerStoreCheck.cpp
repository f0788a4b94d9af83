#include "ledger/LedgerStoreCheck.h"

#include <algorithm>
#include <limits>
#include <unordered_set>
#include <vector>

#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

// Far below the end of the counter's range, and beyond what any store could have counted to.
constexpr std::int64_t kMaximumNextSortID = std::int64_t{1} << 62;

std::string damaged(const char* property, const ManagedObject& object) {
    return "the value of " + std::string(property) + " of " + object.entity().name() + " " +
           std::to_string(object.objectID()) + " is damaged";
}

bool isKnownAccountType(const std::optional<std::string>& type) {
    static const char* const kTypes[] = {kAccountTypeChecking, kAccountTypeSavings,
                                         kAccountTypeCreditCard, kAccountTypeCash,
                                         kAccountTypeOther};
    return !type || std::any_of(std::begin(kTypes), std::end(kTypes),
                                [&type](const char* known) { return *type == known; });
}

bool isKnownCurrency(const std::string& code, const std::string& currenciesFile) {
    if (code == "USD") {
        return true;  // built in, never listed
    }
    try {
        const std::vector<CurrenciesFile::Entry> entries = CurrenciesFile::read(currenciesFile);
        return std::any_of(entries.begin(), entries.end(),
                           [&code](const CurrenciesFile::Entry& e) { return e.code == code; });
    } catch (const CurrenciesFile::Error&) {
        return true;  // a broken installation is reported where the file is used
    }
}

std::optional<std::string> globalDamage(const Global& global, const std::string& currenciesFile) {
    if (global.isShowingProjection()) {
        if (global.projectedMonths().value_or(0) > LedgerStoreCheck::kMaximumProjectedMonths) {
            return damaged("projectedMonths", global);
        }
        if (!global.projectionEndDate()) {
            return damaged("projectionEndDate", global);
        }
    }
    if (global.nextSortID() > kMaximumNextSortID) {
        return damaged("nextSortID", global);
    }
    if (!isKnownCurrency(global.homeCurrency(), currenciesFile)) {
        return damaged("homeCurrency", global);
    }
    return std::nullopt;
}

// The root count, parent cycles and account types of the account tree.
std::optional<std::string> treeDamage(ObjectContext& context) {
    std::vector<Node*> nodes = Node::allInContext(context);
    const auto isRoot = [](const Node* node) {
        return node->identifier() == std::string(AccountsRoot::kIdentifier);
    };
    if (std::count_if(nodes.begin(), nodes.end(), isRoot) > 1) {
        return std::string("it holds more than one root of the account tree");
    }
    for (const Node* node : nodes) {
        // A chain of parents longer than the tree has nodes runs in a circle.
        std::size_t steps = 0;
        for (const Node* up = node->parent(); up != nullptr; up = up->parent()) {
            if (up == node || ++steps > nodes.size()) {
                return damaged("parent", *node);
            }
        }
        if (const auto* account = dynamic_cast<const Account*>(node);
            account != nullptr && !isKnownAccountType(account->type())) {
            return damaged("type", *account);
        }
    }
    return std::nullopt;
}

bool splitsAddUp(const Transaction& transaction) {
    // A single split keeps no amount of its own: the transaction's counts.
    if (transaction.splits().size() < 2) {
        return true;
    }
    Decimal sum;
    for (const Split* split : transaction.splits()) {
        sum += split->amount();
    }
    return sum == transaction.amount();
}

// The sort IDs met so far. They are handed out counting up from zero, so a sound store's fill
// most of [0, next sort ID): there each takes a bit, and a million of them 125 kB instead of
// the tens of megabytes a hash set takes. Any other (or all, when the next sort ID is far
// beyond the count) goes to a hash set.
class SortIDsSeen final {
public:
    SortIDsSeen(std::int64_t end, std::size_t count) {
        constexpr std::uint64_t kSpareBits = 1 << 16;
        if (end > 0 && static_cast<std::uint64_t>(end) <= kBitsPerWord * count + kSpareBits) {
            m_bits.resize((static_cast<std::uint64_t>(end) + kBitsPerWord - 1) / kBitsPerWord);
        }
    }

    // Whether `sortID` was not met before.
    bool insert(std::int64_t sortID) {
        const auto index = static_cast<std::uint64_t>(sortID);
        if (sortID >= 0 && index / kBitsPerWord < m_bits.size()) {
            std::uint64_t& word = m_bits[index / kBitsPerWord];
            const std::uint64_t bit = std::uint64_t{1} << (index % kBitsPerWord);
            const bool fresh = (word & bit) == 0;
            word |= bit;
            return fresh;
        }
        return m_others.insert(sortID).second;
    }

private:
    static constexpr std::uint64_t kBitsPerWord = 64;

    std::vector<std::uint64_t> m_bits;
    std::unordered_set<std::int64_t> m_others;
};

std::optional<std::string> transactionDamage(ObjectContext& context, const Global* global) {
    std::optional<std::string> found;
    SortIDsSeen sortIDs(global != nullptr ? global->nextSortID() : 0,
                        Transaction::countInContext(context));
    context.forEachObject(Transaction::entityDescription(), [&](ManagedObject& object) {
        const auto& transaction = static_cast<const Transaction&>(object);
        if (transaction.account() == nullptr) {
            found = damaged("account", transaction);
        } else if (global != nullptr && transaction.sortID() >= global->nextSortID()) {
            // The next transaction would repeat a sort ID.
            found = damaged("nextSortID", *global);
        } else if (!sortIDs.insert(transaction.sortID())) {
            found = damaged("sortID", transaction);
        } else if (!splitsAddUp(transaction)) {
            found = damaged("splits", transaction);
        }
        return !found;
    });
    return found;
}

}  // namespace

std::optional<std::string> LedgerStoreCheck::findDamage(ObjectContext& context,
                                                        const std::string& currenciesFile) {
    const std::vector<Global*> globals = Global::allInContext(context);
    if (globals.size() > 1) {
        return std::string("it holds more than one settings record");
    }
    const Global* global = globals.empty() ? nullptr : globals.front();
    if (global == nullptr &&
        (Account::countInContext(context) > 0 || Transaction::countInContext(context) > 0)) {
        // A new store has neither; taking this one for new would set it up a second time.
        return std::string("it holds accounts or transactions but no settings record");
    }
    if (global != nullptr) {
        if (std::optional<std::string> damage = globalDamage(*global, currenciesFile)) {
            return damage;
        }
    }
    if (std::optional<std::string> damage = treeDamage(context)) {
        return damage;
    }
    return transactionDamage(context, global);
}
