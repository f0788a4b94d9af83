#include <benchmark/benchmark.h>

#include <vector>

#include "base/Decimal.h"

// Reports sum the amounts of many splits: addition and comparison must stay cheap.
namespace {

std::vector<Decimal> amounts(std::size_t n) {
    std::vector<Decimal> values;
    values.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        values.push_back(Decimal(static_cast<std::int64_t>(i * 7919 % 100000) - 50000) /
                         Decimal(100));
    }
    return values;
}

void BM_DecimalAdd(benchmark::State& state) {
    std::vector<Decimal> values = amounts(1024);
    for (auto _ : state) {
        Decimal sum;
        for (const Decimal& v : values) {
            sum += v;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_DecimalAdd);

void BM_DecimalCompare(benchmark::State& state) {
    std::vector<Decimal> values = amounts(1024);
    for (auto _ : state) {
        int less = 0;
        for (std::size_t i = 1; i < values.size(); ++i) {
            less += values[i - 1] < values[i];
        }
        benchmark::DoNotOptimize(less);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size() - 1));
}
BENCHMARK(BM_DecimalCompare);

void BM_DecimalRound2(benchmark::State& state) {
    std::vector<Decimal> values = amounts(1024);
    Decimal rate = Decimal::fromString("1.2345678901");
    for (auto _ : state) {
        for (const Decimal& v : values) {
            benchmark::DoNotOptimize((v * rate).rounded(2));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_DecimalRound2);

void BM_DecimalHash(benchmark::State& state) {
    std::vector<Decimal> values = amounts(1024);
    for (auto _ : state) {
        std::size_t h = 0;
        for (const Decimal& v : values) {
            h ^= v.hash();
        }
        benchmark::DoNotOptimize(h);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_DecimalHash);

}  // namespace

BENCHMARK_MAIN();
