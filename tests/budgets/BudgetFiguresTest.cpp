// What the budget view shows: the bars, the time remaining, the sidebar and the notices.
#include <gtest/gtest.h>

#include "../reports/ReportTestStore.h"
#include "base/UserLocale.h"
#include "budgets/BudgetBarFigures.h"
#include "budgets/BudgetViewFigures.h"
#include "budgets/StartDateNotice.h"
#include "ledger/CurrencyFormatter.h"

namespace {

using S = ReportTestStore;

class BudgetFigures : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override { UserLocale::reset(); }
};

TEST_F(BudgetFigures, BarFillColourAndProgressText) {
    auto dollars = CurrencyFormatter::formatterForCurrency("USD");
    struct Case {
        const char* name;
        const char* limit;
        const char* actual;
        float share;
        bool red;
        const char* message;
    } const cases[] = {
        {"within the limit", "-600", "-450", 0.75f, false, "$450.00"},
        {"over the limit", "-600", "-750", 1, true, "$750.00 ($150.00 over)"},
        {"net income in a spending category", "-600", "80", 0, false, "$80.00 credit"},
        {"uncategorized spending", "0", "-12.34", 1, true, "$12.34 ($12.34 over)"},
        {"uncategorized, nothing spent", "0", "0", 0, false, "$0.00"},
        {"income over its goal", "600", "900", 1, false, "$900.00"},
        {"income below its goal", "600", "150", 0.25f, false, "$150.00"},
        {"income with a net loss", "600", "-50", 0, false, "-$50.00"},
        // Cents of amounts in the millions survive: a float holds 16777216.00 here.
        {"large amounts", "-20000000", "-16777217.01", 0.83886085f, false, "$16,777,217.01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BudgetBarFigures figures(S::dec(c.limit), S::dec(c.actual));
        EXPECT_FLOAT_EQ(figures.percentageToFill(), c.share);
        EXPECT_EQ(figures.isOverLimit(), c.red);
        EXPECT_EQ(figures.progressMessage(dollars), c.message);
    }
}

TEST_F(BudgetFigures, BarFillWidthAndNeedle) {
    EXPECT_DOUBLE_EQ(BudgetBarFigures(S::dec("-600"), S::dec("-450")).fillWidth(202), 150);
    EXPECT_DOUBLE_EQ(BudgetBarFigures(S::dec("-3"), S::dec("-1")).fillWidth(102), 34);  // 33.33 up
    EXPECT_DOUBLE_EQ(BudgetBarFigures(S::dec("-3"), S::dec("-9")).fillWidth(102), 100);
    EXPECT_DOUBLE_EQ(BudgetBarFigures::needleX(300, 229, 0), 304.5);
    EXPECT_DOUBLE_EQ(BudgetBarFigures::needleX(300, 229, 1), 504.5);
    EXPECT_DOUBLE_EQ(BudgetBarFigures::needleX(300, 229, 0.501f), 405.5);  // 100.2 up
}

TEST_F(BudgetFigures, StartDateNoticeFromSixteenDaysEarlyOncePerOpening) {
    Date earliest = S::day(2012, 3, 20);
    StartDateNotice notice;
    EXPECT_FALSE(notice.startDateChanged(earliest, S::day(2012, 3, 5)).has_value());  // 15 days
    EXPECT_FALSE(notice.hasBeenShown());
    auto text = notice.startDateChanged(earliest, S::day(2012, 3, 4));  // 16 days
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text,
              "You don't have transaction data at the start date you specified. Consider "
              "starting your budget at a later date, so progress can be tracked more "
              "accurately. Your earliest transaction was on Mar 20, 2012");
    EXPECT_FALSE(notice.startDateChanged(earliest, S::day(2011, 1, 1)).has_value());
    notice.rearm();
    EXPECT_FALSE(notice.startDateChanged(std::nullopt, S::day(2000, 1, 1)).has_value());  // empty
    EXPECT_FALSE(notice.startDateChanged(earliest, S::day(2012, 4, 20)).has_value());
    EXPECT_TRUE(notice.startDateChanged(earliest, S::day(2011, 1, 1)).has_value());
}

TEST_F(BudgetFigures, TimeRemainingForABudgetEndingFourteenthOfMay) {
    BudgetPeriod period(S::day(2011, 5, 15), 12);
    ASSERT_EQ(period.endDate(), S::day(2012, 5, 14));
    struct Case {
        Date today;
        const char* text;
        const char* color;
    } const cases[] = {
        {S::day(2012, 3, 20), "2 months left", "CCCCCC"},
        {S::day(2012, 4, 20), "25 days left", "CCCCCC"},
        {S::day(2012, 5, 14), "1 day left", "CCCCCC"},
        {S::day(2011, 5, 15), "12 months left", "CCCCCC"},
        {S::day(2012, 5, 15), "This budget's period has ended", "F3D635"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toISOString());
        auto message = BudgetViewFigures::timeRemainingMessage(period, c.today);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.color, c.color);
    }
}

TEST_F(BudgetFigures, EndNoticeAndActualColumnHeader) {
    BudgetPeriod period(S::day(2012, 1, 1), 1);
    EXPECT_FALSE(BudgetViewFigures::shouldShowEndNotice(period, S::day(2012, 1, 31), false));
    EXPECT_TRUE(BudgetViewFigures::shouldShowEndNotice(period, S::day(2012, 2, 1), false));
    EXPECT_FALSE(BudgetViewFigures::shouldShowEndNotice(period, S::day(2012, 2, 1), true));
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(true, true), "Actual spending");
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(true, false), "So far you've spent");
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(false, true), "Actual earning");
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(false, false), "So far you've earned");
}

TEST_F(BudgetFigures, SidebarSavesOrLosesWithExactCents) {
    struct Case {
        const char* expense;
        const char* income;
        const char* savings;
        const char* title;
    } const cases[] = {
        {"-3000", "3500", "500", "You'll Save"},
        {"-1200", "1000", "-200", "You'll Lose"},
        {"0", "0", "0", "You'll Save"},
        // A 32-bit float would show 16777217.01 as 16777216.
        {"-1000000.00", "17777217.01", "16777217.01", "You'll Save"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.savings);
        auto sidebar = BudgetViewFigures::sidebar(S::dec(c.expense), S::dec(c.income));
        EXPECT_EQ(sidebar.savings, S::dec(c.savings));
        EXPECT_EQ(sidebar.summaryTitle, c.title);
    }
}

}  // namespace
