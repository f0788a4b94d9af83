#include <gtest/gtest.h>

#include <string>

#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "reports/BreakdownPeriods.h"
#include "reports/BreakdownRows.h"
#include "reports/BreakdownTotals.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

class BreakdownPeriodsTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override { UserLocale::reset(); }
};

// The menu as text: "2013: March February January | 2012: December ... June".
std::string menuText(const std::vector<BreakdownPeriods::YearEntry>& years) {
    std::string text;
    for (const auto& year : years) {
        text += (text.empty() ? "" : " | ") + BreakdownPeriods::yearEntryTitle(year.year) + ":";
        for (Date month : year.monthsNewestFirst) {
            text += " " + BreakdownPeriods::monthEntryTitle(month);
        }
    }
    return text;
}

TEST_F(BreakdownPeriodsTest, MenuListsYearsNewestFirstWithTheirMonths) {
    struct Case {
        DateRange range;
        const char* menu;
    } const cases[] = {
        {{ymd(2012, 6, 12), ymd(2013, 3, 2)},
         "2013: March February January | "
         "2012: December November October September August July June"},
        {{ymd(2012, 3, 5), ymd(2012, 3, 5)}, "2012: March"},
        {{ymd(2011, 12, 31), ymd(2012, 1, 1)}, "2012: January | 2011: December"},
        {{ymd(2010, 11, 1), ymd(2012, 12, 1)},
         "2012: December November October September August July June May April March "
         "February January | 2011: December November October September August July June May "
         "April March February January | 2010: December November"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        EXPECT_EQ(menuText(BreakdownPeriods::menuYears(c.range)), c.menu);
    }
    auto years = BreakdownPeriods::menuYears({ymd(2012, 6, 12), ymd(2013, 3, 2)});
    EXPECT_EQ(years[0].monthsNewestFirst.front(), ymd(2013, 3, 31));
    EXPECT_EQ(years[1].monthsNewestFirst.back(), ymd(2012, 6, 30));
}

TEST_F(BreakdownPeriodsTest, FixedPeriodsOnAGivenDay) {
    struct Case {
        int tag;
        Date today;
        DateRange range;
    } const cases[] = {
        {1, ymd(2012, 2, 10), {ymd(2012, 2, 1), ymd(2012, 2, 29)}},
        {2, ymd(2012, 2, 10), {ymd(2012, 1, 1), ymd(2012, 12, 31)}},
        {3, ymd(2012, 3, 15), {ymd(2011, 3, 16), ymd(2012, 3, 15)}},
        {3, ymd(2012, 2, 29), {ymd(2011, 3, 1), ymd(2012, 2, 29)}},
        {3, ymd(2013, 1, 1), {ymd(2012, 1, 2), ymd(2013, 1, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tag) + " on " + c.today.toISOString());
        auto period = BreakdownPeriods::fixedPeriod(c.tag, "Entry", c.today);
        EXPECT_EQ(period.range, c.range);
        EXPECT_EQ(period.buttonTitle, "Entry");
    }
    EXPECT_THROW((void)BreakdownPeriods::fixedPeriod(4, "Other", ymd(2012, 1, 1)),
                 AssertionFailure);
    EXPECT_THROW((void)BreakdownPeriods::fixedPeriod(0, "Other", ymd(2012, 1, 1)),
                 AssertionFailure);
}

TEST_F(BreakdownPeriodsTest, YearAndMonthEntries) {
    EXPECT_EQ(BreakdownPeriods::yearPeriod(2012),
              (BreakdownPeriods::Period{{ymd(2012, 1, 1), ymd(2012, 12, 31)}, "Year 2012"}));
    EXPECT_EQ(BreakdownPeriods::monthPeriod(ymd(2012, 2, 29)),
              (BreakdownPeriods::Period{{ymd(2012, 2, 1), ymd(2012, 2, 29)}, "February, 2012"}));
}

TEST(BreakdownRows, SortedByAmountWithATotal) {
    std::vector<std::pair<std::string, Decimal>> entries = {{"Rent", dec("-150")},
                                                            {"Zero", dec("0")},
                                                            {"Food", dec("-16777216.01")},
                                                            {"Fuel", dec("-150")}};
    auto rows = BreakdownRows::make(entries);
    ASSERT_EQ(rows.rows.size(), 4u);
    std::string order;
    for (const auto& row : rows.rows) {
        order += row.key + "=" + row.amount.toString() + " ";
    }
    EXPECT_EQ(order, "Food=16777216.01 Rent=150 Fuel=150 Zero=0 ");
    EXPECT_EQ(rows.maxAmount, dec("16777216.01"));
    EXPECT_EQ(rows.total, dec("16777516.01"));  // cents a float would lose
    EXPECT_EQ(BreakdownRows::make(std::vector<std::pair<int, Decimal>>{}).total, Decimal());
}

TEST(BreakdownRows, BarsAreProportionalToTheLargestAmount) {
    // A bar area 328 wide leaves 300 points for the largest bar.
    struct Case {
        const char* amount;
        std::optional<double> length;
    } const cases[] = {{"300", 300}, {"150", 150}, {"0", std::nullopt}, {"1", 4}, {"3", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(BreakdownRows::barLength(dec(c.amount), dec("300"), 328), c.length);
    }
    // Names 100 and amounts 70 wide in a 600-point view leave 389 points of bar from x = 211.
    EXPECT_EQ(BreakdownRows::columns(600, 100, 70),
              (BreakdownRows::Columns{19, 127, 197, 211, 389}));
}

TEST(BreakdownTotals, SidebarFiguresOfAPeriod) {
    auto loss = BreakdownTotals::fromAmounts({dec("-700"), dec("-500")}, {dec("1000")});
    EXPECT_EQ(loss, (BreakdownTotals{dec("-1200"), dec("1000"), dec("-200")}));
    auto savings = BreakdownTotals::fromAmounts({dec("-1000")}, {dec("1199.99"), dec("0.01")});
    EXPECT_EQ(savings, (BreakdownTotals{dec("-1000"), dec("1200"), dec("200")}));
    auto large = BreakdownTotals::fromAmounts({dec("-0.01")}, {dec("16777216.02")});
    EXPECT_EQ(large.overallSavings, dec("16777216.01"));
    EXPECT_EQ(BreakdownTotals::fromAmounts({}, {}), BreakdownTotals{});
}

}  // namespace
