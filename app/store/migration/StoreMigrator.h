#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class EntityModel;
class PersistentStore;

// Migrates a store file written with an older model version in place, safely: reads it whole
// with its own model, runs the registered mapping models one step after another, writes the
// result to a new file beside it ("<path>.migrating"), reopens and checks that file, and only
// then renames it over the original. Until that rename the original is not written to; on any
// failure the new file is removed and the original stays as it was.
class StoreMigrator final {
public:
    // How to reach one kind of store file.
    struct Format {
        // A store over `path` read with `model` (created empty when no file is there), or
        // why it cannot be opened.
        std::function<std::variant<std::unique_ptr<PersistentStore>, std::string>(
            const std::string& path, const EntityModel& model)>
            open;
        // Further checks of a freshly written and reloaded store (e.g. the file's integrity);
        // nothing when it is sound. May be empty.
        std::function<std::optional<std::string>(PersistentStore& store)> verify;
        // Files the store keeps beside its own ("-wal"), removed with a failed new file.
        std::vector<std::string> sideFileSuffixes;
    };

    // True when the registry knows a way from `fileVersion` to `model`.
    static bool canMigrate(int fileVersion, const EntityModel& model);

    // Returns nothing when the file at `path` now holds the store in `model`'s version;
    // otherwise why the migration failed, with the file untouched.
    [[nodiscard]] static std::optional<std::string> migrateFile(const std::string& path,
                                                                int fileVersion,
                                                                const EntityModel& model,
                                                                const Format& format);
};
