#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>
#include <variant>

#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"

// The store file at `path` opened and every row loaded into a context of the program's
// model, as the benchmarks measure it: no session, no start sequence. A file that does not
// open or load ends the benchmark.
inline std::unique_ptr<ObjectContext> loadedStore(const std::filesystem::path& path) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    auto opened = SQLiteStore::open(path.string(), ApplicationModel::shared());
    auto* store = std::get_if<std::unique_ptr<SQLiteStore>>(&opened);
    if (store == nullptr || (*store)->load(*context)) {
        std::abort();
    }
    context->setPersistentStore(std::move(*store));
    return context;
}
