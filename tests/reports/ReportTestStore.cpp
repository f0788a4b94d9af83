#include "ReportTestStore.h"

#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Currency.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

ReportTestStore::ReportTestStore() : m_context(applicationModel()) {
    m_context.insert<Node>()->setIdentifier("accounts");
}

Account* ReportTestStore::account(const std::string& name, Currency* currency) {
    auto* account = m_context.insert<Account>();
    account->setName(name);
    account->setCurrency(currency);
    return account;
}

Currency* ReportTestStore::currency(const std::string& code, const char* rate) {
    auto* currency = m_context.insert<Currency>();
    currency->setCode(code);
    currency->setRate(dec(rate));
    return currency;
}

CategoryGroup* ReportTestStore::group(const std::string& name) {
    auto* group = m_context.insert<CategoryGroup>();
    group->setName(name);
    return group;
}

Category* ReportTestStore::category(const std::string& name, CategoryGroup* group) {
    auto* category = m_context.insert<Category>();
    category->setName(name);
    category->setGroup(group);
    return category;
}

Transaction* ReportTestStore::add(Account* account, Date date, const char* amount,
                                  Category* category) {
    auto* transaction = m_context.insert<Transaction>();
    transaction->setAccount(account);
    transaction->setDate(date);
    transaction->setAmount(dec(amount));
    (*transaction->splits().begin())->setCategory(category);
    return transaction;
}

Transaction* ReportTestStore::addSplits(
    Account* account, Date date, const std::vector<std::pair<const char*, Category*>>& splits) {
    auto* transaction = m_context.insert<Transaction>();
    transaction->setAccount(account);
    transaction->setDate(date);
    Decimal total;
    bool first = true;
    for (const auto& [amount, category] : splits) {
        Split* split = first ? *transaction->splits().begin() : m_context.insert<Split>();
        if (!first) {
            transaction->addSplitsObject(split);
        }
        first = false;
        split->setAmount(dec(amount));
        split->setCategory(category);
        total += dec(amount);
    }
    transaction->setAmount(total);
    return transaction;
}
