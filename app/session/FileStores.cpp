#include "session/FileStores.h"

#include <variant>

#include "base/ResourcesFolder.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/LedgerStoreCheck.h"
#include "session/ApplicationModel.h"
#include "session/DataFolder.h"
#include "session/UnopenableStore.h"
#include "store/SQLiteStore.h"
#include "store/XMLStore.h"

namespace {

std::unique_ptr<PersistentStore> makeStore(StoreKind kind, const std::string& path,
                                           SQLiteStore::Access access) {
    const EntityModel& model = ApplicationModel::shared();
    if (kind == StoreKind::XML) {
        return std::make_unique<XMLStore>(path, model);
    }
    auto opened = SQLiteStore::open(path, model, access);
    if (auto* error = std::get_if<ValidationError>(&opened)) {
        return std::make_unique<UnopenableStore>(std::move(*error));
    }
    return std::move(std::get<std::unique_ptr<SQLiteStore>>(opened));
}

}  // namespace

std::unique_ptr<PersistentStore> FileStores::make(StoreKind kind, const std::string& path) {
    return makeStore(kind, path, SQLiteStore::Access::AsPermitted);
}

StoreSession::Options FileStores::readOnlyOptions(const std::string& path, bool checked) {
    StoreSession::Options options = sessionOptions();
    options.databasePath = path;
    options.readOnly = true;
    if (!checked) {
        options.findDamage = nullptr;
    }
    options.makeStore = [](StoreKind kind, const std::string& file) {
        return makeStore(kind, file, SQLiteStore::Access::ReadOnly);
    };
    return options;
}

std::string FileStores::sampleResourcePath() {
    return ResourcesFolder::path() + "/" + StoreSession::kSampleDatabaseName;
}

StoreSession::Options FileStores::sessionOptions() {
    StoreSession::Options options;
    options.dataFolder = DataFolder::defaultPath();
    options.sampleResource = sampleResourcePath();
    options.makeStore = &FileStores::make;
    options.keepSnapshots = true;
    options.findDamage = [](ObjectContext& context) {
        return LedgerStoreCheck::findDamage(context, CurrenciesFile::defaultPath());
    };
    return options;
}
