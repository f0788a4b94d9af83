#include "ledger/Currency.h"

#include <optional>
#include <vector>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AmountRange.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Global.h"
#include "store/EntityBuilder.h"

namespace {

std::optional<Decimal> rateOf(const Currency* currency) {
    if (currency == nullptr) {
        return std::nullopt;
    }
    return currency->rate();
}

// The code each account will be in after the switch: nothing for the new home currency.
// Checked for every account before anything changes.
std::vector<std::pair<Account*, std::optional<std::string>>> plannedAccountCodes(
    ObjectContext& moc, const std::string& newHome, const std::string& oldHome,
    const std::map<std::string, Decimal>& rates) {
    std::vector<std::pair<Account*, std::optional<std::string>>> plan;
    for (Account* account : Account::allInContext(moc)) {
        const Currency* current = account->currency();
        if (current != nullptr && current->code() == newHome) {
            plan.emplace_back(account, std::nullopt);
        } else if (current != nullptr) {
            PN_ASSERT(rates.count(current->code()) == 1,
                      "Corresponding currency not found in new currencies hash");
            plan.emplace_back(account, current->code());
        } else {
            PN_ASSERT(rates.count(oldHome) == 1,
                      "Previous home currency not found in new currencies hash");
            plan.emplace_back(account, oldHome);
        }
    }
    return plan;
}

}  // namespace

const EntityDescription& Currency::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Currency>("Currency")
            .attribute("code", &Currency::m_code)
            .attribute("name", &Currency::m_name)
            .attribute("rate", &Currency::m_rate)
            .rule(AmountRange::kRateRule)
            .toMany("account", &Currency::m_account, &Account::entityDescription, "currency")
            .build();
    return description;
}

Decimal Currency::exchange(const Decimal& amount, const Currency* from, const Currency* to) {
    return CurrencyExchange::exchange(amount, rateOf(from), rateOf(to));
}

std::string Currency::nameForCurrencyCode(const std::string& code, const std::string& file) {
    return CurrencyExchange::nameForCurrencyCode(code, file);
}

std::map<std::string, Decimal> Currency::generateExchangeRatesBasedOn(const std::string& homeCode,
                                                                      const std::string& file) {
    return CurrencyExchange::generateExchangeRatesBasedOn(homeCode, file);
}

void Currency::setHomeCurrencyTo(Currency* home, ObjectContext& moc, const std::string& file) {
    if (home == nullptr) {
        return;
    }
    const std::vector<CurrenciesFile::Entry> entries = CurrenciesFile::read(file);
    const std::string newHome = home->code();
    const std::map<std::string, Decimal> rates =
        CurrencyExchange::generateExchangeRatesBasedOn(newHome, entries);
    const std::vector<Currency*> oldCurrencies = allInContext(moc);
    PN_ASSERT(rates.size() == oldCurrencies.size(),
              "Currency file doesn't match Currency objects in context");
    Global* global = Global::sharedInstanceInContext(moc);
    const std::string oldHome = global->homeCurrency();
    const auto plan = plannedAccountCodes(moc, newHome, oldHome, rates);

    std::map<std::string, Currency*> created;
    for (const auto& [code, rate] : rates) {
        Currency* currency = moc.insert<Currency>();
        currency->setCode(code);
        currency->setName(CurrencyExchange::nameForCurrencyCode(code, entries));
        currency->setRate(rate);
        created.emplace(code, currency);
    }
    for (const auto& [account, code] : plan) {
        account->setCurrency(code ? created.at(*code) : nullptr);
    }
    global->setHomeCurrency(newHome);
    for (Currency* old : oldCurrencies) {
        PN_ASSERT(old->account().empty(),
                  "Old currency should no longer be associated with any account");
        moc.deleteObject(*old);
    }
    PN_ASSERT(countInContext(moc) == rates.size(),
              "Resulting Currency count doesn't match currency file");
}
