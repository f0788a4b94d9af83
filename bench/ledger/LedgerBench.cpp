#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/TransactionEditorModel.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"

// Balances, running balances and category sums on a store of 200 000 transactions over ten
// years, in 10 accounts and 40 categories (a tenth uncategorized), and on one register that
// holds all 200 000.
namespace {

constexpr int kTransactions = 200'000;
const Date kFirst = Date::dateWithYear_PN(2016, 1, 1);

struct GeneratedStore {
    std::unique_ptr<ObjectContext> context =
        std::make_unique<ObjectContext>(ApplicationModel::shared());
    std::vector<Account*> accounts;
    std::vector<Category*> categories;
};

// accounts == 1: one register of every transaction.
GeneratedStore& generated(int accountCount) {
    static std::unique_ptr<GeneratedStore> stores[2];
    std::unique_ptr<GeneratedStore>& slot = stores[accountCount == 1 ? 0 : 1];
    if (slot) {
        return *slot;
    }
    slot = std::make_unique<GeneratedStore>();
    GeneratedStore& g = *slot;
    ObjectContext& ctx = *g.context;
    ctx.undoManager().disableUndoRegistration();
    for (int i = 0; i < accountCount; ++i) {
        g.accounts.push_back(ctx.insert<Account>());
    }
    for (int i = 0; i < 40; ++i) {
        g.categories.push_back(ctx.insert<Category>());
        g.categories.back()->setName("C" + std::to_string(i));
    }
    std::mt19937 random(11);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int i = 0; i < kTransactions; ++i) {
        Category* category =
            below(10) == 0 ? nullptr : g.categories[static_cast<std::size_t>(below(40))];
        g.accounts[static_cast<std::size_t>(below(accountCount))]->createTransactionWithDate(
            kFirst.daysLater_PN(below(3650)), std::string("Payee"),
            Decimal(below(200'000) - 150'000) / Decimal(100), category, std::nullopt, std::nullopt);
    }
    return g;
}

void runningBalancesOfRegister(const Account& account, benchmark::State& state) {
    const std::vector<Transaction*> rows = account.orderedTransactions();
    Decimal last;
    for (const Transaction* row : rows) {
        last = row->runningBalance();
    }
    benchmark::DoNotOptimize(last);
    state.counters["rows"] = static_cast<double>(rows.size());
}

// Every row's running balance of the 200 000-row register, the index already built.
void BM_RegisterRunningBalances(benchmark::State& state) {
    GeneratedStore& g = generated(1);
    for (auto _ : state) {
        runningBalancesOfRegister(*g.accounts.front(), state);
    }
}
BENCHMARK(BM_RegisterRunningBalances)->Unit(benchmark::kMillisecond);

// The same after an edit of one amount, so the index is rebuilt first.
void BM_RegisterRunningBalancesAfterEdit(benchmark::State& state) {
    GeneratedStore& g = generated(1);
    Transaction* edited = g.accounts.front()->orderedTransactions()[100];
    int cents = 0;
    for (auto _ : state) {
        edited->setAmount(Decimal(++cents) / Decimal(100));
        runningBalancesOfRegister(*g.accounts.front(), state);
    }
}
BENCHMARK(BM_RegisterRunningBalancesAfterEdit)->Unit(benchmark::kMillisecond);

void BM_BalanceOfEveryAccount(benchmark::State& state) {
    GeneratedStore& g = generated(10);
    for (auto _ : state) {
        Decimal total;
        for (const Account* account : g.accounts) {
            total += account->balance();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_BalanceOfEveryAccount)->Unit(benchmark::kMicrosecond);

void BM_BalanceOnDate(benchmark::State& state) {
    GeneratedStore& g = generated(10);
    int day = 0;
    for (auto _ : state) {
        day = (day + 37) % 3650;
        benchmark::DoNotOptimize(g.accounts[3]->balanceOnDate(kFirst.daysLater_PN(day)));
    }
}
BENCHMARK(BM_BalanceOnDate)->Unit(benchmark::kMicrosecond);

// One category over one month, as budgets and the breakdown ask.
void BM_CategoryAmountOverOneMonth(benchmark::State& state) {
    GeneratedStore& g = generated(10);
    int month = 0;
    for (auto _ : state) {
        month = (month + 7) % 119;
        const Date start = kFirst.advanceMonths_PN(month);
        benchmark::DoNotOptimize(g.categories[static_cast<std::size_t>(month % 40)]->amountFromDate(
            start, start.advanceMonths_PN(1).daysAgo_PN(1)));
    }
}
BENCHMARK(BM_CategoryAmountOverOneMonth)->Unit(benchmark::kMicrosecond);

// An edit of one split amount, then the month sum of its category: a rebuild of that category.
void BM_CategoryAmountAfterEdit(benchmark::State& state) {
    GeneratedStore& g = generated(10);
    Category* category = g.categories[5];
    Transaction* edited = (*category->splits().begin())->transaction();
    int cents = 0;
    for (auto _ : state) {
        edited->setAmount(Decimal(++cents) / Decimal(100));
        benchmark::DoNotOptimize(
            category->amountFromDate(kFirst.advanceMonths_PN(30), kFirst.advanceMonths_PN(31)));
    }
}
BENCHMARK(BM_CategoryAmountAfterEdit)->Unit(benchmark::kMicrosecond);

// The transaction editor's core at one opening and closing: fill it from a transaction, split
// it over two categories, write it back and fix the splits, as the register does.
void BM_EditorOpenSplitAndWriteBack(benchmark::State& state) {
    GeneratedStore& g = generated(10);
    TransactionEditorModel model;
    Transaction* edited = g.accounts[3]->orderedTransactions()[100];
    int round = 0;
    for (auto _ : state) {
        ++round;
        model.setup(*edited, false, true);
        if (model.isShowingSplits()) {
            model.removeSplitRow(1);
        } else {
            model.split();
            model.rowAmountChanged(0, Decimal(-round % 500) / Decimal(100));
            model.rowCategoryChanged(1, g.categories[static_cast<std::size_t>(round % 40)]);
        }
        model.writeFieldsToTransaction();
        edited->fixSplitsIfNecessary();
        model.clear();
    }
}
BENCHMARK(BM_EditorOpenSplitAndWriteBack)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
