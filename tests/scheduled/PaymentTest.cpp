#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/ProjectionSheetModel.h"
#include "scheduled/ScheduledItem.h"

namespace {

// Weekly lessons paid from checking.
class PaymentTest : public ScheduledFixture {
protected:
    ScheduledItem* weekly(Date due, const char* amount) { return item(due, "Week", amount); }
};

TEST_F(PaymentTest, PayingOnAnotherDateReplacesTheDueDatesProjection) {
    ScheduledItem* lesson = weekly(ymd(2011, 3, 14), "-25");
    lesson->setNotes(std::string("bring the book"));
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));

    lesson->payWithDate(ymd(2011, 3, 12), Decimal::fromString("-30"), category, lesson->notes(),
                        101);

    EXPECT_EQ(rows(*checking), (Rows{"2011-03-12 -30.00 real", "2011-03-21 -25.00 generated",
                                     "2011-03-28 -25.00 generated"}));
    EXPECT_EQ(lesson->nextDueDate(), ymd(2011, 3, 21));
    EXPECT_FALSE(lesson->notes().has_value());
    Transaction* paid = Transaction::findFirstByPredicate(
        [](const Transaction& t) { return !t.isGenerated(); }, ctx);
    EXPECT_EQ(paid->checkNumber(), std::int64_t{101});
    EXPECT_EQ(paid->notes(), std::string("bring the book"));
    EXPECT_EQ(paid->title(), std::string("Bill"));
    EXPECT_EQ((*paid->splits().begin())->category(), category);
}

TEST_F(PaymentTest, TheLastOccurrenceDeletesTheItemAndItsProjection) {
    ScheduledItem* lesson = weekly(ymd(2011, 3, 14), "-25");
    lesson->setEndsAfter(2);
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2011, 3, 10));
    ASSERT_EQ(lesson->projectedTransactions().size(), 2u);

    lesson->payWithCurrentValues();
    EXPECT_EQ(lesson->endsAfter(), std::int64_t{1});
    EXPECT_EQ(lesson->nextDueDate(), ymd(2011, 3, 21));
    lesson->payWithCurrentValues();

    EXPECT_EQ(ScheduledItem::countInContext(ctx), 0u);
    EXPECT_EQ(rows(*checking), (Rows{"2011-03-14 -25.00 real", "2011-03-21 -25.00 real"}));
}

TEST_F(PaymentTest, SkippingPassesOverTheDateAndEndsAOneTimeItem) {
    ScheduledItem* lesson = weekly(ymd(2011, 3, 14), "-25");
    lesson->setHasReminded(true);
    lesson->skip();
    EXPECT_EQ(lesson->nextDueDate(), ymd(2011, 3, 21));
    EXPECT_FALSE(lesson->hasReminded());
    lesson->setRepeatType(std::nullopt);
    lesson->skip();
    EXPECT_TRUE(lesson->isDeleted());
    EXPECT_TRUE(checking->transactions().empty());
}

TEST_F(PaymentTest, ThreeGeneratedTransactionsOnTheDueDateAreAnInternalError) {
    ScheduledItem* lesson = weekly(ymd(2011, 3, 14), "-25");
    for (int i = 0; i < 3; ++i) {
        lesson->generateProjectedTransactionWithDate(ymd(2011, 3, 14), Decimal(-25), checking);
    }
    EXPECT_THROW(lesson->skip(), AssertionFailure);
}

TEST_F(PaymentTest, PayingATransferConvertsTheDestinationLeg) {
    Account* abroad = foreignAccount("EUR", "0.8");
    ScheduledItem* transfer = weekly(ymd(2011, 3, 14), "-100");
    transfer->setToAccount(abroad);

    transfer->payWithCurrentValues();

    EXPECT_EQ(rows(*checking), Rows{"2011-03-14 -100.00 real"});
    EXPECT_EQ(rows(*abroad), Rows{"2011-03-14 80.00 real"});
}

TEST_F(PaymentTest, AutomaticItemIsPaidOncePerMissedOccurrence) {
    // Today is Sunday 16 June 2024; the item fell due on the three Mondays before.
    ScheduledItem* lesson = weekly(ymd(2024, 5, 27), "-25");
    lesson->setPayAutomatically(true);
    ScheduledItem* manual = weekly(ymd(2024, 5, 27), "-10");

    EXPECT_TRUE(ScheduledItem::processAutomaticPayments(ymd(2024, 6, 16), ctx));

    EXPECT_EQ(lesson->nextDueDate(), ymd(2024, 6, 17));
    EXPECT_EQ(manual->nextDueDate(), ymd(2024, 5, 27));
    EXPECT_EQ(rows(*checking),
              (Rows{"2024-05-27 -25.00 real", "2024-06-03 -25.00 real", "2024-06-10 -25.00 real"}));
    EXPECT_FALSE(ScheduledItem::processAutomaticPayments(ymd(2024, 6, 16), ctx));
}

TEST_F(PaymentTest, AutomaticItemThatEndsStopsBeingPaid) {
    ScheduledItem* lesson = weekly(ymd(2024, 5, 27), "-25");
    lesson->setPayAutomatically(true);
    lesson->setEndsAfter(2);
    EXPECT_TRUE(ScheduledItem::processAutomaticPayments(ymd(2024, 6, 16), ctx));
    EXPECT_EQ(rows(*checking).size(), 2u);
    EXPECT_EQ(ScheduledItem::countInContext(ctx), 0u);
}

class RecordingSheetActions final : public ProjectionSheetActions {
public:
    void save() override { ++saves; }
    void updateAllViews() override { ++refreshes; }
    int saves = 0;
    int refreshes = 0;
};

TEST_F(PaymentTest, ProjectionSheetTurnsOnOffAndChangesMonths) {
    weekly(ymd(2011, 3, 14), "-25");
    RecordingSheetActions actions;
    ProjectionSheetModel sheet(ctx, actions);
    sheet.show();
    EXPECT_FALSE(sheet.isOn());
    EXPECT_EQ(sheet.toggleButtonTitle(), "Turn On Projection");

    sheet.toggle(ymd(2011, 3, 10));
    EXPECT_TRUE(sheet.isOn());
    EXPECT_EQ(sheet.headerStateWord(), "on");
    EXPECT_EQ(global->projectedMonths(), std::int64_t{1});
    EXPECT_EQ(rows(*checking).size(), 3u);  // 14, 21 and 28 March

    sheet.setMonthsField(2);
    sheet.done(ymd(2011, 3, 10));
    EXPECT_EQ(global->projectionEndDate(), ymd(2011, 4, 30));
    EXPECT_EQ(rows(*checking).size(), 7u);

    sheet.show();
    EXPECT_EQ(sheet.monthsField(), 2);
    sheet.toggle(ymd(2011, 3, 10));
    EXPECT_FALSE(sheet.isOn());
    EXPECT_TRUE(checking->transactions().empty());
    EXPECT_FALSE(global->projectionEndDate().has_value());
    EXPECT_GE(actions.saves, 4);
    EXPECT_EQ(actions.refreshes, 3);
}

}  // namespace
