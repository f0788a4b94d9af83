// Opening, one-change saves and bulk saves of SQLite stores with up to 200 000 rows (half
// transactions, half their splits).
#include <benchmark/benchmark.h>

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

namespace {

namespace fs = std::filesystem;

fs::path benchFolder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("pennora-store-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

std::unique_ptr<ObjectContext> openContext(const fs::path& path) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    auto store = std::move(
        std::get<std::unique_ptr<SQLiteStore>>(SQLiteStore::open(path, ApplicationModel::shared())));
    if (store->load(*context)) {
        std::abort();
    }
    context->setPersistentStore(std::move(store));
    return context;
}

void addTransactions(ObjectContext& ctx, Account* account, int count) {
    for (int i = 0; i < count; ++i) {
        account->createTransactionWithDate(Date::dateWithYear_PN(2006, 1, 1).advanceDays_PN(i % 7300),
                                           std::string("Payee ") + std::to_string(i % 500),
                                           Decimal(-(i % 10000)) / Decimal(100),
                                           nullptr, std::nullopt, std::nullopt);
    }
}

// A store file of `rows` rows, made once per size.
fs::path storeWithRows(int rows) {
    static std::map<int, fs::path> made;
    if (auto it = made.find(rows); it != made.end()) {
        return it->second;
    }
    const fs::path path = benchFolder() / ("store-" + std::to_string(rows) + ".pennorasql");
    auto ctx = openContext(path);
    Node* root = ctx->insert<Node>();
    Account* account = ctx->insert<Account>();
    account->moveTo(root, 0);
    addTransactions(*ctx, account, rows / 2);
    if (ctx->save()) {
        std::abort();
    }
    made[rows] = path;
    return path;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void BM_OpenStore(benchmark::State& state) {
    const fs::path path = storeWithRows(static_cast<int>(state.range(0)));
    long perObjectBytes = -1;
    for (auto _ : state) {
        const long before = residentKilobytes();
        auto ctx = openContext(path);
        // Only the first opening grows the heap; later ones reuse what it freed.
        if (perObjectBytes < 0) {
            perObjectBytes = (residentKilobytes() - before) * 1024 / state.range(0);
        }
        benchmark::DoNotOptimize(ctx.get());
    }
    state.counters["rss_bytes_per_object"] = static_cast<double>(perObjectBytes);
}
BENCHMARK(BM_OpenStore)->Arg(10'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveOneChange(benchmark::State& state) {
    auto ctx = openContext(storeWithRows(static_cast<int>(state.range(0))));
    Transaction* transaction = Transaction::findFirstByPredicate(
        [](const Transaction&) { return true; }, *ctx);
    int n = 0;
    for (auto _ : state) {
        transaction->setTitle(std::string("Edited ") + std::to_string(++n));
        if (ctx->save()) {
            state.SkipWithError("save failed");
        }
    }
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
        addTransactions(*ctx, account, static_cast<int>(state.range(0)) / 2);
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

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
