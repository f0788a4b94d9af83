#include <gtest/gtest.h>

#include <algorithm>

#include "ReportTestStore.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"
#include "reports/AccountReports.h"
#include "reports/TransactionReports.h"

namespace {

using S = ReportTestStore;

class ReportQueries : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixedToday(S::day(2026, 3, 15)); }
    void TearDown() override { Clock::reset(); }

    BreakdownPair march(const CategoryGroup* group = nullptr) {
        return AccountReports::breakdownFromDate(S::day(2026, 3, 1), S::day(2026, 3, 31), group,
                                                 store.context());
    }

    ReportTestStore store;
    Account* checking = store.account("Checking");
};

TEST_F(ReportQueries, EmptyStoreGivesEmptyFigures) {
    const BreakdownPair sides = march();
    EXPECT_TRUE(sides.expense.empty());
    EXPECT_TRUE(sides.income.empty());
    EXPECT_EQ(AccountReports::incomeTotalFromDate(S::day(2026, 1, 1), S::day(2026, 12, 31),
                                                  store.context()),
              Decimal());
    EXPECT_EQ(Account::overallBalanceInContext(store.context()), Decimal());
    EXPECT_EQ(TransactionReports::reportDateRange(store.context()),
              (DateRange{S::day(2026, 3, 15), S::day(2026, 3, 15)}));
}

TEST_F(ReportQueries, SidesFollowEachCategorysNetAmount) {
    Category* shoes = store.category("Shoes");
    Category* even = store.category("Even");
    Category* idle = store.category("Idle");
    store.add(checking, S::day(2026, 3, 2), "-50", shoes);
    store.add(checking, S::day(2026, 3, 20), "80", shoes);
    store.add(checking, S::day(2026, 3, 3), "-20", even);
    store.add(checking, S::day(2026, 3, 4), "20", even);
    store.add(checking, S::day(2026, 2, 28), "-500", idle);  // outside the range
    store.add(checking, S::day(2026, 3, 31), "-7", nullptr);

    const BreakdownPair sides = march();
    EXPECT_EQ(sides.income, (Breakdown{{shoes, S::dec("30")}}));
    EXPECT_EQ(sides.expense, (Breakdown{{even, S::dec("0")}, {UncategorizedKey{}, S::dec("-7")}}));
    EXPECT_EQ(AccountReports::expenseTotalFromDate(S::day(2026, 3, 1), S::day(2026, 3, 31),
                                                   store.context()),
              S::dec("-7"));
}

TEST_F(ReportQueries, GroupingSumsPerSideAndTheGroupFilterKeepsOnlyItsCategories) {
    CategoryGroup* car = store.group("Car");
    Category* fuel = store.category("Fuel", car);
    Category* repairs = store.category("Repairs", car);
    Category* resale = store.category("Resale", car);
    Category* food = store.category("Food");
    store.add(checking, S::day(2026, 3, 5), "-10", fuel);
    store.add(checking, S::day(2026, 3, 6), "-15", repairs);
    store.add(checking, S::day(2026, 3, 7), "900", resale);
    store.add(checking, S::day(2026, 3, 8), "-40", food);
    store.add(checking, S::day(2026, 3, 9), "-3", nullptr);

    const BreakdownPair grouped = march();
    EXPECT_EQ(grouped.expense, (Breakdown{{car, S::dec("-25")},
                                          {food, S::dec("-40")},
                                          {UncategorizedKey{}, S::dec("-3")}}));
    EXPECT_EQ(grouped.income, (Breakdown{{car, S::dec("900")}}));

    const BreakdownPair filtered = march(car);
    EXPECT_EQ(filtered.expense, (Breakdown{{fuel, S::dec("-10")}, {repairs, S::dec("-15")}}));
    EXPECT_EQ(filtered.income, (Breakdown{{resale, S::dec("900")}}));
}

TEST_F(ReportQueries, TransactionsBehindAFigureAreListedOnce) {
    Category* food = store.category("Food");
    Transaction* twoUncategorized =
        store.addSplits(checking, S::day(2026, 3, 3), {{"-1", nullptr}, {"-2", nullptr}});
    Transaction* mixed = store.addSplits(checking, S::day(2026, 3, 4),
                                         {{"-1", food}, {"-2", food}, {"-3", nullptr}});
    store.add(checking, S::day(2026, 4, 1), "-5", nullptr);  // outside
    auto sorted = [](std::vector<Transaction*> list) {
        std::sort(list.begin(), list.end());
        return list;
    };
    const std::pair range{S::day(2026, 3, 1), S::day(2026, 3, 31)};
    EXPECT_EQ(sorted(TransactionReports::allWithDateRange(range, nullptr, store.context())),
              sorted({twoUncategorized, mixed}));
    EXPECT_EQ(TransactionReports::allWithDateRange(range, food, store.context()),
              std::vector<Transaction*>{mixed});
}

TEST_F(ReportQueries, ReportRangeReachesTodayOrTheLatestTransaction) {
    store.add(checking, S::day(2025, 7, 4), "-1", nullptr);
    EXPECT_EQ(TransactionReports::reportDateRange(store.context()),
              (DateRange{S::day(2025, 7, 4), S::day(2026, 3, 15)}));
    store.add(checking, S::day(2026, 6, 15), "-1", nullptr);  // projected three months ahead
    EXPECT_EQ(TransactionReports::reportDateRange(store.context()),
              (DateRange{S::day(2025, 7, 4), S::day(2026, 6, 15)}));
    EXPECT_EQ(Transaction::dateOfLatestTransactionInContext(store.context()), S::day(2026, 6, 15));
}

TEST_F(ReportQueries, OverallBalanceCountsClosedAndForeignAccounts) {
    Account* closed = store.account("Old");
    closed->setIsClosed(true);
    closed->setStartBalance(S::dec("10"));
    Account* abroad = store.account("Abroad", store.currency("GBP", "0.5"));
    abroad->setStartBalance(S::dec("100"));
    store.add(checking, S::day(2026, 1, 10), "250", nullptr);
    store.add(checking, S::day(2026, 2, 10), "-50", nullptr);
    store.add(abroad, S::day(2026, 2, 1), "-40", nullptr);
    EXPECT_EQ(Account::overallBalanceOnDate(S::day(2026, 1, 31), store.context()),
              S::dec("460"));  // 250 + 10 + 100 / 0.5
    EXPECT_EQ(Account::overallBalanceInContext(store.context()), S::dec("330"));
}

}  // namespace
