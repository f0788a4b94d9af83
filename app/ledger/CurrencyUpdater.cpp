#include "ledger/CurrencyUpdater.h"

#include <map>
#include <vector>

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "base/TextFolding.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/Global.h"

namespace {

CurrencyUpdater::ExchangedTransferRegeneration& regenerationHook() {
    static CurrencyUpdater::ExchangedTransferRegeneration hook;
    return hook;
}

// One code of the file with what the store has of it.
struct PlannedCurrency final {
    std::string code;
    std::string name;
    Decimal rate;
    Currency* existing = nullptr;
};

// The store's currencies whose code matches `code` ignoring case and diacritics. Codes are
// folded once up front; a code with LIKE wildcards falls back to the pattern match.
class CodeIndex final {
public:
    explicit CodeIndex(ObjectContext& context) : m_context(context) {
        for (Currency* currency : Currency::allInContext(context)) {
            m_byFoldedCode.emplace(foldForComparison(currency->code()), currency);
        }
    }
    std::vector<Currency*> matches(const std::string& code) const {
        if (code.find_first_of("*?") != std::string::npos) {
            return Currency::findByPredicate(
                [&code](const Currency& c) { return likeCD(c.code(), code); }, m_context);
        }
        std::vector<Currency*> found;
        auto [first, last] = m_byFoldedCode.equal_range(foldForComparison(code));
        for (auto it = first; it != last; ++it) {
            found.push_back(it->second);
        }
        return found;
    }

private:
    ObjectContext& m_context;
    std::multimap<std::string, Currency*> m_byFoldedCode;
};

std::vector<PlannedCurrency> planCurrencies(ObjectContext& context,
                                            const std::vector<CurrenciesFile::Entry>& entries,
                                            const std::string& homeCode) {
    const CodeIndex index(context);
    std::vector<PlannedCurrency> plan;
    for (const auto& [code, rate] :
         CurrencyExchange::generateExchangeRatesBasedOn(homeCode, entries)) {
        std::vector<Currency*> matches = index.matches(code);
        PN_ASSERT(matches.size() <= 1, "Found more than one currency with the code " + code);
        plan.push_back({code, CurrencyExchange::nameForCurrencyCode(code, entries), rate,
                        matches.empty() ? nullptr : matches.front()});
    }
    return plan;
}

}  // namespace

const char* const CurrencyUpdater::kHomeCurrencyChangedInformativeText =
    "All amounts shown in the application, including account balances, charts and budgets, "
    "are now in your home currency, unless otherwise specified. You can change your home "
    "currency in Preferences under Currencies.";

CurrencyUpdater::CurrencyUpdater(ObjectContext& context, std::string currenciesFile)
    : m_context(context), m_file(std::move(currenciesFile)) {}

CurrencyUpdater::UpdateResult CurrencyUpdater::updateCurrencies() {
    Global* global = Global::sharedInstanceInContext(m_context);
    const std::vector<PlannedCurrency> plan =
        planCurrencies(m_context, CurrenciesFile::read(m_file), global->homeCurrency());
    std::size_t found = 0;
    for (const PlannedCurrency& planned : plan) {
        found += planned.existing != nullptr ? 1 : 0;
    }
    // A store currency that no code of the file matched: the file dropped it, and accounts
    // may still point at it.
    PN_ASSERT(found == Currency::countInContext(m_context),
              "Internal currencies inconsistent with default currencies list.");

    UpdateResult result;
    for (const PlannedCurrency& planned : plan) {
        Currency* currency = planned.existing;
        if (currency == nullptr) {
            currency = m_context.insert<Currency>();
            currency->setCode(planned.code);
            currency->setName(planned.name);
            currency->setRate(planned.rate);
            logLine("Added currency " + planned.code);
            ++result.added;
            continue;
        }
        if (currency->name() != planned.name) {
            logLine("Updating name for currency " + planned.code);
            currency->setName(planned.name);
        }
        if (currency->rate() != planned.rate) {
            logLine("Updating rate for currency " + planned.code);
            currency->setRate(planned.rate);
            result.rateChanged = true;
        }
        ++result.updated;
    }
    if (result.rateChanged && global->isShowingProjection() && regenerationHook()) {
        regenerationHook()(m_context);
    }
    result.saveError = m_context.save();
    return result;
}

CurrencyUpdater::LocaleResult CurrencyUpdater::setHomeCurrencyBasedOnUserLocale() {
    Global* global = Global::sharedInstanceInContext(m_context);
    LocaleResult result;
    result.oldHomeCode = global->homeCurrency();
    result.newHomeCode = result.oldHomeCode;
    const std::optional<std::string> localeCode = CurrencyFormatter::currencyCodeOfUserLocale();
    if (!localeCode || *localeCode == result.oldHomeCode) {
        return result;
    }
    std::vector<Currency*> matches = Currency::findByPredicate(
        [&localeCode](const Currency& c) { return c.code() == *localeCode; }, m_context);
    if (matches.empty()) {
        return result;
    }
    PN_ASSERT(matches.size() == 1, "Should not have more than one instance of a currency");
    Currency::setHomeCurrencyTo(matches.front(), m_context, m_file);
    result.changed = true;
    result.newHomeCode = global->homeCurrency();
    result.saveError = m_context.save();
    return result;
}

std::string CurrencyUpdater::homeCurrencyChangedMessage(const std::string& oldCode,
                                                        const std::string& newCode) {
    return "Your home currency has been changed from " + oldCode + " to " + newCode + ".";
}

void CurrencyUpdater::setExchangedTransferRegeneration(ExchangedTransferRegeneration regeneration) {
    regenerationHook() = std::move(regeneration);
}
