#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../../tests/budgets/BudgetTestStore.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"
#include "reports/AccountReports.h"
#include "reports/TransactionReports.h"
#include "reports/TrendFigures.h"

// The report and budget figures on a store of 10 years of transactions over 40 categories in
// 4 accounts (one foreign), a fifth of them split in two, a tenth uncategorized.
namespace {

using S = ReportTestStore;

const Date kToday = S::day(2026, 3, 15);

struct GeneratedStore {
    std::unique_ptr<BudgetTestStore> store = std::make_unique<BudgetTestStore>();
    std::vector<Category*> categories;
    Budget* budget = nullptr;
};

GeneratedStore& generated(std::size_t transactions) {
    static std::map<std::size_t, GeneratedStore> stores;
    auto found = stores.find(transactions);
    if (found != stores.end()) {
        return found->second;
    }
    Clock::setFixedToday(kToday);
    GeneratedStore& g = stores[transactions];
    BudgetTestStore& store = *g.store;
    store.context().undoManager().disableUndoRegistration();
    std::vector<Account*> accounts{store.account("A"), store.account("B"), store.account("C"),
                                   store.account("F", store.currency("EUR", "0.9"))};
    std::vector<CategoryGroup*> groups;
    for (int i = 0; i < 8; ++i) {
        groups.push_back(store.group("G" + std::to_string(i)));
    }
    for (int i = 0; i < 40; ++i) {
        g.categories.push_back(
            store.category("C" + std::to_string(i), i % 2 == 0 ? groups[i % 8] : nullptr));
    }
    std::mt19937 random(7);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const Date first = kToday.daysAgo_PN(3650);
    for (std::size_t i = 0; i < transactions; ++i) {
        const Date date = first.daysLater_PN(below(3651));
        Account* account = accounts[static_cast<std::size_t>(below(4))];
        auto category = [&]() -> Category* {
            return below(10) == 0 ? nullptr : g.categories[static_cast<std::size_t>(below(40))];
        };
        const std::string a = std::to_string(below(20000) - 15000) + ".37";
        const std::string b = std::to_string(below(5000) - 4000) + ".11";
        if (below(5) == 0) {
            store.addSplits(account, date, {{a.c_str(), category()}, {b.c_str(), category()}});
        } else {
            store.add(account, date, a.c_str(), category());
        }
    }
    g.budget = store.budget(S::day(2025, 4, 1), 12);
    g.budget->estimate();
    return g;
}

void BM_YearBreakdown(benchmark::State& state) {
    GeneratedStore& g = generated(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto sides = AccountReports::breakdownFromDate(S::day(2025, 1, 1), S::day(2025, 12, 31),
                                                       nullptr, g.store->context());
        benchmark::DoNotOptimize(sides);
    }
}

void BM_TrendSeries(benchmark::State& state) {
    GeneratedStore& g = generated(static_cast<std::size_t>(state.range(0)));
    const auto kind = static_cast<TrendSeries::Kind>(state.range(1));
    const DateRange range = TransactionReports::reportDateRange(g.store->context());
    const Category* category = kind == TrendSeries::Kind::Category ? g.categories[3] : nullptr;
    for (auto _ : state) {
        auto series = TrendFigures::series(kind, category, range, g.store->context());
        benchmark::DoNotOptimize(series);
    }
}

void BM_TrackTwelveMonthBudget(benchmark::State& state) {
    GeneratedStore& g = generated(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto expense = g.budget->trackExpense();
        auto income = g.budget->trackIncome();
        benchmark::DoNotOptimize(expense);
        benchmark::DoNotOptimize(income);
    }
}

}  // namespace

BENCHMARK(BM_YearBreakdown)->Arg(10000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendSeries)
    ->ArgsProduct({{200000},
                   {static_cast<long>(TrendSeries::Kind::Balance),
                    static_cast<long>(TrendSeries::Kind::Income),
                    static_cast<long>(TrendSeries::Kind::Expense),
                    static_cast<long>(TrendSeries::Kind::Category)}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrackTwelveMonthBudget)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
