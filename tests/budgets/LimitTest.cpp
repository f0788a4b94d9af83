#include <gtest/gtest.h>

#include "../reports/ReportTestStore.h"
#include "base/AssertionFailure.h"
#include "budgets/LimitAmount.h"
#include "budgets/LimitSheetFields.h"

namespace {

using S = ReportTestStore;

TEST(LimitAmount, WholeAmountRoundsHalvesAwayFromZero) {
    struct Case {
        const char* value;
        const char* stored;
    } const cases[] = {
        {"2.5", "3"},  {"-2.5", "-3"},           {"-120.50", "-121"}, {"99.49", "99"},
        {"-0.4", "0"}, {"1234567.5", "1234568"}, {"-30.92", "-31"},   {"0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(LimitAmount::wholeAmount(S::dec(c.value)), S::dec(c.stored));
    }
}

TEST(LimitAmount, EstimateWindowReachesBackAtMostAYear) {
    Date today = S::day(2012, 6, 30);
    // An earliest transaction more than a year back: 365 days back, 366 days counted.
    EXPECT_EQ(LimitAmount::estimateWindow(S::day(2010, 1, 5), today),
              (LimitAmount::Window{S::day(2011, 7, 1), today, 366}));
    EXPECT_EQ(LimitAmount::estimateWindow(S::day(2012, 6, 1), today),
              (LimitAmount::Window{S::day(2012, 6, 1), today, 30}));
    EXPECT_EQ(LimitAmount::estimateWindow(today, today), (LimitAmount::Window{today, today, 1}));
    EXPECT_FALSE(LimitAmount::estimateWindow(std::nullopt, today).has_value());
    EXPECT_FALSE(LimitAmount::estimateWindow(S::day(2012, 7, 1), today).has_value());
}

TEST(LimitAmount, EstimateScalesTheDailyAverageToTheBudget) {
    struct Case {
        const char* total;
        int windowDays;
        int budgetDays;
        const char* expected;
    } const cases[] = {
        {"1200.00", 366, 366, "1200"},
        {"-183.00", 366, 31, "-16"},  // exactly -15.5
        {"0", 366, 365, "0"},
        {"-12345678.91", 30, 365, "-150205760"},  // -150205760.0716..
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        EXPECT_EQ(LimitAmount::estimatedAmount(S::dec(c.total), c.windowDays, c.budgetDays),
                  S::dec(c.expected));
    }
    EXPECT_THROW((void)LimitAmount::estimatedAmount(S::dec("1"), 0, 31), AssertionFailure);
}

TEST(LimitSheetFields, LoadShowsTheLimitWithoutItsSign) {
    LimitSheetFields monthly = LimitSheetFields::loadFields(S::dec("-1000"), true, 12);
    EXPECT_FALSE(monthly.incomeSelected);
    EXPECT_TRUE(monthly.monthlySelected);
    EXPECT_EQ(monthly.fieldValue, S::dec("83"));

    LimitSheetFields overall = LimitSheetFields::loadFields(S::dec("600"), false, 12);
    EXPECT_TRUE(overall.incomeSelected);
    EXPECT_FALSE(overall.monthlySelected);
    EXPECT_EQ(overall.fieldValue, S::dec("600"));

    EXPECT_FALSE(LimitSheetFields::loadFields(Decimal(), false, 12).incomeSelected);
}

TEST(LimitSheetFields, SwitchingTheEstimateTypeConvertsTheField) {
    LimitSheetFields fields{false, false, S::dec("1000")};
    LimitSheetFields monthly = fields.estimateTypeChanged(true, 12);
    EXPECT_TRUE(monthly.monthlySelected);
    EXPECT_EQ(monthly.fieldValue, S::dec("83"));
    LimitSheetFields back = monthly.estimateTypeChanged(false, 12);
    EXPECT_FALSE(back.monthlySelected);
    EXPECT_EQ(back.fieldValue, S::dec("996"));
    // Choosing the entry already in force changes nothing.
    EXPECT_EQ(monthly.estimateTypeChanged(true, 12).fieldValue, S::dec("83"));
    // A monthly half goes up: 30 / 12 = 2.5.
    EXPECT_EQ(
        (LimitSheetFields{false, false, S::dec("30")}.estimateTypeChanged(true, 12).fieldValue),
        S::dec("3"));
}

TEST(LimitSheetFields, SaveSignsTheAmountAndReportsAMoveToTheOtherSide) {
    struct Case {
        const char* name;
        const char* current;
        LimitSheetFields fields;
        LimitSheetFields::Saved expected;
    } const cases[] = {
        {"monthly 83 stays spending",
         "-1000",
         {false, true, S::dec("83")},
         {S::dec("-996"), true, false}},
        {"spending to income", "-600", {true, false, S::dec("600")}, {S::dec("600"), false, true}},
        {"income to spending", "600", {false, false, S::dec("250")}, {S::dec("-250"), false, true}},
        {"income stays income", "600", {true, false, S::dec("700")}, {S::dec("700"), false, false}},
        {"income set to zero moves", "600", {true, false, S::dec("0")}, {S::dec("0"), false, true}},
        {"spending set to zero stays",
         "-600",
         {true, false, S::dec("0")},
         {S::dec("0"), false, false}},
        {"zero limit given income", "0", {true, true, S::dec("10")}, {S::dec("120"), true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LimitSheetFields::Saved saved = c.fields.saveFields(S::dec(c.current), 12);
        EXPECT_EQ(saved.amount, c.expected.amount);
        EXPECT_EQ(saved.showMonthlyAmount, c.expected.showMonthlyAmount);
        EXPECT_EQ(saved.moved, c.expected.moved);
        bool wasExpense = LimitAmount::isExpense(S::dec(c.current));
        EXPECT_EQ(LimitAmount::isExpense(saved.amount), wasExpense != saved.moved);
    }
}

TEST(LimitSheetFields, SaveRejectsANegativeField) {
    LimitSheetFields fields{false, false, S::dec("-5")};
    EXPECT_THROW((void)fields.saveFields(S::dec("-10"), 12), AssertionFailure);
}

}  // namespace
