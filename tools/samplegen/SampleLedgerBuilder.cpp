#include "SampleLedgerBuilder.h"

#include <cstdio>

#include "base/AssertionFailure.h"
#include "base/Decimal.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

SampleLedgerBuilder::SampleLedgerBuilder(ObjectContext& context)
    : m_context(context), m_root(&AccountsRoot::setup(context)) {}

AccountGroup& SampleLedgerBuilder::group(const std::string& name) {
    auto* group = m_context.insert<AccountGroup>();
    group->moveTo(m_root, static_cast<std::int64_t>(m_root->children().size()));
    group->setName(name);
    group->setIsExpanded(true);
    return *group;
}

Account& SampleLedgerBuilder::account(Node& parent, const std::string& name, const char* type,
                                      const char* startBalance, Date startBalanceDate,
                                      Currency* currency) {
    auto* account = m_context.insert<Account>();
    account->moveTo(&parent, static_cast<std::int64_t>(parent.children().size()));
    account->setName(name);
    account->setType(std::string(type));
    account->setStartBalance(Decimal::fromString(startBalance));
    account->setStartBalanceDate(startBalanceDate);
    account->setCurrency(currency);
    return *account;
}

Currency& SampleLedgerBuilder::currency(const std::string& code,
                                        const std::string& currenciesFile) {
    for (const CurrenciesFile::Entry& entry : CurrenciesFile::read(currenciesFile)) {
        if (entry.code == code) {
            auto* currency = m_context.insert<Currency>();
            currency->setCode(entry.code);
            currency->setName(entry.name);
            currency->setRate(entry.rate);
            return *currency;
        }
    }
    PN_ASSERTION_FAILURE("The currencies file does not list " + code);
}

CategoryGroup& SampleLedgerBuilder::categoryGroup(const std::string& name) {
    auto* group = m_context.insert<CategoryGroup>();
    group->setName(name);
    return *group;
}

Category& SampleLedgerBuilder::category(const std::string& name, CategoryGroup* group) {
    auto* category = m_context.insert<Category>();
    category->setName(name);
    category->setGroup(group);
    m_categories[name] = category;
    return *category;
}

Category* SampleLedgerBuilder::categoryNamed(const std::string& name) const {
    if (name.empty()) {
        return nullptr;
    }
    auto found = m_categories.find(name);
    PN_ASSERT(found != m_categories.end(), "No sample category " + name);
    return found->second;
}

Transaction& SampleLedgerBuilder::transaction(Account& account, Date date, const char* title,
                                              const char* amount, const std::string& category) {
    Transaction* transaction =
        account.createTransactionWithDate(date, std::string(title), Decimal::fromString(amount),
                                          categoryNamed(category), std::nullopt, std::nullopt);
    transaction->setIsPending(false);
    return *transaction;
}

Transaction& SampleLedgerBuilder::split(Account& account, Date date, const char* title,
                                        const std::vector<Part>& parts) {
    PN_ASSERT(parts.size() >= 2, "A split transaction has two parts or more");
    Decimal total;
    for (const Part& part : parts) {
        total += Decimal::fromString(part.second);
    }
    Transaction& result = transaction(account, date, title, "0", parts.front().first);
    result.setAmount(total);
    (*result.splits().begin())->setAmount(Decimal::fromString(parts.front().second));
    for (std::size_t i = 1; i < parts.size(); ++i) {
        auto* split = m_context.insert<Split>();
        split->setCategory(categoryNamed(parts[i].first));
        split->setAmount(Decimal::fromString(parts[i].second));
        result.addSplitsObject(split);
    }
    return result;
}

void SampleLedgerBuilder::transfer(Account& from, Account& to, Date date, const char* amount,
                                   std::optional<std::string> title) {
    const std::int64_t firstSortID = Global::sharedInstanceInContext(m_context)->nextSortID();
    from.transfer(Decimal::fromString(amount), to, categoryNamed("Transfer"), std::move(title),
                  date);
    for (Account* side : {&from, &to}) {
        for (Transaction* transaction : side->transactions()) {
            if (transaction->sortID() >= firstSortID) {
                transaction->setIsPending(false);
            }
        }
    }
}

void SampleLedgerBuilder::setBankFields(Transaction& transaction, const char* bankTitle) {
    char fitID[32];
    std::snprintf(fitID, sizeof fitID, "%s-%04d", transaction.date().toISOString().c_str(),
                  ++m_fitSequence);
    transaction.setOfxTitle(std::string(bankTitle));
    transaction.setOfxAmount(transaction.amount());
    transaction.setOfxDate(transaction.date());
    transaction.setOfxFitID(std::string(fitID));
}

void SampleLedgerBuilder::markImported(Transaction& transaction, const char* bankTitle,
                                       bool fromLastImport) {
    setBankFields(transaction, bankTitle);
    transaction.setIsImported(true);
    transaction.setIsNew(fromLastImport);
}

void SampleLedgerBuilder::markMatched(Transaction& transaction, const char* bankTitle) {
    setBankFields(transaction, bankTitle);
}

ScheduledItem& SampleLedgerBuilder::scheduled(Account& account, const char* title,
                                              const char* amount, const std::string& category,
                                              const char* repeatType, int interval,
                                              Date nextDueDate) {
    auto* item = m_context.insert<ScheduledItem>();
    item->setTitle(title);
    item->setAmount(Decimal::fromString(amount));
    item->setAccount(&account);
    item->setCategory(categoryNamed(category));
    item->setRepeatType(std::string(repeatType));
    item->setRepeatInterval(interval);
    item->setNextDueDate(nextDueDate);
    return *item;
}
