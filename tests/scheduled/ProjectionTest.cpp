#include <gtest/gtest.h>

#include <algorithm>

#include "session/ApplicationModel.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

class ProjectionTest : public ::testing::Test {
protected:
    ScheduledItem* item(Date due, const char* type, const char* amount) {
        ScheduledItem* i = ctx.insert<ScheduledItem>();
        i->setTitle("Bill");
        i->setAmount(Decimal::fromString(amount));
        i->setRepeatType(std::string(type));
        i->setRepeatInterval(1);
        i->setNextDueDate(due);
        i->setAccount(checking);
        return i;
    }

    // The dates and amounts of the item's generated transactions in `account`, by date.
    static std::vector<std::pair<Date, std::string>> projected(const ScheduledItem& i,
                                                               const Account* account) {
        std::vector<std::pair<Date, std::string>> out;
        for (Transaction* t : i.projectedTransactions()) {
            EXPECT_EQ(t->type(), std::string("generated"));
            EXPECT_FALSE(t->isPending());
            if (t->account() == account) {
                out.emplace_back(t->date(), t->amount().toString(2));
            }
        }
        std::sort(out.begin(), out.end(),
                  [](const auto& a, const auto& b) { return b.first.isLaterThan_PN(a.first); });
        return out;
    }

    static std::vector<Date> datesOf(const std::vector<std::pair<Date, std::string>>& rows) {
        std::vector<Date> dates;
        for (const auto& row : rows) {
            dates.push_back(row.first);
        }
        return dates;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Global* global = Global::sharedInstanceInContext(ctx);
    Account* checking = ctx.insert<Account>();
};

TEST_F(ProjectionTest, NewMonthExtendsTheProjection) {
    ScheduledItem* rent = item(ymd(2011, 3, 15), "Month", "-800");
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    EXPECT_EQ(global->projectionEndDate(), ymd(2011, 3, 31));
    EXPECT_EQ(datesOf(projected(*rent, checking)), std::vector<Date>{ymd(2011, 3, 15)});
    Transaction* first = *rent->projectedTransactions().begin();
    EXPECT_EQ(first->title(), std::string("Bill"));
    EXPECT_TRUE(first->hasScheduledItem());

    EXPECT_TRUE(ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 4, 1)));
    ScheduledItem::updateProjections(ctx, ymd(2011, 4, 1));
    EXPECT_EQ(global->projectionEndDate(), ymd(2011, 4, 30));
    EXPECT_EQ(datesOf(projected(*rent, checking)),
              (std::vector<Date>{ymd(2011, 3, 15), ymd(2011, 4, 15)}));
    // The March transaction is the same one: only the far end moved.
    EXPECT_TRUE(rent->projectedTransactions().contains(first));
}

TEST_F(ProjectionTest, ShorterProjectionDropsOnlyTheFarEnd) {
    ScheduledItem* rent = item(ymd(2011, 3, 15), "Month", "-800");
    global->setProjectedMonths(3);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    ASSERT_EQ(rent->projectedTransactions().size(), 3u);
    Transaction* march = nullptr;
    for (Transaction* t : rent->projectedTransactions()) {
        if (t->date() == ymd(2011, 3, 15)) {
            march = t;
        }
    }
    global->setProjectedMonths(1);
    ScheduledItem::updateProjections(ctx, ymd(2011, 3, 10));
    EXPECT_EQ(datesOf(projected(*rent, checking)), std::vector<Date>{ymd(2011, 3, 15)});
    EXPECT_TRUE(rent->projectedTransactions().contains(march));
    EXPECT_EQ(Transaction::countInContext(ctx), 1u);
}

TEST_F(ProjectionTest, ExchangedTransferIsConvertedIntoTheDestination) {
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("EUR");
    euro->setRate(Decimal::fromString("0.8"));
    Account* abroad = ctx.insert<Account>();
    abroad->setCurrency(euro);
    ScheduledItem* transfer = item(ymd(2011, 3, 7), "Week", "-100");
    transfer->setToAccount(abroad);
    ScheduledItem* plain = item(ymd(2011, 3, 7), "Week", "-5");
    plain->setToAccount(ctx.insert<Account>());

    EXPECT_EQ(ScheduledItem::allWithExchangedTransfer(ctx), std::vector<ScheduledItem*>{transfer});
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 1));
    using Rows = std::vector<std::pair<Date, std::string>>;
    Rows source = projected(*transfer, checking);
    Rows destination = projected(*transfer, abroad);
    ASSERT_EQ(source.size(), 4u);  // 7, 14, 21, 28 March
    ASSERT_EQ(destination.size(), 4u);
    for (std::size_t i = 0; i < source.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(source[i].second, "-100.00");
        EXPECT_EQ(destination[i], std::make_pair(source[i].first, std::string("80.00")));
    }
    EXPECT_EQ(projected(*plain, plain->toAccount())[0].second, "5.00");
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
