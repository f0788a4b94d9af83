// Amount and date assignment, splits, keywords and the validation rules of a transaction.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

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
    Transaction* add(const char* amount, Category* category = nullptr) {
        return account->createTransactionWithDate(ymd(2011, 3, 1), std::string("Rent"),
                                                  Decimal::fromString(amount), category,
                                                  std::nullopt, std::nullopt);
    }
    Split* addSplit(Transaction* t, const char* amount) {
        Split* split = ctx.insert<Split>();
        split->setAmount(Decimal::fromString(amount));
        t->addSplitsObject(split);
        return split;
    }
    std::vector<std::string> errorsOf(const Transaction& t) {
        std::optional<ValidationError> error;
        (void)t.validateForUpdate(error);
        return descriptions(error);
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Account* account = ctx.insert<Account>();
};

TEST_F(TransactionTest, AmountsRoundToCentsAndDatesToTheUTCDay) {
    Transaction* t = add("10.005");
    EXPECT_EQ(t->amount(), Decimal::fromString("10.01"));
    using namespace std::chrono;
    t->setDate(Date::TimePoint(sys_days(year(2011) / 3 / 5) + hours(23)));
    EXPECT_EQ(t->date(), ymd(2011, 3, 5));
}

TEST_F(TransactionTest, UnbalancedSplitsFailUntilFixed) {
    account->moveTo(ctx.insert<Node>(), 0);  // so that only the transaction can fail
    Transaction* t = add("-100");
    (*t->splits().begin())->setAmount(Decimal(-60));
    addSplit(t, "-30");
    EXPECT_EQ(descriptions(ctx.validateChanges()),
              (std::vector<std::string>{"Split amounts must add up to the transaction amount."}));
    t->fixSplitsIfNecessary();
    ASSERT_EQ(t->splits().size(), 3u);
    EXPECT_EQ(t->sortedSplits().front()->amount(), Decimal(-10));
    EXPECT_FALSE(ctx.validateChanges().has_value());
}

TEST_F(TransactionTest, OneSplitCountsTheTransactionAmountForItsCategory) {
    Category* housing = ctx.insert<Category>();
    Transaction* t = add("-25", housing);
    EXPECT_EQ((*t->splits().begin())->amount(), Decimal());
    EXPECT_EQ(housing->amountFromDate(ymd(2011, 3, 1), ymd(2011, 3, 31)), Decimal(-25));
    t->fixSplitsIfNecessary();
    EXPECT_EQ(t->splits().size(), 1u);
}

TEST_F(TransactionTest, BankFieldsAreAllUnsetOrCarryAmountTitleAndDate) {
    const std::string inconsistent = "Bank fields are inconsistent";
    Transaction* t = add("-5");
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
    Transaction* a = add("-5");
    Transaction* b = add("-6");
    Account* other = ctx.insert<Account>();
    Transaction* c = other->createTransactionWithDate(ymd(2011, 3, 1), std::nullopt, Decimal(1),
                                                      nullptr, std::nullopt, std::nullopt);
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
    Transaction* t = add("-5");
    t->setType(std::string(kTransactionTypeGenerated));
    EXPECT_EQ(errorsOf(*t),
              (std::vector<std::string>{"An internal error has occurred. (Code: BBEXA)",
                                        "An internal error has occurred. (Code: ABEXA)"}));
}

TEST_F(TransactionTest, KeywordsHoldTitleCategoriesNotesAndTheExactAmount) {
    Category* housing = ctx.insert<Category>();
    housing->setName("Housing");
    EXPECT_EQ(add("-1200", housing)->keywords(), "Rent Housing 1200.00");
    Transaction* big = add("-1234567.89");
    big->setNotes(std::string("deposit"));
    EXPECT_EQ(big->keywords(), "Rent deposit 1234567.89");
}

TEST_F(TransactionTest, EffectiveStartBalanceDateIsBeforeTheFirstTransaction) {
    account->setStartBalanceDate(ymd(2011, 3, 1));
    EXPECT_EQ(account->effectiveStartBalanceDate(), ymd(2011, 3, 1));
    add("1")->setDate(ymd(2011, 2, 10));
    EXPECT_EQ(account->effectiveStartBalanceDate(), ymd(2011, 2, 9));
    account->setStartBalanceDate(ymd(2011, 1, 1));
    EXPECT_EQ(account->effectiveStartBalanceDate(), ymd(2011, 1, 1));
}

}  // namespace
