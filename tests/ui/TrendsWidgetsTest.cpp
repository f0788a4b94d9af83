#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include "../reports/ReportTestStore.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Category.h"
#include "reports/LineChartGeometry.h"
#include "ui/trends/ChartCoordinates.h"
#include "ui/trends/LineChart.h"
#include "ui/trends/LineChartClipView.h"
#include "ui/trends/LineChartContent.h"
#include "ui/trends/LineChartTimeline.h"
#include "ui/trends/LineChartTooltip.h"
#include "ui/trends/TrendsController.h"
#include "ui/trends/TrendsMenuModel.h"
#include "ui/trends/TrendsView.h"

namespace {

using S = ReportTestStore;
using Position = LineChartTooltipLayout::Position;

class TrendsWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        Clock::setFixedToday(S::day(2012, 6, 15));
        m_checking = m_store.account("Checking");
        m_food = m_store.category("Food");
        m_salary = m_store.category("Salary");
    }
    void TearDown() override {
        Clock::reset();
        UserLocale::reset();
    }
    // Food spending of 10 x (n + 1) in each of `months` months ending in June 2012.
    void addMonths(int months) {
        for (int i = 0; i < months; ++i) {
            const Date day = S::day(2012, 6, 10).monthsAgo_PN(months - 1 - i);
            m_store.add(m_checking, day, std::to_string(-10 * (i + 1)).c_str(), m_food);
        }
    }
    void choose(TrendsController& controller, int row) {
        controller.popupButton().setCurrentIndex(row);
        controller.showSelectedChart();
    }
    static LineChart& chartOf(TrendsController& controller) {
        LineChart* chart = controller.trendsView().lineChart();
        EXPECT_NE(chart, nullptr);
        return *chart;
    }

    S m_store;
    Account* m_checking = nullptr;
    Category* m_food = nullptr;
    Category* m_salary = nullptr;
};

TEST_F(TrendsWidgets, SwitchingSeriesRebuildsTheChartAndTheSignsNotice) {
    addMonths(6);
    m_store.add(m_checking, S::day(2012, 1, 2), "1000", m_salary);
    TrendsController controller(m_store.context());
    controller.show();
    controller.resize(800, 500);
    controller.setup();
    QAbstractItemModelTester tester(&controller.menuModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(controller.popupButton().count(), 6);
    EXPECT_EQ(controller.popupButton().currentText(), "Balance");
    EXPECT_EQ(controller.menuModel().flags(controller.menuModel().index(3)), Qt::NoItemFlags);
    EXPECT_EQ(chartOf(controller).chart().pointCount(), 6u);
    EXPECT_FALSE(controller.trendsView().signsInvertedNotice().isVisibleTo(&controller));

    struct Case {
        int row;
        bool inverted;
        const char* lastAmount;
    } const cases[] = {
        {2, true, "$60.00"},                                                // Expense
        {controller.menuModel().rowForCategory(m_food), true, "$60.00"},    // mostly spending
        {controller.menuModel().rowForCategory(m_salary), false, "$0.00"},  // one income month
        {1, false, "$0.00"},                                                // Income
        {0, false, "$790.00"},                                              // Balance
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        choose(controller, c.row);
        LineChart& chart = chartOf(controller);
        EXPECT_EQ(chart.signsAreInverted(), c.inverted);
        EXPECT_EQ(controller.trendsView().signsInvertedNotice().isVisibleTo(&controller),
                  c.inverted);
        EXPECT_EQ(chart.chart().tooltipAmount(5), c.lastAmount);
    }
}

TEST_F(TrendsWidgets, TooltipsStayInsideTheVisiblePlotAtItsEdges) {
    addMonths(36);
    TrendsController controller(m_store.context());
    controller.show();
    controller.resize(700, 460);
    controller.setup();
    choose(controller, 2);
    LineChart& chart = chartOf(controller);
    LineChartContent& content = chart.content();
    ASSERT_TRUE(chart.scrolls());
    QScrollBar* scroller = chart.clipView().horizontalScrollBar();
    EXPECT_EQ(scroller->value(), scroller->maximum()) << "opens on the latest months";

    const auto tooltipFor = [&](std::size_t index) {
        content.showTooltipForIndex(index);
        const QRect visible(scroller->value(), 0, chart.clipView().viewport()->width(),
                            content.height());
        EXPECT_TRUE(visible.contains(content.tooltip().geometry()))
            << "tooltip of " << index << " leaves the plot";
        return content.tooltip().position();
    };
    // The latest point is the largest: no room above it.
    EXPECT_EQ(tooltipFor(35), Position::Below);
    EXPECT_EQ(content.tooltip().monthText(), "June, 2012");
    EXPECT_EQ(content.tooltip().amountText(), "$360.00");
    const int visibleWidth = chart.clipView().viewport()->width();
    // A point in the last visible column: to its left.
    scroller->setValue(static_cast<int>(LineChartGeometry::pointX(20)) + 10 - visibleWidth);
    EXPECT_EQ(tooltipFor(20), Position::LeftOfPoint);
    // A point in the first visible column: to its right.
    scroller->setValue(static_cast<int>(LineChartGeometry::pointX(5)) - 10);
    EXPECT_EQ(tooltipFor(5), Position::RightOfPoint);
    scroller->setValue(0);
    EXPECT_FALSE(content.tooltip().isVisible()) << "scrolling hides the tooltip";
    EXPECT_EQ(tooltipFor(0), Position::Above);  // the content's own margin leaves room
    EXPECT_EQ(tooltipFor(3), Position::Above);

    // The pointer over a point's column shows its tooltip; leaving hides it.
    QMouseEvent move(QEvent::MouseMove, content.pointForIndex(2) + QPointF(10, -100), QPointF(),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&content, &move);
    EXPECT_EQ(content.tooltip().shownIndex(), 2u);
    EXPECT_EQ(content.tooltip().monthText(), "September, 2009");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&content, &leave);
    EXPECT_FALSE(content.tooltip().isVisible());
}

TEST_F(TrendsWidgets, ValueLabelsSitOnTheirGridLinesForASeriesAcrossZero) {
    m_store.add(m_checking, S::day(2012, 1, 5), "-500", m_food);
    m_store.add(m_checking, S::day(2012, 2, 5), "2000", m_salary);
    TrendsController controller(m_store.context());
    controller.show();
    controller.resize(640, 420);
    controller.setup();  // the balance: -500, then 1500
    LineChart& chart = chartOf(controller);
    const std::vector<std::string> expected = {"-$550", "$0", "$550", "$1,100", "$1,650", "$2,200"};
    EXPECT_EQ(chart.chart().valueLabels(), expected);
    const QRect plot = chart.clipView().geometry();
    const qreal plotHeight = chart.clipView().viewport()->height();
    const auto bands = LineChartGeometry::bandRects(plot.width(), plotHeight);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const QRectF label = flippedRect(
            LineChartGeometry::valueLabelRect(i, plotHeight, chart.marginWidth()), chart.height());
        // Grid line i (lines 0 and 5 are the plot's bottom and top edges).
        const qreal grid = plot.top() + plotHeight - (i < 5 ? bands[i].y : plotHeight);
        EXPECT_NEAR(label.center().y(), grid, 1.0);
        EXPECT_LE(label.right(), plot.left());
    }
    // The first point (-500) lies just above the bottom line (-550), the second on 1500.
    const QPointF first = chart.content().mapTo(&chart, chart.content().pointForIndex(0));
    EXPECT_NEAR(first.y(), plot.top() + plotHeight * (1 - 50.0 / 2750), 0.01);
}

TEST_F(TrendsWidgets, MonthLabelsScrollInStepAndThePlotKeepsItsHeight) {
    addMonths(30);
    TrendsController controller(m_store.context());
    controller.show();
    controller.resize(600, 400);
    controller.setup();
    LineChart& chart = chartOf(controller);
    ASSERT_TRUE(chart.scrolls());
    const int plotHeight = chart.height() - 66;
    EXPECT_EQ(chart.clipView().viewport()->height(), plotHeight);
    const int scroller = chart.clipView().horizontalScrollBar()->height();
    EXPECT_GT(scroller, 0);
    EXPECT_EQ(chart.timeline().parentWidget()->geometry().top(), chart.height() - 52 + scroller);
    for (int scrolled : {0, 333, chart.clipView().horizontalScrollBar()->maximum()}) {
        SCOPED_TRACE(scrolled);
        chart.clipView().horizontalScrollBar()->setValue(scrolled);
        for (std::size_t i : {0u, 7u, 29u}) {
            const qreal pointX = chart.content().mapTo(&chart, QPoint(0, 0)).x() +
                                 chart.content().pointForIndex(i).x();
            const qreal labelX = chart.timeline().mapTo(&chart, QPoint(0, 0)).x() +
                                 LineChartGeometry::monthLabelOrigin(i).x;
            EXPECT_EQ(labelX, pointX - 8);
        }
    }
    // Wide enough for every month: no scroller, same plot height, labels right under it.
    controller.resize(1500, 400);
    LineChart& wide = chartOf(controller);
    EXPECT_FALSE(wide.scrolls());
    EXPECT_EQ(wide.clipView().viewport()->height(), wide.height() - 66);
    EXPECT_EQ(wide.timeline().parentWidget()->geometry().top(), wide.height() - 52);
}

TEST_F(TrendsWidgets, AnEmptyStoreShowsOnePointOnAScaleAroundZero) {
    TrendsController controller(m_store.context());
    controller.show();
    controller.resize(500, 300);
    controller.setup();
    LineChart& chart = chartOf(controller);
    ASSERT_EQ(chart.chart().pointCount(), 1u);
    EXPECT_EQ(chart.content().width(), 116);
    EXPECT_EQ(chart.content().pointForIndex(0).x(), 58);
    const std::vector<std::string> expected = {"-$110", "$0", "$110", "$220", "$330", "$440"};
    EXPECT_EQ(chart.chart().valueLabels(), expected);
    EXPECT_EQ(chart.chart().tooltipDate(0), "Jun 15, 2012");
}

TEST_F(TrendsWidgets, UpdateViewRedrawsFromTheStoreAndForgetsDeletedCategories) {
    addMonths(3);
    TrendsController controller(m_store.context());
    controller.show();
    controller.resize(600, 400);
    controller.setup();
    choose(controller, controller.menuModel().rowForCategory(m_salary));
    m_store.add(m_checking, S::day(2012, 6, 1), "250", m_salary);
    controller.updateView();
    EXPECT_EQ(controller.popupButton().currentText().trimmed(), "Salary");
    EXPECT_EQ(chartOf(controller).chart().tooltipAmount(2), "$250.00");
    m_store.context().deleteObject(*m_salary);
    controller.updateView();
    EXPECT_EQ(controller.popupButton().currentIndex(), 0);
    EXPECT_EQ(controller.popupButton().count(), 5);
    EXPECT_EQ(chartOf(controller).chart().tooltipAmount(2), "$190.00");
}

}  // namespace
