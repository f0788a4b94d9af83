// Formatting amounts (every register row and sidebar figure), and the currency work done at
// start and on a change of home currency, with the shipped currencies file.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/Log.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

void BM_CreateFormatter(benchmark::State& state) {
    UserLocale::set("en_US");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CurrencyFormatter::formatterForCurrency("EUR"));
    }
}
BENCHMARK(BM_CreateFormatter);

void BM_FormatAmount(benchmark::State& state) {
    UserLocale::set("de_DE");
    CurrencyFormatter formatter = CurrencyFormatter::formatterForCurrency("EUR");
    const Decimal amount = Decimal::fromString("-1234567.89");
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.stringFromDecimal(amount));
    }
}
BENCHMARK(BM_FormatAmount);

// A store with every shipped currency and `accounts` accounts, a third of them foreign.
std::unique_ptr<ObjectContext> storeWithAccounts(int accounts) {
    auto ctx = std::make_unique<ObjectContext>(ApplicationModel::shared());
    ctx->undoManager().disableUndoRegistration();
    ctx->setPersistentStore(std::make_unique<InMemoryStore>());
    Node* root = ctx->insert<Node>();
    root->setIdentifier("accounts");
    (void)CurrencyUpdater(*ctx, CurrenciesFile::defaultPath()).updateCurrencies();
    std::vector<Currency*> currencies = Currency::allInContext(*ctx);
    for (int i = 0; i < accounts; ++i) {
        Account* account = ctx->insert<Account>();
        account->setName("Account " + std::to_string(i));
        account->moveTo(root, i);
        account->setCurrency(i % 3 == 0 ? currencies[i % currencies.size()] : nullptr);
    }
    (void)ctx->save();
    return ctx;
}

void BM_UpdateCurrenciesUnchanged(benchmark::State& state) {
    setLogSink([](std::string_view) {});
    auto ctx = storeWithAccounts(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            CurrencyUpdater(*ctx, CurrenciesFile::defaultPath()).updateCurrencies());
    }
    setLogSink(nullptr);
}
BENCHMARK(BM_UpdateCurrenciesUnchanged)->Unit(benchmark::kMillisecond);

void BM_SwitchHomeCurrency(benchmark::State& state) {
    setLogSink([](std::string_view) {});
    auto ctx = storeWithAccounts(static_cast<int>(state.range(0)));
    bool toEuro = true;
    for (auto _ : state) {
        const std::string code = toEuro ? "EUR" : "USD";
        Currency* next = Currency::findFirstByPredicate(
            [&](const Currency& c) { return c.code() == code; }, *ctx);
        Currency::setHomeCurrencyTo(next, *ctx, CurrenciesFile::defaultPath());
        benchmark::DoNotOptimize(ctx->save());
        toEuro = !toEuro;
    }
    setLogSink(nullptr);
}
BENCHMARK(BM_SwitchHomeCurrency)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
