#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

#include "FakeTransactionList.h"
#include "ReportStores.h"
#include "SheetTestSupport.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ui/breakdown/BreakdownController.h"
#include "ui/breakdown/BreakdownView.h"
#include "ui/trends/LineChart.h"
#include "ui/trends/LineChartContent.h"
#include "ui/trends/TrendsController.h"
#include "ui/trends/TrendsView.h"

namespace {

// Renders the report views to build/screenshots/ for a person to look at ("@2x" under
// QT_SCALE_FACTOR=2).
void save(QWidget& widget, const QString& name) {
    saveSheetScreenshot(widget, name);
}

class ReportScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
    }
    void TearDown() override { UserLocale::reset(); }

    static void shootTrends(ObjectContext& context, const QString& prefix) {
        TrendsController trends(context);
        trends.resize(760, 460);
        trends.show();
        trends.setup();
        save(trends, prefix + "-trends-balance");
        trends.popupButton().setCurrentIndex(2);
        trends.showSelectedChart();
        save(trends, prefix + "-trends-expense");
        LineChart* chart = trends.trendsView().lineChart();
        ASSERT_NE(chart, nullptr);
        const std::size_t count = chart->chart().pointCount();
        chart->content().showTooltipForIndex(count > 2 ? count - 3 : 0);
        save(trends, prefix + "-trends-tooltip");
    }
};

TEST_F(ReportScreenshots, SampleStore) {
    QTemporaryDir folder;
    std::unique_ptr<StoreSession> session = ReportStores::openSample(folder.path());
    ObjectContext& context = session->context();
    shootTrends(context, "sample");

    ReportRegisterLists lists(context);
    BreakdownController breakdown(context, lists.factory());
    breakdown.resize(760, 460);
    breakdown.show();
    breakdown.setup();
    save(breakdown, "sample-breakdown-this-month");
    // The newest year with data, whole.
    QMenu* year = nullptr;
    for (QAction* action : breakdown.periodsMenu().actions()) {
        if (action->menu() != nullptr) {
            year = action->menu();
            break;
        }
    }
    ASSERT_NE(year, nullptr);
    year->actions().at(0)->trigger();
    save(breakdown, "sample-breakdown-year");
    breakdown.switchToIncome();
    save(breakdown, "sample-breakdown-year-income");
    breakdown.switchToExpense();
    // Into the first group, then into its largest category.
    for (const auto& row : breakdown.breakdownView().rows()) {
        if (row.style == BreakdownReport::Row::Style::Group) {
            breakdown.clickedKey(*row.key);
            break;
        }
    }
    save(breakdown, "sample-breakdown-group");
    breakdown.clickedKey(*breakdown.breakdownView().rows().front().key);
    save(breakdown, "sample-breakdown-transactions");
}

TEST_F(ReportScreenshots, BenchmarkStore) {
    const QString path = ReportStores::benchStorePath();
    if (path.isEmpty()) {
        GTEST_SKIP() << "no benchmark store; bench/ui/make-report-bench-store.sh makes it";
    }
    // The day the benchmark data ends, as the command-line benchmark fixes it.
    Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
    std::unique_ptr<StoreSession> session = ReportStores::openFile(path);
    shootTrends(session->context(), "bench");
    FakeTransactionLists lists;
    BreakdownController breakdown(session->context(), lists.factory());
    breakdown.resize(760, 460);
    breakdown.show();
    breakdown.setup();
    breakdown.showFixedPeriod(BreakdownPeriods::FixedPeriod::Last12Months);
    save(breakdown, "bench-breakdown-last-12-months");
    Clock::reset();
}

}  // namespace
