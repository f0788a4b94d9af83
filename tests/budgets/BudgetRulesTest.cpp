#include <gtest/gtest.h>

#include "base/UserLocale.h"
#include "budgets/BudgetViewFigures.h"
#include "budgets/StartDateNotice.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

class StartDateNoticeTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override { UserLocale::reset(); }
};

TEST_F(StartDateNoticeTest, ShownFromSixteenDaysEarlyOncePerOpening) {
    Date earliest = ymd(2012, 3, 20);
    StartDateNotice notice;
    EXPECT_FALSE(notice.startDateChanged(earliest, ymd(2012, 3, 5)).has_value());  // 15 days
    EXPECT_FALSE(notice.hasBeenShown());
    auto text = notice.startDateChanged(earliest, ymd(2012, 3, 4));  // 16 days
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text,
              "You don't have transaction data at the start date you specified. Consider "
              "starting your budget at a later date, so progress can be tracked more "
              "accurately. Your earliest transaction was on Mar 20, 2012");
    EXPECT_FALSE(notice.startDateChanged(earliest, ymd(2011, 1, 1)).has_value());
    notice.rearm();
    EXPECT_FALSE(notice.startDateChanged(std::nullopt, ymd(2000, 1, 1)).has_value());  // empty
    EXPECT_FALSE(notice.startDateChanged(earliest, ymd(2012, 4, 20)).has_value());
    EXPECT_TRUE(notice.startDateChanged(earliest, ymd(2011, 1, 1)).has_value());
}

TEST(BudgetViewFigures, TimeRemainingForABudgetEndingFourteenthOfMay) {
    BudgetPeriod period(ymd(2011, 5, 15), 12);
    ASSERT_EQ(period.endDate(), ymd(2012, 5, 14));
    struct Case {
        Date today;
        const char* text;
        const char* color;
    } const cases[] = {
        {ymd(2012, 3, 20), "2 months left", "CCCCCC"},
        {ymd(2012, 4, 20), "25 days left", "CCCCCC"},
        {ymd(2012, 5, 14), "1 day left", "CCCCCC"},
        {ymd(2011, 5, 15), "12 months left", "CCCCCC"},
        {ymd(2012, 5, 15), "This budget's period has ended", "F3D635"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toISOString());
        auto message = BudgetViewFigures::timeRemainingMessage(period, c.today);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.color, c.color);
    }
}

TEST(BudgetViewFigures, EndNoticeOnceThePeriodHasEnded) {
    BudgetPeriod period(ymd(2012, 1, 1), 1);
    EXPECT_FALSE(BudgetViewFigures::shouldShowEndNotice(period, ymd(2012, 1, 31), false));
    EXPECT_TRUE(BudgetViewFigures::shouldShowEndNotice(period, ymd(2012, 2, 1), false));
    EXPECT_FALSE(BudgetViewFigures::shouldShowEndNotice(period, ymd(2012, 2, 1), true));
}

TEST(BudgetViewFigures, ActualColumnHeaderBySideAndState) {
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(true, true), "Actual spending");
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(true, false), "So far you've spent");
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(false, true), "Actual earning");
    EXPECT_EQ(BudgetViewFigures::actualColumnHeader(false, false), "So far you've earned");
}

TEST(BudgetViewFigures, SidebarSavesOrLosesWithExactCents) {
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
        auto sidebar = BudgetViewFigures::sidebar(dec(c.expense), dec(c.income));
        EXPECT_EQ(sidebar.expense, dec(c.expense));
        EXPECT_EQ(sidebar.income, dec(c.income));
        EXPECT_EQ(sidebar.savings, dec(c.savings));
        EXPECT_EQ(sidebar.summaryTitle, c.title);
    }
}

}  // namespace
