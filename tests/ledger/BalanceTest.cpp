#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

class BalanceTest : public ::testing::Test {
protected:
    Transaction* add(Account* account, Date date, const char* amount, Category* c = nullptr) {
        return account->createTransactionWithDate(date, std::string("Entry"),
                                                  Decimal::fromString(amount), c, std::nullopt,
                                                  std::nullopt);
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Account* checking = ctx.insert<Account>();
};

TEST_F(BalanceTest, RunningLedgerOnDateAndReconciledBalances) {
    checking->setStartBalance(Decimal(100));
    Transaction* rent = add(checking, ymd(2011, 3, 1), "-30");
    Transaction* pay = add(checking, ymd(2011, 3, 5), "50");

    EXPECT_EQ(rent->runningBalance(), Decimal(70));
    EXPECT_EQ(pay->runningBalance(), Decimal(120));
    EXPECT_EQ(checking->balance(), Decimal(120));
    EXPECT_EQ(checking->balanceOnDate(ymd(2011, 3, 3)), Decimal(70));
    EXPECT_EQ(checking->balanceOnDate(ymd(2011, 2, 28)), Decimal(100));

    rent->setIsPending(false);
    EXPECT_EQ(checking->reconciledBalance(), Decimal(70));
}

TEST_F(BalanceTest, SameDayTransactionsFollowTheirSortIDs) {
    Transaction* first = add(checking, ymd(2011, 3, 1), "-10");
    Transaction* second = add(checking, ymd(2011, 3, 1), "-20");
    Transaction* earlier = add(checking, ymd(2011, 2, 1), "5");
    EXPECT_EQ(checking->orderedTransactions(),
              (std::vector<Transaction*>{second, first, earlier}));
    EXPECT_EQ(first->runningBalance(), Decimal(-5));
    EXPECT_EQ(second->runningBalance(), Decimal(-25));
}

TEST_F(BalanceTest, CreatedTransactionIsPendingUnlessTheAccountIsCash) {
    Category* food = ctx.insert<Category>();
    Transaction* bank = add(checking, ymd(2011, 3, 1), "-12.345", food);
    EXPECT_TRUE(bank->isPending());
    EXPECT_EQ(bank->amount().toString(2), "-12.35");
    ASSERT_EQ(bank->splits().size(), 1u);
    EXPECT_EQ((*bank->splits().begin())->category(), food);

    Account* wallet = ctx.insert<Account>();
    wallet->setType(std::string(kAccountTypeCash));
    EXPECT_FALSE(add(wallet, ymd(2011, 3, 1), "-5")->isPending());
}

TEST_F(BalanceTest, GroupBalanceIsInTheHomeCurrency) {
    AccountGroup* group = ctx.insert<AccountGroup>();
    Account* abroad = ctx.insert<Account>();
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("EUR");
    euro->setRate(Decimal(2));
    abroad->setCurrency(euro);
    checking->moveTo(group, 0);
    abroad->moveTo(group, 1);
    checking->setStartBalance(Decimal(100));
    abroad->setStartBalance(Decimal(100));
    EXPECT_EQ(group->balance(), Decimal(150));
}

TEST_F(BalanceTest, CategorySumsAndTheAverageWindow) {
    Category* food = ctx.insert<Category>();
    add(checking, ymd(2010, 1, 1), "-1000");  // the store's first day: starts no window
    add(checking, ymd(2011, 1, 2), "-366", food);
    add(checking, ymd(2010, 12, 31), "-99", food);  // a day before the 366-day window
    add(checking, ymd(2011, 6, 1), "40");        // uncategorized

    EXPECT_EQ(food->amountFromDate(ymd(2011, 1, 2), ymd(2012, 1, 1)), Decimal(-366));
    EXPECT_FALSE(food->amountFromDate(ymd(2012, 1, 2), ymd(2012, 2, 1)).has_value());
    EXPECT_EQ(Category::uncategorizedAmountFromDate(ymd(2011, 1, 1), ymd(2011, 12, 31), ctx),
              Decimal(40));
    EXPECT_EQ(food->averageAmountPerDay(ymd(2012, 1, 1)), Decimal(-1));
    EXPECT_EQ(food->averageAmountPerDay(ymd(2009, 12, 31)), Decimal(0));
}

}  // namespace
