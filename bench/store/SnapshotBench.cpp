// The snapshot of a large store and the check on opening, against the open itself. Needs the
// store that `pennora-bench-data DIR 200000 10000` writes (DIR/Bench.pennorasql): give its
// path in PENNORA_BENCH_STORE, else the build folder's snapshot-bench-data is used.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "LoadedStore.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/LedgerStoreCheck.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "session/StoreSession.h"
#include "session/StoreSnapshots.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/StoreSnapshot.h"

namespace {

namespace fs = std::filesystem;

// A private copy of the benchmark store, made once.
const fs::path& workStore() {
    static const fs::path path = [] {
        const char* given = std::getenv("PENNORA_BENCH_STORE");
        const fs::path source = given ? fs::path(given) : fs::path(PENNORA_SNAPSHOT_BENCH_STORE);
        if (!fs::exists(source)) {
            std::fprintf(stderr, "No benchmark store at %s\n", source.c_str());
            std::exit(1);
        }
        const fs::path folder =
            fs::temp_directory_path() / ("pennora-snapshot-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        const fs::path copy = folder / "Bench.pennorasql";
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        return copy;
    }();
    return path;
}

// Opening as the program does before its checks: the file opened and every row loaded.
void BM_OpenLargeStore(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadedStore(workStore()));
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(workStore()));
}
BENCHMARK(BM_OpenLargeStore)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening as the program does: the session's open and the start sequence, without the
// snapshot on opening; with the check on opening (argument 1) or without it (0).
void BM_OpenAsTheProgramDoes(benchmark::State& state) {
    for (auto _ : state) {
        StoreSession::Options options = FileStores::sessionOptions();
        options.databasePath = workStore().string();
        options.snapshotOnOpen = false;
        if (state.range(0) == 0) {
            options.findDamage = nullptr;  // also turns SQLite's quick check off
        }
        StoreSession session(ApplicationModel::shared(), options);
        (void)StartSequence(session).run();
        if (session.openError()) {
            state.SkipWithError(session.openError()->localizedDescription.c_str());
        }
    }
}
BENCHMARK(BM_OpenAsTheProgramDoes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// What opening adds when run one after the other: SQLite's quick check and the ledger's
// invariants. (Opening runs the quick check beside the loading.)
void BM_CheckOnOpen(benchmark::State& state) {
    auto context = loadedStore(workStore());
    const std::string currencies = CurrenciesFile::defaultPath();
    for (auto _ : state) {
        if (StoreSnapshot::quickCheck(workStore().string()) ||
            LedgerStoreCheck::findDamage(*context, currencies)) {
            state.SkipWithError("the benchmark store fails the check");
        }
    }
}
BENCHMARK(BM_CheckOnOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LedgerCheckOnly(benchmark::State& state) {
    auto context = loadedStore(workStore());
    const std::string currencies = CurrenciesFile::defaultPath();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LedgerStoreCheck::findDamage(*context, currencies));
    }
}
BENCHMARK(BM_LedgerCheckOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CheckOnOpenQuickCheckOnly(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(StoreSnapshot::quickCheck(workStore().string()));
    }
}
BENCHMARK(BM_CheckOnOpenQuickCheckOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// A whole snapshot: the online copy, its SHA-256, the figures of the manifest, the thinning.
void BM_SnapshotLargeStore(benchmark::State& state) {
    auto context = loadedStore(workStore());
    const StoreSnapshots snapshots(workStore().string());
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(snapshots.folder());
        state.ResumeTiming();
        auto copied = snapshots.copyStore(SnapshotReason::Manual);
        auto* pending = std::get_if<StoreSnapshots::Pending>(&copied);
        if (pending == nullptr) {
            state.SkipWithError("no copy was made");
            break;
        }
        benchmark::DoNotOptimize(snapshots.keep(std::move(*pending), *context));
    }
    fs::remove_all(snapshots.folder());
}
BENCHMARK(BM_SnapshotLargeStore)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
