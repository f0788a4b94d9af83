#include "ledger/Transaction.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AmountRange.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Global.h"
#include "ledger/LedgerSums.h"
#include "ledger/Split.h"
#include "store/EntityBuilder.h"

const EntityDescription& Transaction::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Transaction>("Transaction")
            .attribute("date", &Transaction::m_date)
            .attribute("title", &Transaction::m_title)
            .attribute("notes", &Transaction::m_notes)
            .attribute("amount", &Transaction::m_amount)
            .rule(AmountRange::kRule)
            .attribute("sortID", &Transaction::m_sortID)
            .attribute("checkNumber", &Transaction::m_checkNumber)
            .attribute("isPending", &Transaction::m_isPending)
            .attribute("isImported", &Transaction::m_isImported)
            .attribute("isNew", &Transaction::m_isNew)
            .attribute("ofxAmount", &Transaction::m_ofxAmount)
            .rule(AmountRange::kRule)
            .attribute("ofxTitle", &Transaction::m_ofxTitle)
            .attribute("ofxDate", &Transaction::m_ofxDate)
            .attribute("ofxCheckNumber", &Transaction::m_ofxCheckNumber)
            .attribute("ofxFitID", &Transaction::m_ofxFitID)
            .attribute("type", &Transaction::m_type)
            .attribute("splitsChanged", &Transaction::m_splitsChanged)
            .toOne("account", &Transaction::m_account, &Account::entityDescription, "transactions")
            .toMany("splits", &Transaction::m_splits, &Split::entityDescription, "transaction",
                    DeleteRule::Cascade)
            .validator(&Transaction::validateSplits)
            .toOne("scheduledItem", &Transaction::m_scheduledItem, "ScheduledItem",
                   "projectedTransactions")
            .build();
    return description;
}

void Transaction::setAccount(Account* account) {
    setToOne(&Transaction::m_account, account);
}

void Transaction::addSplitsObject(Split* split) {
    addToMany(&Transaction::m_splits, split);
}

void Transaction::removeSplitsObject(Split* split) {
    removeFromMany(&Transaction::m_splits, split);
}

void Transaction::setDate(Date::TimePoint timestamp) {
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(timestamp.time_since_epoch()).count();
    // Floor division keeps times before 1970 on their own day.
    std::int64_t days = seconds / 86400;
    if (seconds % 86400 < 0) {
        --days;
    }
    setDate(Date::fromDaysSinceEpoch(static_cast<std::int32_t>(days)));
}

void Transaction::setAmount(const Decimal& amount) {
    setValue(&Transaction::m_amount, roundedAmount(amount));
}

void Transaction::awakeFromInsert() {
    setDate(Date::today_PN());
    Split* split = managedObjectContext()->insert<Split>();
    addSplitsObject(split);
    setSortID(nextSortID());
}

std::int64_t Transaction::nextSortID() {
    Global* global = Global::sharedInstanceInContext(*managedObjectContext());
    const std::int64_t sortID = global->nextSortID();
    global->setNextSortID(sortID + 1);
    return sortID;
}

Date Transaction::dateOfLatestTransactionInContext(ObjectContext& context) {
    const auto latest = LedgerSums::latestTransactionDate(context);
    PN_ASSERT(latest.has_value(), "There is no transaction");
    return *latest;
}

std::optional<Date> Transaction::dateOfEarliestTransactionInContext(ObjectContext& context) {
    return LedgerSums::earliestTransactionDate(context);
}

bool Transaction::precedesInStandardOrder(const Transaction& a, const Transaction& b) {
    if (a.date() != b.date()) {
        return a.date() > b.date();
    }
    return a.sortID() > b.sortID();
}

// Sorts copies of the keys next to the pointers: comparing through the pointers would visit
// every transaction's memory again and again on a large store.
void Transaction::sortInStandardOrder(std::vector<Transaction*>& transactions) {
    // Newest first: by day, then by sort ID. Sort IDs count up from zero, so a day and a sort
    // ID mostly make one 64-bit key (the day's sign bit flipped keeps its order), which sorts
    // faster than the pair; any sort ID beyond 32 bits sorts the pairs.
    struct Packed {
        std::uint64_t key;
        Transaction* transaction;
    };
    std::vector<Packed> packed;
    packed.reserve(transactions.size());
    for (Transaction* transaction : transactions) {
        const std::int64_t sortID = transaction->sortID();
        if (sortID < 0 || sortID > std::numeric_limits<std::uint32_t>::max()) {
            break;
        }
        const std::uint32_t day =
            static_cast<std::uint32_t>(transaction->date().daysSinceEpoch()) ^ (1u << 31);
        packed.push_back(
            {(std::uint64_t{day} << 32) | static_cast<std::uint64_t>(sortID), transaction});
    }
    if (packed.size() == transactions.size()) {
        std::sort(packed.begin(), packed.end(),
                  [](const Packed& a, const Packed& b) { return a.key > b.key; });
        for (std::size_t i = 0; i < packed.size(); ++i) {
            transactions[i] = packed[i].transaction;
        }
        return;
    }
    struct Keyed {
        std::int32_t day;
        std::int64_t sortID;
        Transaction* transaction;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(transactions.size());
    for (Transaction* transaction : transactions) {
        keyed.push_back({transaction->date().daysSinceEpoch(), transaction->sortID(), transaction});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.day != b.day ? a.day > b.day : a.sortID > b.sortID;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        transactions[i] = keyed[i].transaction;
    }
}

Decimal Transaction::amountInHomeCurrency() const {
    if (m_account != nullptr && m_account->currency() != nullptr) {
        return CurrencyExchange::exchange(m_amount, m_account->currency()->rate(), std::nullopt);
    }
    return m_amount;
}

std::vector<Split*> Transaction::sortedSplits() const {
    std::vector<Split*> sorted = m_splits.toVector();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Split* a, const Split* b) {
        const bool aHas = a->category() != nullptr;
        const bool bHas = b->category() != nullptr;
        if (aHas != bHas) {
            return aHas;
        }
        return a->amount() > b->amount();
    });
    return sorted;
}

std::string Transaction::keywords() const {
    std::string text;
    if (const std::optional<std::string_view> title = m_title.view()) {
        text.append(*title).append(" ");
    }
    for (const Split* split : m_splits) {
        if (split->category() != nullptr) {
            text += split->category()->name() + " ";
        }
    }
    if (const std::optional<std::string_view> notes = m_notes.view()) {
        text.append(*notes).append(" ");
    }
    // The exact amount: a float would give wrong cents from about a million upwards.
    text += m_amount.absolute_pn().toString(2);
    return text;
}

void Transaction::fixSplitsIfNecessary() {
    if (m_splits.size() < 2) {
        return;
    }
    Decimal sum;
    for (const Split* split : m_splits) {
        sum += split->amount();
    }
    const Decimal difference = m_amount - sum;
    if (difference.isZero()) {
        return;
    }
    Split* split = managedObjectContext()->insert<Split>();
    split->setAmount(difference);
    addSplitsObject(split);
}
