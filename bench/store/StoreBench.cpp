// Opening, one-change saves and bulk saves of SQLite stores with up to 200 000 rows (half
// transactions, half their splits), and the same for the XML store the sample lives in.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "ledger/Account.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/XMLStore.h"

namespace {

namespace fs = std::filesystem;

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path f =
            fs::temp_directory_path() / ("pennora-store-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

std::unique_ptr<ObjectContext> openContext(const fs::path& path) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    auto store = std::move(std::get<std::unique_ptr<SQLiteStore>>(
        SQLiteStore::open(path, ApplicationModel::shared())));
    if (store->load(*context)) {
        std::abort();
    }
    context->setPersistentStore(std::move(store));
    return context;
}

std::unique_ptr<ObjectContext> openXMLContext(const fs::path& path) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    auto store = std::make_unique<XMLStore>(path.string(), ApplicationModel::shared());
    if (store->load(*context)) {
        std::abort();
    }
    context->setPersistentStore(std::move(store));
    return context;
}

void addTransactions(Account* account, int count) {
    for (int i = 0; i < count; ++i) {
        account->createTransactionWithDate(
            Date::dateWithYear_PN(2006, 1, 1).advanceDays_PN(i % 7300),
            std::string("Payee ") + std::to_string(i % 500), Decimal(-(i % 10000)) / Decimal(100),
            nullptr, std::nullopt, std::nullopt);
    }
}

using ContextOpener = std::unique_ptr<ObjectContext> (*)(const fs::path&);

// A store file of `rows` rows (under `extension`, opened by `open`), made once per size.
fs::path storeWithRows(int rows, const std::string& extension = ".pennorasql",
                       ContextOpener open = openContext) {
    static std::map<std::pair<int, std::string>, fs::path> made;
    if (auto it = made.find({rows, extension}); it != made.end()) {
        return it->second;
    }
    const fs::path path = benchFolder() / ("store-" + std::to_string(rows) + extension);
    auto ctx = open(path);
    Node* root = ctx->insert<Node>();
    Account* account = ctx->insert<Account>();
    account->moveTo(root, 0);
    addTransactions(account, rows / 2);
    if (ctx->save()) {
        std::abort();
    }
    made[{rows, extension}] = path;
    return path;
}

// Heap bytes in use. Unlike the resident size this does not depend on whether freed memory
// from building the store was handed back, so the difference around an opening is what the
// loaded graph (objects, indexes, the store's own rows) holds.
std::size_t heapBytesInUse() {
    return mallinfo2().uordblks;
}

long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

template <class OpenFunction>
void measureOpening(benchmark::State& state, OpenFunction open) {
    double perObjectBytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapBytesInUse();
        auto ctx = open();
        perObjectBytes =
            static_cast<double>(heapBytesInUse() - before) / static_cast<double>(state.range(0));
        benchmark::DoNotOptimize(ctx.get());
    }
    state.counters["heap_bytes_per_object"] = perObjectBytes;
    state.counters["peak_rss_MB"] = static_cast<double>(peakResidentKilobytes()) / 1024.0;
}

void BM_OpenStore(benchmark::State& state) {
    const fs::path path = storeWithRows(static_cast<int>(state.range(0)));
    measureOpening(state, [&] { return openContext(path); });
}
BENCHMARK(BM_OpenStore)->Arg(10'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Retitles one transaction and saves, once per iteration.
void measureOneChangeSaves(benchmark::State& state, ObjectContext& ctx) {
    Transaction* transaction =
        Transaction::findFirstByPredicate([](const Transaction&) { return true; }, ctx);
    int n = 0;
    for (auto _ : state) {
        transaction->setTitle(std::string("Edited ") + std::to_string(++n));
        if (ctx.save()) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_SaveOneChange(benchmark::State& state) {
    measureOneChangeSaves(state, *openContext(storeWithRows(static_cast<int>(state.range(0)))));
}
BENCHMARK(BM_SaveOneChange)->Arg(10'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

void BM_SaveBulkInsert(benchmark::State& state) {
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path path = benchFolder() / ("bulk-" + std::to_string(++round) + ".pennorasql");
        auto ctx = openContext(path);
        Node* root = ctx->insert<Node>();
        Account* account = ctx->insert<Account>();
        account->moveTo(root, 0);
        addTransactions(account, static_cast<int>(state.range(0)) / 2);
        state.ResumeTiming();
        if (ctx->save()) {
            state.SkipWithError("save failed");
        }
        state.PauseTiming();
        ctx.reset();
        fs::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveBulkInsert)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(2);

fs::path xmlStoreWithRows(int rows) {
    return storeWithRows(rows, ".xml", openXMLContext);
}

void BM_OpenXMLStore(benchmark::State& state) {
    const fs::path path = xmlStoreWithRows(static_cast<int>(state.range(0)));
    measureOpening(state, [&] { return openXMLContext(path); });
}
BENCHMARK(BM_OpenXMLStore)->Arg(10'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The XML store writes the whole document on every save.
void BM_SaveXMLOneChange(benchmark::State& state) {
    measureOneChangeSaves(state,
                          *openXMLContext(xmlStoreWithRows(static_cast<int>(state.range(0)))));
}
BENCHMARK(BM_SaveXMLOneChange)
    ->Arg(10'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
