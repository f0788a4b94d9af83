#include "session/ApplicationMigrations.h"

#include "base/Log.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/DefaultCategories.h"
#include "ledger/Global.h"
#include "session/StoreSession.h"

namespace {

// The locale rule; a currencies file that cannot be read leaves the home currency alone, so
// the rest of the migration still runs.
CurrencyUpdater::LocaleResult applyLocaleRule(StoreSession& session, CurrencyUpdater& updater) {
    try {
        CurrencyUpdater::LocaleResult result = updater.setHomeCurrencyBasedOnUserLocale();
        if (result.saveError) {
            session.outputSaveError(*result.saveError);
        }
        return result;
    } catch (const CurrenciesFile::Error& error) {
        logLine(error.what());
        return {};
    }
}

}  // namespace

std::optional<HomeCurrencyAlert> ApplicationMigrations::performApplicationLevelMigrations(
    StoreSession& session, CurrencyUpdater& updater) {
    Global& global = *Global::sharedInstanceInContext(session.context());
    const std::optional<std::int64_t> version = global.internalVersion();
    std::optional<HomeCurrencyAlert> alert;
    if (!version) {
        applyLocaleRule(session, updater);
        if (std::optional<ValidationError> error =
                DefaultCategories::insertInto(session.context())) {
            session.outputSaveError(*error);
        }
    } else if (*version < kCurrentVersion) {
        const std::string before = global.homeCurrency();
        applyLocaleRule(session, updater);
        if (global.homeCurrency() != before) {
            alert = HomeCurrencyAlert{
                .message =
                    CurrencyUpdater::homeCurrencyChangedMessage(before, global.homeCurrency()),
                .informativeText = CurrencyUpdater::kHomeCurrencyChangedInformativeText,
                .style = Alert::Style::Informational};
        }
    }
    // A later version belongs to a newer program; lowering it would make that program
    // migrate its data a second time.
    if (!version || *version < kCurrentVersion) {
        global.setInternalVersion(kCurrentVersion);
    }
    (void)session.save();
    return alert;
}
