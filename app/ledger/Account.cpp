#include "ledger/Account.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/StringHelpers.h"
#include "base/TextFolding.h"
#include "ledger/Currency.h"
#include "ledger/Transaction.h"
#include "ledger/TransferSetting.h"
#include "store/EntityBuilder.h"

const EntityDescription& Account::entityDescription() {
    // Scheduled items and transfer settings go with either of their accounts (Cascade), since
    // one without its account breaks every later operation on it.
    static const EntityDescription description =
        EntityBuilder<Account>("Account")
            .parent(Node::entityDescription())
            .attribute("name", &Account::m_name)
            .attribute("type", &Account::m_type)
            .attribute("isClosed", &Account::m_isClosed)
            .attribute("startBalance", &Account::m_startBalance)
            .attribute("startBalanceDate", &Account::m_startBalanceDate)
            .attribute("qifDateOrder", &Account::m_qifDateOrder)
            .attribute("specialBank", &Account::m_specialBank)
            .toOne("currency", &Account::m_currency, &Currency::entityDescription, "account")
            .toMany("transactions", &Account::m_transactions, &Transaction::entityDescription,
                    "account", DeleteRule::Cascade)
            .toMany("scheduledItems", &Account::m_scheduledItems, "ScheduledItem", "account",
                    DeleteRule::Cascade)
            .toMany("toScheduledItems", &Account::m_toScheduledItems, "ScheduledItem", "toAccount",
                    DeleteRule::Cascade)
            .toMany("transferSettings", &Account::m_transferSettings,
                    &TransferSetting::entityDescription, "account", DeleteRule::Cascade)
            .toMany("toTransferSettings", &Account::m_toTransferSettings,
                    &TransferSetting::entityDescription, "toAccount", DeleteRule::Cascade)
            .toOne("lastTransferSetting", &Account::m_lastTransferSetting,
                   &TransferSetting::entityDescription, "lastSettingOfAccount")
            .build();
    return description;
}

void Account::setCurrency(Currency* currency) {
    setToOne(&Account::m_currency, currency);
}

void Account::addTransferSettingsObject(TransferSetting* setting) {
    addToMany(&Account::m_transferSettings, setting);
}

void Account::setLastTransferSetting(TransferSetting* setting) {
    setToOne(&Account::m_lastTransferSetting, setting);
}

void Account::addTransactionsObject(Transaction* transaction) {
    addToMany(&Account::m_transactions, transaction);
}

void Account::removeTransactionsObject(Transaction* transaction) {
    removeFromMany(&Account::m_transactions, transaction);
}

void Account::awakeFromInsert() {
    setDefaultInsertionIndex();
    setStartBalanceDate(Date::today_PN().daysAgo_PN(1));
}

std::string Account::nextAvailableDefaultName(ObjectContext& context) {
    return firstFreeName("New Account", [&context](const std::string& name) {
        return nameAlreadyTaken(name, context);
    });
}

bool Account::nameAlreadyTaken(const std::string& name, ObjectContext& context) {
    return findFirstByPredicate([&](const Account& a) { return likeCD(a.name(), name); },
                                context) != nullptr;
}

Account* Account::first() {
    Account* first = firstInContext(ObjectContext::applicationContext());
    PN_ASSERT(first != nullptr, "There is no account");
    return first;
}

Account* Account::firstInContext(ObjectContext& context) {
    std::vector<Account*> all = allInContext(context);
    const auto first =
        std::min_element(all.begin(), all.end(),
                         [](const Account* a, const Account* b) { return a->name() < b->name(); });
    return first == all.end() ? nullptr : *first;
}

bool Account::hasDifferentCurrencyThanAccount(const Account& other) const {
    if (m_currency == nullptr) {
        return other.m_currency != nullptr;
    }
    return m_currency != other.m_currency;
}

std::optional<Date> Account::dateOfEarliestTransaction() const {
    std::optional<Date> earliest;
    for (const Transaction* t : m_transactions) {
        if (!earliest || t->date() < *earliest) {
            earliest = t->date();
        }
    }
    return earliest;
}

std::optional<Date> Account::dateOfLatestOFXTransaction() const {
    std::optional<Date> latest;
    for (const Transaction* t : m_transactions) {
        if (t->ofxAmount() && (!latest || t->date() > *latest)) {
            latest = t->date();
        }
    }
    return latest;
}

Date Account::effectiveStartBalanceDate() const {
    const std::optional<Date> earliest = dateOfEarliestTransaction();
    if (!earliest || m_startBalanceDate < *earliest) {
        return m_startBalanceDate;
    }
    return earliest->daysAgo_PN(1);
}

std::vector<Transaction*> Account::pendingTransactions() const {
    std::vector<Transaction*> pending;
    for (Transaction* t : m_transactions) {
        if (t->isPending()) {
            pending.push_back(t);
        }
    }
    return pending;
}
