// The budget view's data: both sides, the one shown, and what saving a limit does to them.
#include <gtest/gtest.h>

#include <string>

#include "BudgetTestStore.h"
#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "budgets/BudgetTracking.h"
#include "budgets/CategoryLimit.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"

namespace {

using S = ReportTestStore;
using Side = BudgetTracking::Side;

// A side as one line: "name limit" per row, a group's categories in [ ].
std::string render(const TrackRow& row) {
    std::string text = row.name + " " + row.limit.toString();
    if (row.isGroup()) {
        text += " [";
        for (const TrackRow& child : row.categories) {
            text += " " + render(child);
        }
        text += " ]";
    }
    return text;
}

std::string render(const TrackResult& result) {
    std::string text;
    for (std::size_t i = 0; i < result.outlineRowCount(); ++i) {
        text += (i ? ", " : "") + render(result.outlineRow(i));
    }
    return text;
}

TrackRow& rowNamed(TrackResult& result, const std::string& name) {
    for (TrackRow& row : result.progress) {
        if (row.name == name) {
            return row;
        }
        for (TrackRow& child : row.categories) {
            if (child.name == name) {
                return child;
            }
        }
    }
    throw std::runtime_error("no row " + name);
}

class BudgetTrackingTest : public ::testing::Test {
protected:
    void SetUp() override {
        CategoryGroup* home = store.group("Home");
        rent = store.category("Rent", home);
        repairs = store.category("Repairs", home);
        food = store.category("Food");
        salary = store.category("Salary");
        gifts = store.category("Gifts");
        budget = store.budget(S::day(2026, 1, 1), 12);
        for (const auto& [category, amount] : {std::pair{rent, "-1200"},
                                               {repairs, "-150"},
                                               {food, "-600"},
                                               {salary, "3000"},
                                               {gifts, "50"}}) {
            auto* limit = store.context().insert<CategoryLimit>();
            limit->setCategory(category);
            limit->setAmount(S::dec(amount));
            budget->addCategoryLimitsObject(limit);
        }
        tracking.setBudget(budget);
        tracking.track();
    }

    BudgetTestStore store;
    Category* rent = nullptr;
    Category* repairs = nullptr;
    Category* food = nullptr;
    Category* salary = nullptr;
    Category* gifts = nullptr;
    Budget* budget = nullptr;
    BudgetTracking tracking;
};

TEST_F(BudgetTrackingTest, ASideIsSortedLargestLimitFirstWhenItComesOnScreen) {
    EXPECT_EQ(tracking.currentData(), nullptr);
    EXPECT_TRUE(tracking.switchToSide(Side::Expense));
    EXPECT_EQ(render(*tracking.currentData()),
              "Home -1350 [ Rent -1200 Repairs -150 ], Food -600, Total -1950");
    tracking.sortShownSide(true);
    EXPECT_FALSE(tracking.switchToSide(Side::Expense));  // already shown: left as it is
    EXPECT_EQ(render(*tracking.currentData()),
              "Food -600, Home -1350 [ Repairs -150 Rent -1200 ], Total -1950");
    EXPECT_TRUE(tracking.switchToSide(Side::Income));
    EXPECT_EQ(render(*tracking.currentData()), "Salary 3000, Gifts 50, Total 3050");
    tracking.hideSides();
    EXPECT_EQ(tracking.currentData(), nullptr);
    EXPECT_THROW(tracking.sortShownSide(false), AssertionFailure);
}

TEST_F(BudgetTrackingTest, ASpendingLimitMadeIncomeLeavesTheOutlineAndMovesBothTotals) {
    tracking.switchToSide(Side::Expense);
    ASSERT_EQ(tracking.sidebar().expense, S::dec("-1950"));
    ASSERT_EQ(tracking.sidebar().income, S::dec("3050"));
    const auto saved = tracking.saveLimit(rowNamed(*tracking.currentData(), "Food"),
                                          {true, false, S::dec("600")}, "");
    EXPECT_TRUE(saved.moved);
    EXPECT_EQ(budget->limitForCategory(*food)->amount(), S::dec("600"));
    EXPECT_EQ(render(*tracking.currentData()),
              "Home -1350 [ Rent -1200 Repairs -150 ], Total -1350");
    // Tracked again, in the limits' order: sorted when it comes on screen.
    EXPECT_EQ(render(tracking.incomeData()), "Food 600, Salary 3000, Gifts 50, Total 3650");
    EXPECT_EQ(tracking.sidebar().expense, S::dec("-1350"));  // up by 600
    EXPECT_EQ(tracking.sidebar().income, S::dec("3650"));    // up by 600
    EXPECT_EQ(tracking.sidebar().savings, S::dec("2300"));
}

TEST_F(BudgetTrackingTest, TheLastCategoryOfAGroupTakesTheGroupAlong) {
    tracking.switchToSide(Side::Expense);
    tracking.saveLimit(rowNamed(*tracking.currentData(), "Rent"), {true, false, S::dec("1")}, "");
    tracking.saveLimit(rowNamed(*tracking.currentData(), "Repairs"), {true, false, S::dec("2")},
                       "");
    EXPECT_EQ(render(*tracking.currentData()), "Food -600, Total -600");
    EXPECT_EQ(render(tracking.incomeData()),
              "Home 3 [ Rent 1 Repairs 2 ], Salary 3000, Gifts 50, Total 3053");
}

TEST_F(BudgetTrackingTest, AnIncomeGoalSetToZeroBecomesASpendingLimit) {
    tracking.switchToSide(Side::Income);
    const auto saved = tracking.saveLimit(rowNamed(*tracking.currentData(), "Gifts"),
                                          {true, false, S::dec("0")}, "");
    EXPECT_TRUE(saved.moved);
    EXPECT_TRUE(budget->limitForCategory(*gifts)->isExpense());
    EXPECT_EQ(render(*tracking.currentData()), "Salary 3000, Total 3000");
    EXPECT_EQ(rowNamed(const_cast<TrackResult&>(tracking.expenseData()), "Gifts").limit, Decimal());
}

TEST_F(BudgetTrackingTest, AnEditThatStaysOnItsSideKeepsTheRowInPlace) {
    tracking.switchToSide(Side::Expense);
    // 83 a month over 12 months is 996 for the period.
    const auto saved = tracking.saveLimit(rowNamed(*tracking.currentData(), "Repairs"),
                                          {false, true, S::dec("83")}, "new roof");
    EXPECT_FALSE(saved.moved);
    CategoryLimit* limit = budget->limitForCategory(*repairs);
    EXPECT_EQ(limit->amount(), S::dec("-996"));
    EXPECT_TRUE(limit->showMonthlyAmount());
    EXPECT_EQ(limit->notes(), std::optional<std::string>("new roof"));
    EXPECT_EQ(render(*tracking.currentData()),
              "Home -2196 [ Rent -1200 Repairs -996 ], Food -600, Total -2796");
    // Now larger than Rent, but not sorted again: the edited row stays where it is.
    tracking.saveLimit(rowNamed(*tracking.currentData(), "Repairs"), {false, true, S::dec("150")},
                       "new roof");
    EXPECT_EQ(render(*tracking.currentData()),
              "Home -3000 [ Rent -1200 Repairs -1800 ], Food -600, Total -3600");
    tracking.saveLimit(rowNamed(*tracking.currentData(), "Repairs"), {false, false, S::dec("5")},
                       "");
    EXPECT_FALSE(limit->showMonthlyAmount());
    EXPECT_EQ(limit->notes(), std::nullopt);  // emptied notes are none
}

TEST_F(BudgetTrackingTest, OnlyCategoryRowsOfTheShownSideAreEdited) {
    tracking.switchToSide(Side::Expense);
    TrackResult& shown = *tracking.currentData();
    EXPECT_THROW(tracking.saveLimit(rowNamed(shown, "Home"), {}, ""), AssertionFailure);
    EXPECT_THROW(tracking.saveLimit(shown.total, {}, ""), AssertionFailure);
    TrackResult income = budget->trackIncome();
    EXPECT_THROW(tracking.saveLimit(rowNamed(income, "Salary"), {}, ""), AssertionFailure);
    EXPECT_EQ(budget->limitForCategory(*salary)->amount(), S::dec("3000"));
}

TEST_F(BudgetTrackingTest, TheNeedleStandsOnlyWhileTheBudgetRuns) {
    EXPECT_EQ(tracking.needlePercentage(S::day(2025, 12, 31)), std::nullopt);
    EXPECT_EQ(tracking.needlePercentage(S::day(2026, 1, 1)), 0.0F);
    // 1 July: 181 of the 364 days from the first to the last day.
    EXPECT_FLOAT_EQ(*tracking.needlePercentage(S::day(2026, 7, 1)), 181.0F / 364.0F);
    EXPECT_EQ(tracking.needlePercentage(S::day(2026, 12, 31)), 1.0F);
    EXPECT_EQ(tracking.needlePercentage(S::day(2027, 1, 1)), std::nullopt);
}

TEST(BudgetGeneration, ANewBudgetFromAnEmptyStoreHasZeroSpendingLimits) {
    ReportTestStore store;
    store.category("Food");
    store.category("Salary");
    Budget* budget = Budget::generateBudget(store.context(), "2026 Budget", S::day(2026, 2, 1), 12);
    EXPECT_EQ(budget->name(), "2026 Budget");
    EXPECT_EQ(budget->endDate(), S::day(2027, 1, 31));
    EXPECT_EQ(budget->categoryLimits().size(), 2U);
    EXPECT_EQ(budget->expenseLimitTotal(), Decimal());
    EXPECT_TRUE(budget->trackIncome().progress.empty());
    EXPECT_THROW((void)Budget::generateBudget(store.context(), "None", S::day(2026, 2, 1), 0),
                 AssertionFailure);
    EXPECT_THROW((void)Budget::generateBudget(store.context(), "Long", S::day(2026, 2, 1), 1201),
                 AssertionFailure);
}

}  // namespace
