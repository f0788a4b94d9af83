#include <gtest/gtest.h>

#include "../reports/ReportTestStore.h"
#include "base/AssertionFailure.h"
#include "budgets/BudgetPeriod.h"

namespace {

constexpr auto ymd = &ReportTestStore::day;

TEST(BudgetPeriod, EndDateAndLength) {
    struct Case {
        Date start;
        int months;
        Date end;
        int days;
    } const cases[] = {
        {ymd(2011, 1, 1), 12, ymd(2011, 12, 31), 365},
        {ymd(2012, 1, 1), 12, ymd(2012, 12, 31), 366},
        {ymd(2012, 3, 15), 1, ymd(2012, 4, 14), 31},
        // The month is added with its day clamped (28 or 29 February), then a day is taken off.
        {ymd(2011, 1, 31), 1, ymd(2011, 2, 27), 28},
        {ymd(2012, 1, 31), 1, ymd(2012, 2, 28), 29},
        {ymd(2012, 11, 30), 3, ymd(2013, 2, 27), 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.toISOString() + " x " + std::to_string(c.months));
        BudgetPeriod period(c.start, c.months);
        EXPECT_EQ(period.endDate(), c.end);
        EXPECT_EQ(period.days(), c.days);
    }
}

TEST(BudgetPeriod, DaysLeftHasEndedAndStarted) {
    BudgetPeriod period(ymd(2012, 1, 1), 12);
    struct Case {
        Date date;
        int daysLeft;
        bool started;
        bool ended;
    } const cases[] = {
        {ymd(2011, 12, 31), 367, false, false}, {ymd(2012, 1, 1), 366, true, false},
        {ymd(2012, 12, 30), 2, true, false},    {ymd(2012, 12, 31), 1, true, false},
        {ymd(2013, 1, 1), 0, true, true},       {ymd(2013, 1, 11), -10, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.toISOString());
        EXPECT_EQ(period.daysLeft(c.date), c.daysLeft);
        EXPECT_EQ(period.hasStarted(c.date), c.started);
        EXPECT_EQ(period.hasEnded(c.date), c.ended);
        EXPECT_EQ(period.isRunning(c.date), c.started && !c.ended);
    }
}

TEST(BudgetPeriod, MonthsLeftCountsTheEndDaysMonthAndNeverGoesNegative) {
    struct Case {
        BudgetPeriod period;
        Date date;
        int monthsLeft;
    } const cases[] = {
        // Ending 14 April.
        {BudgetPeriod(ymd(2012, 1, 15), 3), ymd(2012, 2, 10), 3},
        {BudgetPeriod(ymd(2012, 1, 15), 3), ymd(2012, 2, 14), 3},
        {BudgetPeriod(ymd(2012, 1, 15), 3), ymd(2012, 2, 20), 2},
        {BudgetPeriod(ymd(2012, 1, 15), 3), ymd(2012, 4, 14), 1},
        {BudgetPeriod(ymd(2012, 1, 15), 3), ymd(2012, 4, 15), 0},
        // Twelve months from the 1st.
        {BudgetPeriod(ymd(2012, 1, 1), 12), ymd(2012, 1, 1), 12},
        {BudgetPeriod(ymd(2012, 1, 1), 12), ymd(2012, 12, 31), 1},
        {BudgetPeriod(ymd(2012, 1, 1), 12), ymd(2013, 1, 1), 0},
        {BudgetPeriod(ymd(2012, 1, 1), 12), ymd(2014, 6, 1), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.period.endDate().toISOString() + " on " + c.date.toISOString());
        EXPECT_EQ(c.period.monthsLeft(c.date), c.monthsLeft);
    }
}

TEST(BudgetPeriod, TodayPercentageRunsFromZeroToOne) {
    BudgetPeriod period(ymd(2011, 1, 1), 12);  // 364 days from start to end
    EXPECT_FLOAT_EQ(period.todayPercentage(ymd(2011, 1, 1)), 0.0f);
    EXPECT_FLOAT_EQ(period.todayPercentage(ymd(2011, 12, 31)), 1.0f);
    EXPECT_FLOAT_EQ(period.todayPercentage(ymd(2011, 7, 2)), 182.0f / 364.0f);
    EXPECT_LT(period.todayPercentage(ymd(2010, 12, 31)), 0.0f);
    EXPECT_GT(period.todayPercentage(ymd(2012, 1, 1)), 1.0f);
}

TEST(BudgetPeriod, RejectsAPeriodWithoutMonths) {
    EXPECT_THROW(BudgetPeriod(ymd(2012, 1, 1), 0), AssertionFailure);
}

}  // namespace
