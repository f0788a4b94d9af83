// Opening a store of model version 0 with the current model, which migrates it in place:
// read with the old model, map, write beside it, reopen and check, rename. Stores of 20 000
// and 200 000 rows (half transactions, half their splits) in two accounts.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "ledger/migration/LedgerModel0.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"

namespace {

namespace fs = std::filesystem;

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path f =
            fs::temp_directory_path() / ("pennora-migration-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

class OldStoreBuilder final {
public:
    OldStoreBuilder() : m_context(LedgerModel0::model()) {
        m_context.undoManager().disableUndoRegistration();
    }

    void build(int rows) {
        ManagedObject& root = make(LedgerModel0::node());
        set(root, "identifier", std::string("accounts"));
        ManagedObject* accounts[2] = {&account("Wallet", true, root, 0),
                                      &account("Checking", false, root, 1)};
        ManagedObject& group = make(LedgerModel0::categoryGroup());
        set(group, "name", std::string("Food"));
        ManagedObject& category = make(LedgerModel0::category());
        set(category, "name", std::string("Groceries"));
        link(category, "group", group);
        for (int i = 0; i < rows / 2; ++i) {
            ManagedObject& t = make(LedgerModel0::transaction());
            set(t, "date", Date::dateWithYear_PN(2006, 1, 1).advanceDays_PN(i % 7300));
            set(t, "title", std::string("Payee ") + std::to_string(i % 500));
            set(t, "amount", Decimal(-(i % 10000)) / Decimal(100));
            set(t, "sortID", std::int64_t{i});
            link(t, "account", *accounts[i % 2]);
            ManagedObject& s = make(LedgerModel0::split());
            set(s, "amount", Decimal(-(i % 10000)) / Decimal(100));
            link(s, "transaction", t);
            link(s, "category", category);
        }
        make(LedgerModel0::global());
    }

    void save(const fs::path& path) {
        m_context.setPersistentStore(std::get<std::unique_ptr<SQLiteStore>>(
            SQLiteStore::open(path.string(), LedgerModel0::model())));
        if (m_context.save()) {
            std::abort();
        }
    }

private:
    ManagedObject& make(const EntityDescription& entity) { return m_context.insertObject(entity); }
    void set(ManagedObject& object, const char* name, AttributeValue value) {
        m_context.setAttributeValue(object, *object.entity().attributeNamed(name), value);
    }
    void link(ManagedObject& object, const char* name, ManagedObject& target) {
        m_context.setToOne(object, *object.entity().relationshipNamed(name), &target);
    }
    ManagedObject& account(const char* name, bool isCash, ManagedObject& parent, int position) {
        ManagedObject& a = make(LedgerModel0::account());
        set(a, "name", std::string(name));
        set(a, "isCash", isCash);
        link(a, "parent", parent);
        ManagedObject& index = make(LedgerModel0::accountIndex());
        set(index, "position", std::int64_t{position});
        link(index, "account", a);
        return a;
    }

    ObjectContext m_context;
};

const fs::path& oldStore(int rows) {
    static std::map<int, fs::path> stores;
    auto it = stores.find(rows);
    if (it == stores.end()) {
        fs::path path = benchFolder() / ("old-" + std::to_string(rows) + ".pennorasql");
        OldStoreBuilder builder;
        builder.build(rows);
        builder.save(path);
        it = stores.emplace(rows, path).first;
    }
    return it->second;
}

void BM_OpenMigratesOldStore(benchmark::State& state) {
    const fs::path& original = oldStore(static_cast<int>(state.range(0)));
    const fs::path work = benchFolder() / "work.pennorasql";
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(original, work, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        auto opened = SQLiteStore::open(work.string(), ApplicationModel::shared());
        if (!std::holds_alternative<std::unique_ptr<SQLiteStore>>(opened)) {
            state.SkipWithError("migration failed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(work));
}
BENCHMARK(BM_OpenMigratesOldStore)
    ->Arg(20'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
