#include "ledger/HomeCurrencyChoice.h"

#include <algorithm>

#include "base/TextFolding.h"

#include "ledger/Currency.h"
#include "ledger/Global.h"

std::vector<Currency*> HomeCurrencyChoice::currenciesByName(ObjectContext& context) {
    std::vector<Currency*> currencies = Currency::allInContext(context);
    std::stable_sort(
        currencies.begin(), currencies.end(),
        [](const Currency* a, const Currency* b) { return namePrecedes(a->name(), b->name()); });
    return currencies;
}

std::string HomeCurrencyChoice::homeCode(ObjectContext& context) {
    return Global::sharedInstanceInContext(context)->homeCurrency();
}

std::string HomeCurrencyChoice::homeCurrencyName(ObjectContext& context, const std::string& file) {
    return Currency::nameForCurrencyCode(homeCode(context), file);
}

Currency* HomeCurrencyChoice::currencyWithCode(const std::string& code, ObjectContext& context) {
    return Currency::findFirstByPredicate([&](const Currency& c) { return c.code() == code; },
                                          context);
}

bool HomeCurrencyChoice::switchHomeCurrency(Currency* chosen, ObjectContext& context,
                                            const std::string& file) {
    if (chosen == nullptr || chosen->code() == homeCode(context)) {
        return false;
    }
    Currency::setHomeCurrencyTo(chosen, context, file);
    return true;
}
