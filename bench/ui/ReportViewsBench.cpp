#include <benchmark/benchmark.h>

#include <QComboBox>

#include "../../tests/ui/ReportStores.h"
#include "ViewBench.h"
#include "ledger/Category.h"
#include "ledger/Transaction.h"
#include "reports/TransactionReports.h"
#include "store/ObjectContext.h"
#include "ui/breakdown/BreakdownController.h"
#include "ui/breakdown/BreakdownView.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterTransactionList.h"
#include "ui/register/TransactionsTableController.h"
#include "ui/trends/TrendsController.h"
#include "ui/trends/TrendsMenuModel.h"

// The trends and breakdown views on the 200 000-transaction store of pennora-bench-data
// (bench/ui/make-report-bench-store.sh), offscreen: each case computes a view from the store
// and paints it, as showing it on screen does. The drill-down lists the transactions in the
// register, as in the program (without its editor).
namespace {

void BM_TrendsSeries(benchmark::State& state) {
    ObjectContext* context = ViewBench::contextOrSkip(state);
    if (context == nullptr) {
        return;
    }
    TrendsController trends(*context);
    trends.resize(900, 560);
    trends.show();
    trends.setup();
    int row = static_cast<int>(state.range(0));
    if (row < 0) {
        // A category with spending every month.
        row = trends.menuModel().rowForCategory(Category::findByName("Groceries", *context));
    }
    for (auto _ : state) {
        trends.popupButton().setCurrentIndex(row);
        trends.showSelectedChart();
        benchmark::DoNotOptimize(ViewBench::paint(trends));
    }
}
// 0 balance, 1 income, 2 expense, -1 a category.
BENCHMARK(BM_TrendsSeries)->Arg(0)->Arg(1)->Arg(2)->Arg(-1)->Apply(ViewBench::timeNineRuns);

// The report with the list it lists a figure's transactions in within the program.
struct Breakdown {
    ReportRegisterLists lists;
    std::unique_ptr<BreakdownController> controller;
    explicit Breakdown(ObjectContext& context)
        : lists(context),
          controller(std::make_unique<BreakdownController>(context, lists.factory())) {
        controller->resize(900, 560);
        controller->show();
        controller->setup();
    }
};

BreakdownPeriods::Period periodFor(int which, ObjectContext& context) {
    if (which == 0) {
        return BreakdownPeriods::yearPeriod(2025);
    }
    return {TransactionReports::reportDateRange(context), "Everything"};
}

void BM_BreakdownPeriod(benchmark::State& state) {
    ObjectContext* context = ViewBench::contextOrSkip(state);
    if (context == nullptr) {
        return;
    }
    Breakdown breakdown(*context);
    const BreakdownPeriods::Period period = periodFor(static_cast<int>(state.range(0)), *context);
    for (auto _ : state) {
        breakdown.controller->showPeriod(period);
        benchmark::DoNotOptimize(ViewBench::paint(*breakdown.controller));
    }
}
// 0 the year 2025, 1 the whole span of the data.
BENCHMARK(BM_BreakdownPeriod)->Arg(0)->Arg(1)->Apply(ViewBench::timeNineRuns);

// One drill-down step over a year: into the largest group, or from there into its largest
// category (the transactions behind the figure).
void BM_DrillDownStep(benchmark::State& state) {
    ObjectContext* context = ViewBench::contextOrSkip(state);
    if (context == nullptr) {
        return;
    }
    Breakdown breakdown(*context);
    BreakdownController& controller = *breakdown.controller;
    const bool toTransactions = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        controller.showPeriod(BreakdownPeriods::yearPeriod(2025));
        BreakdownKey group = *controller.breakdownView().rows().front().key;
        if (toTransactions) {
            controller.clickedKey(group);
        }
        const BreakdownKey key = *controller.breakdownView().rows().front().key;
        state.ResumeTiming();
        controller.clickedKey(key);
        benchmark::DoNotOptimize(ViewBench::paint(controller));
    }
    if (auto* list = dynamic_cast<RegisterTransactionList*>(controller.transactionList())) {
        state.counters["transactions"] = list->tableController().model().rowCount();
    }
}
// 0 root to group, 1 group to transactions.
BENCHMARK(BM_DrillDownStep)->Arg(0)->Arg(1)->Apply(ViewBench::timeNineRuns);

}  // namespace

int main(int argc, char** argv) {
    return ViewBench::run(argc, argv, "report_views_bench");
}
