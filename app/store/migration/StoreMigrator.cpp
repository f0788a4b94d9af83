#include "store/migration/StoreMigrator.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "base/Log.h"
#include "store/EntityModel.h"
#include "store/ObjectContext.h"
#include "store/PersistentStore.h"
#include "store/StoreRows.h"
#include "store/migration/MappingModel.h"
#include "store/migration/MigrationManager.h"
#include "store/migration/MigrationRegistry.h"

namespace {

using Outcome = std::optional<std::string>;

void removeWithSideFiles(const std::string& path, const StoreMigrator::Format& format) {
    ::unlink(path.c_str());
    for (const std::string& suffix : format.sideFileSuffixes) {
        ::unlink((path + suffix).c_str());
    }
}

// Opens `path` with `model` and loads it into `context`.
Outcome loadInto(const std::string& path, ObjectContext& context,
                 const StoreMigrator::Format& format,
                 std::unique_ptr<PersistentStore>* keep = nullptr) {
    auto opened = format.open(path, context.model());
    if (std::holds_alternative<std::string>(opened)) {
        return std::get<std::string>(opened);
    }
    std::unique_ptr<PersistentStore> store = std::get<0>(std::move(opened));
    if (std::optional<ValidationError> error = store->load(context)) {
        return error->localizedDescription;
    }
    if (keep) {
        *keep = std::move(store);
    }
    return std::nullopt;
}

Outcome writeNewStore(const std::string& path, const ObjectContext& migrated,
                      const StoreMigrator::Format& format) {
    auto opened = format.open(path, migrated.model());
    if (std::holds_alternative<std::string>(opened)) {
        return std::get<std::string>(opened);
    }
    std::unique_ptr<PersistentStore> store = std::get<0>(std::move(opened));
    if (std::optional<ValidationError> error = store->save(wholeGraphAsInsertions(migrated))) {
        return error->localizedDescription;
    }
    return std::nullopt;
}

// Reopens the new file and compares what it holds with what was written.
Outcome verifyNewStore(const std::string& path, const ObjectContext& migrated,
                       const StoreMigrator::Format& format) {
    ObjectContext reread(migrated.model());
    std::unique_ptr<PersistentStore> store;
    if (Outcome error = loadInto(path, reread, format, &store)) {
        return "the migrated store cannot be read back: " + *error;
    }
    for (const EntityDescription* root : migrated.model().rootEntities()) {
        if (reread.countObjects(*root) != migrated.countObjects(*root)) {
            return "the migrated store lost objects of " + root->name();
        }
    }
    if (format.verify) {
        if (Outcome error = format.verify(*store)) {
            return "the migrated store is damaged: " + *error;
        }
    }
    return std::nullopt;
}

Outcome replace(const std::string& original, const std::string& migrated,
                const StoreMigrator::Format& format) {
    // Side files of the original belong to its old content.
    for (const std::string& suffix : format.sideFileSuffixes) {
        ::unlink((original + suffix).c_str());
    }
    if (::rename(migrated.c_str(), original.c_str()) != 0) {
        return std::string("the migrated store could not replace the original");
    }
    const std::string::size_type slash = original.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : original.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return std::nullopt;
}

Outcome runSteps(const std::vector<const MappingModel*>& path,
                 std::unique_ptr<ObjectContext>& graph) {
    for (const MappingModel* step : path) {
        auto next =
            std::make_unique<ObjectContext>(MigrationRegistry::shared().destinationModelOf(*step));
        MigrationManager manager(*step, *graph, *next);
        if (Outcome error = manager.migrate()) {
            return error;
        }
        graph = std::move(next);
    }
    return std::nullopt;
}

}  // namespace

bool StoreMigrator::canMigrate(int fileVersion, const EntityModel& model) {
    return !MigrationRegistry::shared().pathFrom(fileVersion, model).empty();
}

std::optional<std::string> StoreMigrator::migrateFile(const std::string& path, int fileVersion,
                                                      const EntityModel& model,
                                                      const Format& format) {
    const std::vector<const MappingModel*> steps =
        MigrationRegistry::shared().pathFrom(fileVersion, model);
    if (steps.empty()) {
        return "no migration leads from data model version " + std::to_string(fileVersion) +
               " to version " + std::to_string(model.version());
    }
    auto graph = std::make_unique<ObjectContext>(steps.front()->sourceModel());
    if (Outcome error = loadInto(path, *graph, format)) {
        return error;
    }
    if (Outcome error = runSteps(steps, graph)) {
        return error;
    }
    const std::string building = path + ".migrating";
    removeWithSideFiles(building, format);
    Outcome error = writeNewStore(building, *graph, format);
    if (!error) {
        error = verifyNewStore(building, *graph, format);
    }
    if (!error) {
        error = replace(path, building, format);
    }
    if (error) {
        removeWithSideFiles(building, format);
        return error;
    }
    logLine("Migrated store " + path + " from data model version " + std::to_string(fileVersion) +
            " to version " + std::to_string(model.version()));
    return std::nullopt;
}
