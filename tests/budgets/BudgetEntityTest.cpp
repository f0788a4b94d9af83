#include <gtest/gtest.h>

#include <string>

#include "BudgetTestStore.h"
#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "budgets/BudgetSummary.h"
#include "budgets/CategoryLimit.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"

namespace {

using S = ReportTestStore;

class BudgetEntity : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixedToday(S::day(2026, 3, 15)); }
    void TearDown() override { Clock::reset(); }

    // A budget whose limits are set by hand, one per category of the store.
    Budget* budgetWithLimits(Date start, int months,
                             const std::vector<std::pair<Category*, const char*>>& limits) {
        Budget* budget = store.budget(start, months);
        for (const auto& [category, amount] : limits) {
            auto* limit = store.context().insert<CategoryLimit>();
            limit->setCategory(category);
            limit->setAmount(S::dec(amount));
            budget->addCategoryLimitsObject(limit);
        }
        return budget;
    }

    static const TrackRow* rowNamed(const TrackResult& result, const std::string& name) {
        for (const TrackRow& row : result.progress) {
            if (row.name == name) {
                return &row;
            }
        }
        return nullptr;
    }

    BudgetTestStore store;
    Account* checking = store.account("Checking");
};

TEST_F(BudgetEntity, MissingDateMeansToday) {
    Budget* budget = store.budget(S::day(2026, 3, 1), 2);  // ends 30 April
    EXPECT_TRUE(budget->hasStarted());
    EXPECT_FALSE(budget->hasEnded());
    EXPECT_EQ(budget->daysLeft(), 47);
    EXPECT_EQ(budget->monthsLeft(), 2);
    EXPECT_FLOAT_EQ(budget->todayPercentage(), 14.0F / 60.0F);
    EXPECT_EQ(budget->daysLeft(S::day(2026, 4, 30)), 1);  // a given date wins over today
    EXPECT_TRUE(budget->hasEnded(S::day(2026, 5, 1)));
}

TEST_F(BudgetEntity, CategoriesAndBudgetsKeepOneLimitEach) {
    Category* food = store.category("Food");
    Budget* first = store.budget(S::day(2026, 1, 1), 12);
    first->estimate();
    Budget* second = store.budget(S::day(2026, 1, 1), 12);
    second->estimate();
    ASSERT_EQ(first->categoryLimits().size(), 1U);
    CategoryLimit* foodLimit = first->limitForCategory(*food);
    foodLimit->setAmount(S::dec("-120.50"));  // stored whole, halves away from zero
    EXPECT_EQ(foodLimit->amount(), S::dec("-121"));

    Category* rent = store.category("Rent");
    for (Budget* budget : {first, second}) {
        ASSERT_EQ(budget->categoryLimits().size(), 2U);
        ASSERT_NE(budget->limitForCategory(*rent), nullptr);
        EXPECT_EQ(budget->limitForCategory(*rent)->amount(), Decimal());
    }

    store.context().deleteObject(*food);
    EXPECT_EQ(first->categoryLimits().size(), 1U);
    EXPECT_EQ(second->categoryLimits().size(), 1U);
    EXPECT_EQ(CategoryLimit::countInContext(store.context()), 2U);

    store.context().deleteObject(*first);
    EXPECT_EQ(CategoryLimit::countInContext(store.context()), 1U);
    EXPECT_NO_THROW((void)second->trackExpense());
}

TEST_F(BudgetEntity, EstimateAveragesTheLast366Days) {
    // The earliest transaction lies more than a year back, so the window is 366 days.
    store.add(checking, S::day(2024, 1, 1), "-5000", nullptr);
    Category* exact = store.category("Exact");
    Category* fraction = store.category("Fraction");
    Category* salary = store.category("Salary");
    Category* idle = store.category("Idle");
    store.add(checking, S::day(2025, 3, 15), "-100", exact);  // first day of the window
    store.add(checking, S::day(2026, 3, 15), "-266", exact);  // today
    store.add(checking, S::day(2025, 3, 14), "-999", exact);  // a day too early
    store.add(checking, S::day(2025, 6, 1), "-365", fraction);
    store.add(checking, S::day(2025, 6, 1), "3660", salary);

    Budget* budget = store.budget(S::day(2026, 4, 1), 1);  // 30 days
    budget->estimate();
    EXPECT_EQ(budget->limitForCategory(*exact)->amount(), S::dec("-30"));
    EXPECT_EQ(budget->limitForCategory(*salary)->amount(), S::dec("300"));
    EXPECT_EQ(budget->limitForCategory(*idle)->amount(), S::dec("0"));

    Budget* march = store.budget(S::day(2026, 3, 1), 1);  // 31 days
    march->estimate();
    EXPECT_EQ(march->limitForCategory(*exact)->amount(), S::dec("-31"));
    EXPECT_EQ(march->limitForCategory(*fraction)->amount(), S::dec("-31"));
    EXPECT_EQ(march->expenseLimitTotal(), S::dec("-62"));
    EXPECT_EQ(march->incomeLimitTotal(), S::dec("310"));
    EXPECT_EQ(march->trackIncome().progress.size(), 1U);
}

TEST_F(BudgetEntity, EstimateWithoutTransactionsPutsEverythingOnTheExpenseSide) {
    store.category("Food");
    store.category("Salary");
    Budget* budget = store.budget(S::day(2026, 1, 1), 12);
    budget->estimate();
    budget->estimate();  // estimating again replaces the limits
    EXPECT_EQ(CategoryLimit::countInContext(store.context()), 2U);
    const TrackResult expense = budget->trackExpense();
    EXPECT_EQ(expense.progress.size(), 2U);
    EXPECT_EQ(expense.total.limit, Decimal());
    EXPECT_TRUE(budget->trackIncome().progress.empty());
}

TEST_F(BudgetEntity, TrackingSplitsGroupsBySideAndNetsEachCategory) {
    CategoryGroup* home = store.group("Home");
    Category* rent = store.category("Rent", home);
    Category* sublet = store.category("Sublet", home);
    Category* food = store.category("Food");
    Budget* budget =
        budgetWithLimits(S::day(2026, 1, 1), 3, {{rent, "-3000"}, {sublet, "600"}, {food, "0"}});
    store.add(checking, S::day(2026, 1, 1), "-1000", rent);
    store.add(checking, S::day(2026, 3, 31), "-1000", rent);
    store.add(checking, S::day(2026, 4, 1), "-1000", rent);  // after the end
    store.add(checking, S::day(2026, 2, 10), "-50", food);
    store.add(checking, S::day(2026, 2, 11), "80", food);  // a refund larger than the spending
    store.add(checking, S::day(2026, 2, 1), "200", sublet);

    const TrackResult expense = budget->trackExpense();
    ASSERT_EQ(expense.progress.size(), 2U);  // no uncategorized splits: no such row
    const TrackRow* homeRow = rowNamed(expense, "Home");
    ASSERT_NE(homeRow, nullptr);
    ASSERT_EQ(homeRow->categories.size(), 1U);
    EXPECT_EQ(homeRow->categories[0].name, "Rent");
    EXPECT_EQ(homeRow->actual, S::dec("-2000"));
    EXPECT_EQ(rowNamed(expense, "Food")->actual, S::dec("30"));
    EXPECT_EQ(expense.total.limit, S::dec("-3000"));
    EXPECT_EQ(expense.total.actual, S::dec("-1970"));

    const TrackResult income = budget->trackIncome();
    ASSERT_EQ(income.progress.size(), 1U);
    EXPECT_EQ(income.progress[0].name, "Home");
    EXPECT_EQ(income.progress[0].categories.at(0).name, "Sublet");
    EXPECT_EQ(income.total.actual, S::dec("200"));
}

TEST_F(BudgetEntity, UncategorizedSplitsGetARowOnTheExpenseSideOnly) {
    Category* food = store.category("Food");
    Budget* budget = budgetWithLimits(S::day(2026, 1, 1), 1, {{food, "-100"}});
    store.add(checking, S::day(2026, 1, 5), "-30", nullptr);
    store.add(checking, S::day(2026, 1, 6), "45", nullptr);
    const TrackResult expense = budget->trackExpense();
    const TrackRow* row = rowNamed(expense, "Uncategorized");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->type, TrackRow::Type::Uncategorized);
    EXPECT_EQ(row->actual, S::dec("15"));
    EXPECT_EQ(row->limit, Decimal());
    EXPECT_EQ(expense.total.actual, S::dec("15"));
    EXPECT_EQ(rowNamed(budget->trackIncome(), "Uncategorized"), nullptr);
}

TEST_F(BudgetEntity, BrokenInvariantsAreInternalErrors) {
    Category* food = store.category("Food");
    Budget* budget = budgetWithLimits(S::day(2026, 1, 1), 1, {{food, "-100"}});
    EXPECT_THROW((void)budget->track("savings"), AssertionFailure);
    auto* twin = store.context().insert<CategoryLimit>();
    twin->setCategory(food);
    budget->addCategoryLimitsObject(twin);
    EXPECT_THROW((void)budget->limitForCategory(*food), AssertionFailure);
    EXPECT_THROW((void)budget->trackExpense(), AssertionFailure);
    auto* orphan = store.context().insert<CategoryLimit>();
    EXPECT_THROW(orphan->estimate(std::nullopt), AssertionFailure);
    orphan->setCategory(food);
    EXPECT_THROW(orphan->estimate(std::nullopt), AssertionFailure);
}

TEST_F(BudgetEntity, EnoughDataNeedsMoreThan21Days) {
    EXPECT_FALSE(Budget::hasEnoughDataForBudget(store.context()));
    store.add(checking, S::day(2026, 1, 1), "-1", nullptr);
    EXPECT_FALSE(Budget::hasEnoughDataForBudget(store.context()));
    Transaction* second = store.add(checking, S::day(2026, 1, 21), "-1", nullptr);
    EXPECT_FALSE(Budget::hasEnoughDataForBudget(store.context()));  // 20 days apart
    second->setDate(S::day(2026, 1, 22));
    EXPECT_TRUE(Budget::hasEnoughDataForBudget(store.context()));  // 21 days apart
}

TEST_F(BudgetEntity, SummaryReadsLimitsActualsAndBalancesAroundThePeriod) {
    checking->setStartBalance(S::dec("1000"));
    Category* food = store.category("Food");
    Category* salary = store.category("Salary");
    Budget* budget = budgetWithLimits(S::day(2026, 1, 1), 3, {{food, "-3000"}, {salary, "3500"}});
    store.add(checking, S::day(2025, 12, 31), "-100", food);  // the day before: in the start
    store.add(checking, S::day(2026, 1, 1), "-1", food);      // the first day: in the period
    store.add(checking, S::day(2026, 2, 1), "-1234567.89", food);
    store.add(checking, S::day(2026, 2, 2), "2000000.01", salary);
    store.add(checking, S::day(2026, 4, 1), "-5", food);  // after the end
    const SummaryFigures::Inputs in =
        BudgetSummary::inputs(*budget, budget->trackExpense(), budget->trackIncome());
    EXPECT_EQ(in.expenseLimit, S::dec("-3000"));
    EXPECT_EQ(in.incomeLimit, S::dec("3500"));
    EXPECT_EQ(in.expenseActual, S::dec("-1234568.89"));
    EXPECT_EQ(in.incomeActual, S::dec("2000000.01"));
    EXPECT_EQ(in.balanceBeforeStart, S::dec("900"));
    EXPECT_EQ(in.balanceAtEnd, S::dec("766331.12"));
    EXPECT_FALSE(in.hasEnded);
}

TEST_F(BudgetEntity, MovingTheStartDateReArmsTheEndNotice) {
    Category* food = store.category("Food");
    Budget* budget = budgetWithLimits(S::day(2025, 1, 1), 1, {{food, "-100"}});
    budget->setDidShowEndNotice(true);
    budget->applySettings("Renamed", S::day(2025, 1, 1));
    EXPECT_EQ(budget->name(), "Renamed");
    EXPECT_TRUE(budget->didShowEndNotice());  // same period: nothing to show again

    budget->applySettings("Renamed", S::day(2026, 3, 1));
    EXPECT_FALSE(budget->didShowEndNotice());
    EXPECT_EQ(budget->limitForCategory(*food)->amount(), S::dec("-100"));
}

}  // namespace
