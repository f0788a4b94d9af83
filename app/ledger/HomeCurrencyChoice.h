#pragma once

#include <string>
#include <vector>

class Currency;
class ObjectContext;

// The currencies pane's lists and its one command, which the command line shares: the
// store's currencies in name order, the home currency's code and name, and the switch of the
// home currency.
class HomeCurrencyChoice final {
public:
    HomeCurrencyChoice() = delete;

    // Every Currency of the store by name, ignoring case and diacritics. The home currency has
    // none.
    [[nodiscard]] static std::vector<Currency*> currenciesByName(ObjectContext& context);
    [[nodiscard]] static std::string homeCode(ObjectContext& context);
    // The home currency's name as the currencies file at `file` lists it ("US Dollars" for
    // "USD"). AssertionFailure when the file does not list the home code.
    [[nodiscard]] static std::string homeCurrencyName(ObjectContext& context,
                                                      const std::string& file);
    // The Currency of `code`, or nullptr when the store has none (as for the home code).
    [[nodiscard]] static Currency* currencyWithCode(const std::string& code,
                                                    ObjectContext& context);

    // Makes `chosen` the home currency with the currencies file at `file`: every Currency is
    // rebuilt against it and each account points at the new instance of its code (accounts
    // in `chosen` then have none, those in the old home currency get one). Stored amounts are
    // not converted, so every balance keeps its figure in its account's currency. nullptr, the
    // current home currency, changes nothing. Returns whether the home currency changed; the
    // caller saves and refreshes every view. AssertionFailure, with the context untouched, for
    // a file that does not match the store.
    static bool switchHomeCurrency(Currency* chosen, ObjectContext& context,
                                   const std::string& file);
};
