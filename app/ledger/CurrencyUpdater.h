#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "base/ValidationError.h"

class ObjectContext;

// Keeps a store's Currency instances in line with the currencies file: the refresh of names
// and rates run at every start, and the switch of the home currency to the one of the user's
// locale (UserLocale, which tests and the CLI set). Both save the store; refreshing the views
// afterwards is the caller's.
class CurrencyUpdater final {
public:
    struct UpdateResult final {
        std::size_t updated = 0;
        std::size_t added = 0;
        bool rateChanged = false;
        // Set when the closing save failed; the changes stay in the context.
        std::optional<ValidationError> saveError;
    };
    struct LocaleResult final {
        bool changed = false;
        std::string oldHomeCode;
        std::string newHomeCode;
        std::optional<ValidationError> saveError;
    };
    // Regenerates the projections of scheduled transfers between accounts of different
    // currencies. The scheduled items connect it; until they do, nothing is regenerated.
    using ExchangedTransferRegeneration = std::function<void(ObjectContext&)>;

    // REQUIRES: `context` outlives the updater.
    CurrencyUpdater(ObjectContext& context, std::string currenciesFile);

    // Refreshes names and rates from the file for the current home code ("Updating name for
    // currency X", "Updating rate for currency X"), adds the currencies the store lacks
    // ("Added currency X"), regenerates exchanged transfers when a rate changed while the
    // projection is shown, and saves. AssertionFailure "Internal currencies inconsistent with
    // default currencies list." when the store has a currency the file no longer lists; that
    // check and the duplicate check run before anything changes.
    [[nodiscard]] UpdateResult updateCurrencies();

    // Switches the home currency to the currency of the user's locale when the store has a
    // Currency of that code, then saves. Nothing when the locale names no currency, when it is
    // already home, or when the file does not list it.
    [[nodiscard]] LocaleResult setHomeCurrencyBasedOnUserLocale();

    // The alert the migration of an older store shows when the locale rule changed the home.
    [[nodiscard]] static std::string homeCurrencyChangedMessage(const std::string& oldCode,
                                                                const std::string& newCode);
    static const char* const kHomeCurrencyChangedInformativeText;

    // Installs the regeneration (nullptr removes it). Process-wide, like the notification
    // centre: one application, one scheduled subsystem.
    static void setExchangedTransferRegeneration(ExchangedTransferRegeneration regeneration);

private:
    ObjectContext& m_context;
    std::string m_file;
};
