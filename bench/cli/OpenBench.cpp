// Opening the command-line benchmark's household store (HistoryGenerator) in process: the
// time to load it into a fresh context, how many allocations that takes (a counting
// operator new), and the time to destroy the context again (what the desktop pays when it
// opens another store).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <new>

#include "../store/LoadedStore.h"
#include "HistoryGenerator.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "cli/CliStore.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"

namespace {

std::size_t g_allocations = 0;
std::size_t g_allocatedBytes = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    g_allocatedBytes += size;
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

// GCC takes the free() below for one of memory from the standard operator new, which this
// file replaces with malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

namespace fs = std::filesystem;

// The store of `transactions` transactions, made once per size in a temporary folder.
fs::path householdStore(std::size_t transactions) {
    static std::map<std::size_t, fs::path> made;
    if (auto it = made.find(transactions); it != made.end()) {
        return it->second;
    }
    const fs::path folder =
        fs::temp_directory_path() / ("pennora-open-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path path = folder / ("Household-" + std::to_string(transactions) + ".pennorasql");
    const Date lastDay = Date::dateWithYear_PN(2026, 3, 15);
    Clock::setFixedToday(lastDay);
    UserLocale::set("en_US");
    {
        GlobalOptions options;
        options.storePath = path.string();
        CliStore store(options);
        store.context().undoManager().disableUndoRegistration();
        HistoryGenerator(store.context(), store.accountsRoot(), lastDay).generate(transactions);
        store.save();
    }
    made[transactions] = path;
    return path;
}

double peakResidentMB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_OpenHouseholdStore(benchmark::State& state) {
    const fs::path path = householdStore(static_cast<std::size_t>(state.range(0)));
    std::size_t allocations = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::size_t allocationsBefore = g_allocations;
        const std::size_t bytesBefore = g_allocatedBytes;
        std::unique_ptr<ObjectContext> context = loadedStore(path);
        allocations = g_allocations - allocationsBefore;
        bytes = g_allocatedBytes - bytesBefore;
        state.PauseTiming();
        context.reset();
        state.ResumeTiming();
    }
    const auto objects = static_cast<double>(2 * state.range(0));  // a split per transaction
    state.counters["allocations"] = static_cast<double>(allocations);
    state.counters["allocations_per_object"] = static_cast<double>(allocations) / objects;
    state.counters["allocated_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_rss_MB"] = peakResidentMB();
}
BENCHMARK(BM_OpenHouseholdStore)
    ->Arg(20'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Destroying a loaded context, as the desktop does when it opens another store.
void BM_CloseHouseholdStore(benchmark::State& state) {
    const fs::path path = householdStore(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<ObjectContext> context = loadedStore(path);
        state.ResumeTiming();
        context.reset();
    }
}
BENCHMARK(BM_CloseHouseholdStore)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
