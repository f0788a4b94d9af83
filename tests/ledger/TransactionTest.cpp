// Balances, amounts, dates, splits, keywords and the validation rules of transactions.
#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

const Date kDay = ymd(2011, 3, 1);

// Every description in an error, combined or not.
std::vector<std::string> descriptions(const std::optional<ValidationError>& error) {
    std::vector<std::string> all;
    if (!error) {
        return all;
    }
    if (error->isMultipleValidationErrors()) {
        for (const ValidationError& detail : error->detailedErrors) {
            all.push_back(detail.localizedDescription);
        }
    } else {
        all.push_back(error->localizedDescription);
    }
    return all;
}

class TransactionTest : public ::testing::Test {
protected:
    Transaction* add(Date date, const char* amount, Category* category = nullptr,
                     Account* in = nullptr) {
        return (in ? in : account)
            ->createTransactionWithDate(date, std::string("Rent"), dec(amount), category,
                                        std::nullopt, std::nullopt);
    }
    Split* addSplit(Transaction* t, const char* amount) {
        Split* split = ctx.insert<Split>();
        split->setAmount(dec(amount));
        t->addSplitsObject(split);
        return split;
    }
    std::vector<std::string> errorsOf(const Transaction& t) {
        std::optional<ValidationError> error;
        (void)t.validateForUpdate(error);
        return descriptions(error);
    }

    ObjectContext ctx{applicationModel()};
    Account* account = ctx.insert<Account>();
};

TEST_F(TransactionTest, RunningLedgerOnDateAndReconciledBalances) {
    account->setStartBalance(Decimal(100));
    Transaction* rent = add(kDay, "-30");
    Transaction* pay = add(ymd(2011, 3, 5), "50");

    EXPECT_EQ(rent->runningBalance(), Decimal(70));
    EXPECT_EQ(pay->runningBalance(), Decimal(120));
    EXPECT_EQ(account->balance(), Decimal(120));
    EXPECT_EQ(account->balanceOnDate(ymd(2011, 3, 3)), Decimal(70));
    EXPECT_EQ(account->balanceOnDate(ymd(2011, 2, 28)), Decimal(100));

    rent->setIsPending(false);
    EXPECT_EQ(account->reconciledBalance(), Decimal(70));
}

TEST_F(TransactionTest, SameDayTransactionsFollowTheirSortIDs) {
    Transaction* first = add(kDay, "-10");
    Transaction* second = add(kDay, "-20");
    Transaction* earlier = add(ymd(2011, 2, 1), "5");
    EXPECT_EQ(account->orderedTransactions(), (std::vector<Transaction*>{second, first, earlier}));
    EXPECT_EQ(first->runningBalance(), Decimal(-5));
    EXPECT_EQ(second->runningBalance(), Decimal(-25));
}

TEST_F(TransactionTest, SortingInStandardOrderHoldsForEverySortIDAndDay) {
    constexpr std::int64_t k32 = std::int64_t{1} << 32;
    const struct {
        const char* name;
        std::int64_t lowestSortID;
        std::int64_t highestSortID;
    } cases[] = {
        {"sort IDs from zero", 0, 5000},
        {"up to the last of 32 bits", k32 - 5000, k32 - 1},
        {"one beyond 32 bits", k32 - 4999, k32},
        {"negative ones", -2500, 2500},
    };
    std::mt19937 rng{11};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Transaction*> transactions;
        for (std::int64_t sortID = c.lowestSortID; sortID <= c.highestSortID; ++sortID) {
            // Days on both sides of 1970, many on the same day.
            Transaction* t = add(ymd(1969, 12, 1).daysLater_PN(static_cast<int>(rng() % 90)), "1");
            t->setSortID(sortID);
            transactions.push_back(t);
        }
        std::shuffle(transactions.begin(), transactions.end(), rng);
        std::vector<Transaction*> expected = transactions;
        std::sort(expected.begin(), expected.end(), [](const Transaction* a, const Transaction* b) {
            return Transaction::precedesInStandardOrder(*a, *b);
        });
        Transaction::sortInStandardOrder(transactions);
        EXPECT_EQ(transactions, expected);
        for (Transaction* t : transactions) {
            ctx.deleteObject(*t);
        }
    }
}

TEST_F(TransactionTest, CreatedTransactionIsPendingUnlessTheAccountIsCash) {
    Category* food = ctx.insert<Category>();
    Transaction* bank = add(kDay, "-12.345", food);
    EXPECT_TRUE(bank->isPending());
    EXPECT_EQ(bank->amount(), dec("-12.35"));  // stored rounded, not only shown so
    ASSERT_EQ(bank->splits().size(), 1u);
    EXPECT_EQ((*bank->splits().begin())->category(), food);

    Account* wallet = ctx.insert<Account>();
    wallet->setType(std::string(kAccountTypeCash));
    EXPECT_FALSE(add(kDay, "-5", nullptr, wallet)->isPending());
}

TEST_F(TransactionTest, GroupBalanceIsInTheHomeCurrency) {
    AccountGroup* group = ctx.insert<AccountGroup>();
    Account* abroad = ctx.insert<Account>();
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("EUR");
    euro->setRate(Decimal(2));
    abroad->setCurrency(euro);
    account->moveTo(group, 0);
    abroad->moveTo(group, 1);
    account->setStartBalance(Decimal(100));
    abroad->setStartBalance(Decimal(100));
    EXPECT_EQ(group->balance(), Decimal(150));
}

TEST_F(TransactionTest, CategorySumsAndTheAverageWindow) {
    Category* food = ctx.insert<Category>();
    add(ymd(2010, 1, 1), "-1000");  // the store's first day: starts no window
    add(ymd(2011, 1, 2), "-366", food);
    add(ymd(2010, 12, 31), "-99", food);  // a day before the 366-day window
    add(ymd(2011, 6, 1), "40");           // uncategorized

    EXPECT_EQ(food->amountFromDate(ymd(2011, 1, 2), ymd(2012, 1, 1)), Decimal(-366));
    EXPECT_FALSE(food->amountFromDate(ymd(2012, 1, 2), ymd(2012, 2, 1)).has_value());
    EXPECT_EQ(Category::uncategorizedAmountFromDate(ymd(2011, 1, 1), ymd(2011, 12, 31), ctx),
              Decimal(40));
    EXPECT_EQ(food->averageAmountPerDay(ymd(2012, 1, 1)), Decimal(-1));
    EXPECT_EQ(food->averageAmountPerDay(ymd(2009, 12, 31)), Decimal(0));
}

TEST_F(TransactionTest, DatesAreTheUTCDay) {
    Transaction* t = add(kDay, "1");
    using namespace std::chrono;
    t->setDate(Date::TimePoint(sys_days(year(2011) / 3 / 5) + hours(23)));
    EXPECT_EQ(t->date(), ymd(2011, 3, 5));
}

TEST_F(TransactionTest, UnbalancedSplitsFailUntilFixed) {
    account->moveTo(ctx.insert<Node>(), 0);  // so that only the transaction can fail
    Transaction* t = add(kDay, "-100");
    (*t->splits().begin())->setAmount(Decimal(-60));
    addSplit(t, "-30");
    EXPECT_EQ(descriptions(ctx.validateChanges()),
              (std::vector<std::string>{"Split amounts must add up to the transaction amount."}));
    t->fixSplitsIfNecessary();
    ASSERT_EQ(t->splits().size(), 3u);
    EXPECT_EQ(t->sortedSplits().front()->amount(), Decimal(-10));
    EXPECT_FALSE(ctx.validateChanges().has_value());
}

TEST_F(TransactionTest, SavesRefuseAmountsOfSixteenWholeDigitsAndDatesBeyondTheYear9999) {
    account->moveTo(ctx.insert<Node>(), 0);  // so that only what is set here can fail
    Transaction* t = add(kDay, "-100");
    t->setAmount(dec("999999999999999.99"));
    (*t->splits().begin())->setAmount(dec("-999999999999999.99"));
    account->setStartBalance(dec("-999999999999999.99"));
    EXPECT_FALSE(ctx.validateChanges().has_value());

    t->setAmount(dec("1e15"));
    (*t->splits().begin())->setAmount(dec("-1000000000000000.5"));
    account->setStartBalanceDate(ymd(10000, 1, 1));
    const std::string tooLarge =
        " is too large: an amount may have at most 15 digits before the decimal point.";
    std::vector<std::string> errors = descriptions(ctx.validateChanges());
    std::sort(errors.begin(), errors.end());
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "The amount -1000000000000000.5" + tooLarge,
                          "The amount 1000000000000000" + tooLarge,
                          "The date 10000-01-01 is outside the years 1 to 9999.",
                      }));
}

TEST_F(TransactionTest, OneSplitCountsTheTransactionAmountForItsCategory) {
    Category* housing = ctx.insert<Category>();
    Transaction* t = add(kDay, "-25", housing);
    EXPECT_EQ((*t->splits().begin())->amount(), Decimal());
    EXPECT_EQ(housing->amountFromDate(ymd(2011, 3, 1), ymd(2011, 3, 31)), Decimal(-25));
    t->fixSplitsIfNecessary();
    EXPECT_EQ(t->splits().size(), 1u);
}

TEST_F(TransactionTest, BankFieldsAreAllUnsetOrCarryAmountTitleAndDate) {
    const std::string inconsistent = "Bank fields are inconsistent";
    Transaction* t = add(kDay, "-5");
    EXPECT_TRUE(errorsOf(*t).empty());
    t->setOfxFitID(std::string("F1"));
    EXPECT_EQ(errorsOf(*t), (std::vector<std::string>{inconsistent}));
    t->setOfxAmount(Decimal(-5));
    t->setOfxTitle(std::string("RENT"));
    EXPECT_EQ(errorsOf(*t), (std::vector<std::string>{inconsistent}));
    t->setOfxDate(ymd(2011, 3, 1));
    EXPECT_TRUE(errorsOf(*t).empty());
}

TEST_F(TransactionTest, FitIDsAreUniqueWithinOneAccountOnly) {
    const std::string bafew = "An internal error has occurred. (Code: BAFEW)";
    Transaction* a = add(kDay, "-5");
    Transaction* b = add(kDay, "-6");
    Transaction* c = add(kDay, "1", nullptr, ctx.insert<Account>());
    for (Transaction* t : {a, b, c}) {
        t->setOfxAmount(t->amount());
        t->setOfxTitle(std::string("X"));
        t->setOfxDate(t->date());
        t->setOfxFitID(std::string("SAME"));
    }
    EXPECT_EQ(errorsOf(*a), (std::vector<std::string>{bafew}));
    EXPECT_EQ(errorsOf(*b), (std::vector<std::string>{bafew}));
    EXPECT_TRUE(errorsOf(*c).empty());
}

TEST_F(TransactionTest, GeneratedTransactionsMustBeClearedAndScheduled) {
    Transaction* t = add(kDay, "-5");
    t->setType(std::string(kTransactionTypeGenerated));
    EXPECT_EQ(errorsOf(*t),
              (std::vector<std::string>{"An internal error has occurred. (Code: BBEXA)",
                                        "An internal error has occurred. (Code: ABEXA)"}));
}

TEST_F(TransactionTest, KeywordsHoldTitleCategoriesNotesAndTheExactAmount) {
    Category* housing = ctx.insert<Category>();
    housing->setName("Housing");
    EXPECT_EQ(add(kDay, "-1200", housing)->keywords(), "Rent Housing 1200.00");
    Transaction* big = add(kDay, "-1234567.89");
    big->setNotes(std::string("deposit"));
    EXPECT_EQ(big->keywords(), "Rent deposit 1234567.89");
}

TEST_F(TransactionTest, EffectiveStartBalanceDateIsBeforeTheFirstTransaction) {
    account->setStartBalanceDate(ymd(2011, 3, 1));
    EXPECT_EQ(account->effectiveStartBalanceDate(), ymd(2011, 3, 1));
    add(kDay, "1")->setDate(ymd(2011, 2, 10));
    EXPECT_EQ(account->effectiveStartBalanceDate(), ymd(2011, 2, 9));
    account->setStartBalanceDate(ymd(2011, 1, 1));
    EXPECT_EQ(account->effectiveStartBalanceDate(), ymd(2011, 1, 1));
}

}  // namespace
