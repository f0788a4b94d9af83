#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AccountSheets.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledHooks.h"
#include "scheduled/ScheduledItem.h"

namespace {

using ProjectionTest = ScheduledFixture;

TEST_F(ProjectionTest, NewMonthExtendsTheProjection) {
    ScheduledItem* rent = item(ymd(2011, 3, 15), "Month", "-800");
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    EXPECT_EQ(global->projectionEndDate(), ymd(2011, 3, 31));
    EXPECT_EQ(rows(*checking), Rows{"2011-03-15 -800.00 generated"});
    Transaction* first = *rent->projectedTransactions().begin();
    EXPECT_EQ(first->title(), std::string("Bill"));
    EXPECT_TRUE(first->hasScheduledItem());
    EXPECT_EQ(ScheduledItem::itemOfTransaction(*first), rent);
    EXPECT_FALSE(first->isPending());

    ScheduledItem::updateProjections(ctx, ymd(2011, 4, 1));
    EXPECT_EQ(global->projectionEndDate(), ymd(2011, 4, 30));
    EXPECT_EQ(rows(*checking),
              (Rows{"2011-03-15 -800.00 generated", "2011-04-15 -800.00 generated"}));
    // The March transaction is the same one: only the far end moved.
    EXPECT_TRUE(rent->projectedTransactions().contains(first));
}

TEST_F(ProjectionTest, ShorterProjectionDropsOnlyTheFarEnd) {
    ScheduledItem* rent = item(ymd(2011, 3, 15), "Month", "-800");
    global->setProjectedMonths(3);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    ASSERT_EQ(rows(*checking).size(), 3u);
    Transaction* march = Transaction::findFirstByPredicate(
        [](const Transaction& t) { return t.date() == ymd(2011, 3, 15); }, ctx);
    global->setProjectedMonths(1);
    ScheduledItem::updateProjections(ctx, ymd(2011, 3, 10));
    EXPECT_EQ(rows(*checking), Rows{"2011-03-15 -800.00 generated"});
    EXPECT_TRUE(rent->projectedTransactions().contains(march));
    EXPECT_EQ(Transaction::countInContext(ctx), 1u);
}

TEST_F(ProjectionTest, ExchangedTransferIsConvertedIntoTheDestination) {
    Account* abroad = foreignAccount("EUR", "0.8");
    ScheduledItem* transfer = item(ymd(2011, 3, 7), "Week", "-100");
    transfer->setToAccount(abroad);
    Account* savings = ctx.insert<Account>();
    item(ymd(2011, 3, 7), "Week", "-5")->setToAccount(savings);

    EXPECT_EQ(ScheduledItem::allWithExchangedTransfer(ctx), std::vector<ScheduledItem*>{transfer});
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 1));
    Rows source;
    Rows destination;
    for (const char* day : {"07", "14", "21", "28"}) {
        const std::string date = std::string("2011-03-") + day;
        source.push_back(date + " -100.00 generated");
        source.push_back(date + " -5.00 generated");
        destination.push_back(date + " 80.00 generated");
    }
    EXPECT_EQ(rows(*checking), source);
    EXPECT_EQ(rows(*abroad), destination);
    EXPECT_EQ(rows(*savings).front(), "2011-03-07 5.00 generated");
}

TEST_F(ProjectionTest, ARateChangeRegeneratesExchangedTransfers) {
    installScheduledHooks();
    global->setHomeCurrency("USD");
    Account* abroad = foreignAccount("EUR", "2");  // the file's rate is different
    ScheduledItem* transfer = item(ymd(2024, 3, 15), "Month", "-100");
    transfer->setToAccount(abroad);
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2024, 3, 10));

    ASSERT_TRUE(CurrencyUpdater(ctx, CurrenciesFile::defaultPath()).updateCurrencies().rateChanged);

    const Decimal expected = Currency::exchange(Decimal(100), nullptr, abroad->currency());
    ASSERT_NE(expected, Decimal(200));
    EXPECT_EQ(rows(*abroad), Rows{"2024-03-15 " + expected.toString(2) + " generated"});
    CurrencyUpdater::setExchangedTransferRegeneration(nullptr);
}

// The edit-account sheet reaches the projection only through the hook the scheduled items
// install.
TEST_F(ProjectionTest, AnAccountsNewCurrencyRegeneratesItsTransfersBothWays) {
    installScheduledHooks();
    Account* abroad = foreignAccount("EUR", "0.8");
    item(ymd(2011, 3, 15), "Month", "-100")->setToAccount(abroad);
    ScheduledItem* back = item(ymd(2011, 3, 20), "Month", "-50");
    back->setAccount(abroad);
    back->setToAccount(checking);
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    const Rows before{"2011-03-15 80.00 generated", "2011-03-20 -50.00 generated"};
    ASSERT_EQ(rows(*abroad), before);
    ASSERT_EQ(rows(*checking),
              (Rows{"2011-03-15 -100.00 generated", "2011-03-20 62.50 generated"}));

    auto newCurrency = [&](const char* code, const char* rate, bool projectionShown) {
        auto* currency = ctx.insert<Currency>();
        currency->setCode(code);
        currency->setRate(Decimal::fromString(rate));
        AccountSheets::confirmEdit(*abroad, {"Abroad", 0, currency, abroad->startBalance(), false},
                                   projectionShown, ymd(2011, 3, 10));
    };
    newCurrency("GBP", "4", false);  // no projection shown: left as it was
    EXPECT_EQ(rows(*abroad), before);
    newCurrency("CHF", "2", true);
    EXPECT_EQ(rows(*abroad), (Rows{"2011-03-15 200.00 generated", "2011-03-20 -50.00 generated"}));
    EXPECT_EQ(rows(*checking),
              (Rows{"2011-03-15 -100.00 generated", "2011-03-20 25.00 generated"}));
    AccountSheets::setTransferRegeneration(nullptr);
    CurrencyUpdater::setExchangedTransferRegeneration(nullptr);
}

TEST_F(ProjectionTest, HidingDeletesEveryGeneratedTransactionAndTurnsOff) {
    ScheduledItem* rent = item(ymd(2011, 3, 15), "Month", "-800");
    global->setProjectedMonths(2);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    EXPECT_THROW(rent->generateProjection(), AssertionFailure);
    ScheduledItem::hideProjections(ctx);
    EXPECT_TRUE(rent->projectedTransactions().empty());
    EXPECT_EQ(Transaction::countInContext(ctx), 0u);
    EXPECT_FALSE(global->isShowingProjection());
    EXPECT_FALSE(global->projectionEndDate().has_value());
    EXPECT_THROW(rent->generateProjection(), AssertionFailure);
}

TEST_F(ProjectionTest, DeletingAnItemOrItsAccountTakesTheProjectionAlong) {
    ScheduledItem* rent = item(ymd(2011, 3, 15), "Month", "-800");
    global->setProjectedMonths(2);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    ASSERT_EQ(Transaction::countInContext(ctx), 2u);
    ctx.deleteObject(*rent);
    EXPECT_EQ(Transaction::countInContext(ctx), 0u);

    ScheduledItem* other = item(ymd(2011, 3, 15), "Month", "-800");
    ctx.deleteObject(*checking);
    EXPECT_TRUE(other->isDeleted());
}

}  // namespace
