#include "cli/CliStore.h"

#include <filesystem>

#include "cli/CliError.h"
#include "ledger/AccountsRoot.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/DefaultCategories.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "scheduled/ScheduledHooks.h"
#include "session/ApplicationModel.h"
#include "session/DataFolder.h"
#include "store/SQLiteStore.h"

namespace {

std::string describe(const ValidationError& error) {
    std::string text = error.localizedDescription;
    for (const ValidationError& detail : error.detailedErrors) {
        text += "\n  " + detail.localizedDescription;
    }
    return text;
}

}  // namespace

std::string CliStore::defaultPath() {
    return (std::filesystem::path(DataFolder::defaultPath()) / "Database.pennorasql").string();
}

CliStore::CliStore(const GlobalOptions& global) {
    const std::string path = global.storePath.value_or(defaultPath());
    if (!global.storePath) {
        DataFolder::ensureExists(DataFolder::defaultPath());
    }
    const bool isNew = !std::filesystem::exists(path);
    auto opened = SQLiteStore::open(path, ApplicationModel::shared());
    if (auto* error = std::get_if<ValidationError>(&opened)) {
        throw CliError::failed(describe(*error));
    }
    auto store = std::move(std::get<std::unique_ptr<SQLiteStore>>(opened));
    m_context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    if (std::optional<ValidationError> error = store->load(*m_context)) {
        throw CliError::failed(describe(*error));
    }
    m_context->setPersistentStore(std::move(store));
    m_root = &AccountsRoot::setup(*m_context);
    installScheduledHooks();
    Global::sharedInstanceInContext(*m_context);
    CurrencyUpdater updater(*m_context, CurrenciesFile::defaultPath());
    if (auto result = updater.updateCurrencies(); result.saveError) {
        throw CliError::failed(describe(*result.saveError));
    }
    if (isNew) {
        if (auto result = updater.setHomeCurrencyBasedOnUserLocale(); result.saveError) {
            throw CliError::failed(describe(*result.saveError));
        }
        if (std::optional<ValidationError> error = DefaultCategories::insertInto(*m_context)) {
            throw CliError::failed(describe(*error));
        }
    }
}

void CliStore::save() {
    if (std::optional<ValidationError> error = m_context->save()) {
        throw CliError::failed(describe(*error));
    }
}
