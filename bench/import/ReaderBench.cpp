// Reading generated 50 000-transaction statements. Besides the time, each benchmark reports
// the peak of memory allocated during one read as a multiple of the file size.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "StatementGenerator.h"
#include "import/OFXReader.h"
#include "import/QIFReader.h"

namespace {

std::size_t g_current = 0;
std::size_t g_peak = 0;

}  // namespace

// The counting allocator pairs malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    g_current += malloc_usable_size(p);
    g_peak = std::max(g_peak, g_current);
    return p;
}

void operator delete(void* p) noexcept {
    if (p != nullptr) {
        g_current -= malloc_usable_size(p);
        std::free(p);
    }
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

constexpr int kTransactions = 50'000;

template <typename Read>
void runRead(benchmark::State& state, const std::string& text, Read read) {
    double peakRatio = 0;
    for (auto _ : state) {
        std::size_t baseline = g_current;
        g_peak = g_current;
        auto document = read(text);
        benchmark::DoNotOptimize(document);
        peakRatio = static_cast<double>(g_peak - baseline) / static_cast<double>(text.size());
    }
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["peak_memory_per_file_byte"] = peakRatio;
}

void BM_ReadOFXStatementSGML(benchmark::State& state) {
    static const std::string text = StatementGenerator::ofxSGML(kTransactions);
    runRead(state, text, [](const std::string& t) { return OFXReader::readTransactions(t); });
}
BENCHMARK(BM_ReadOFXStatementSGML)->Unit(benchmark::kMillisecond);

void BM_ReadOFXStatementXML(benchmark::State& state) {
    static const std::string text = StatementGenerator::ofxXML(kTransactions);
    runRead(state, text, [](const std::string& t) { return OFXReader::readTransactions(t); });
}
BENCHMARK(BM_ReadOFXStatementXML)->Unit(benchmark::kMillisecond);

void BM_ReadQIFStatement(benchmark::State& state) {
    static const std::string text = StatementGenerator::qif(kTransactions);
    runRead(state, text, [](const std::string& t) { return QIFReader::parseForTransactions(t); });
}
BENCHMARK(BM_ReadQIFStatement)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
