#include <gtest/gtest.h>

#include <functional>

#include "ScheduledFixture.h"
#include "base/AssertionFailure.h"
#include "ledger/Global.h"
#include "scheduled/ScheduledItem.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"

namespace {

// Monthly bills on the day of their due date.
class ScheduledItemTest : public ScheduledFixture {
protected:
    ScheduledItem* monthlyBill(Date due) { return item(due, "Month", "-800.00"); }
};

TEST_F(ScheduledItemTest, RepeatRulesSurviveAReloadInOrderWithTheirKeys) {
    ScheduledItem* bill = monthlyBill(ymd(2011, 1, 15));
    bill->setRepeatRules(std::vector<RepeatRule>{DIMonth(15), DIMonth(DIMonth::kLastDay)});
    ScheduledItem* weekly = item(ymd(2011, 1, 3), "Week", "-10");
    weekly->setRepeatInterval(2);
    weekly->setRepeatRules(std::vector<RepeatRule>{DIWeek(5), DIWeek(2)});
    ScheduledItem* implied = monthlyBill(ymd(2011, 1, 15));
    ASSERT_FALSE(ctx.save());

    const std::string dump = memory->dump();
    EXPECT_NE(dump.find("{DIMonthCount=15,DIMonthUnit=\"Day\"}"), std::string::npos) << dump;
    EXPECT_NE(dump.find("{DIWeekWeekday=5},{DIWeekWeekday=2}"), std::string::npos) << dump;

    ObjectContext fresh(applicationModel());
    ASSERT_FALSE(memory->load(fresh));
    EXPECT_EQ(dumpObjectGraph(fresh), dumpObjectGraph(ctx));
    EXPECT_FALSE(ScheduledItem::findByID(implied->objectID(), fresh)->repeatRules().has_value());
    ScheduledItem* loaded = ScheduledItem::findByID(weekly->objectID(), fresh);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->repeatRules(), (std::vector<RepeatRule>{DIWeek(5), DIWeek(2)}));
    // The loaded rules drive the dates: Monday and Thursday, every second week.
    EXPECT_EQ(loaded->upcomingDatesUntil(ymd(2011, 1, 31)),
              (std::vector<Date>{ymd(2011, 1, 3), ymd(2011, 1, 6), ymd(2011, 1, 17),
                                 ymd(2011, 1, 20), ymd(2011, 1, 31)}));
}

TEST_F(ScheduledItemTest, PaymentAddressIsStoredCleanAndOpenedOverHttp) {
    ScheduledItem* bill = monthlyBill(ymd(2011, 1, 15));
    bill->setPaymentURL(std::string("https://bank.example/pay//"));
    EXPECT_EQ(bill->fullURL(), "http://bank.example/pay");
    bill->setPaymentURL(std::nullopt);
    EXPECT_FALSE(bill->paymentURL().has_value());
    EXPECT_THROW((void)bill->fullURL(), AssertionFailure);
}

// The save runs the item's rules on the entity's own fields; a refused save keeps the changes.
TEST_F(ScheduledItemTest, SaveRefusesAnInconsistentItemAndKeepsIt) {
    struct Case {
        const char* name;
        std::function<void(ScheduledItem&)> change;
        std::string description;
    };
    const std::vector<Case> cases = {
        {"reminded without reminder", [](ScheduledItem& i) { i.setHasReminded(true); },
         "hasReminded should be NO when reminder is not set."},
        {"reminder on automatic item",
         [](ScheduledItem& i) {
             i.setPayAutomatically(true);
             i.setReminderDays(2);
         },
         "An internal error has occurred. (Code: ABEFA)"},
        {"due date off the pattern",
         [](ScheduledItem& i) { i.setRepeatRules(std::vector<RepeatRule>{DIMonth(1)}); },
         "An internal error has occurred. (Code: 12FAW)"},
        {"weekly rule on a monthly item",
         [](ScheduledItem& i) { i.setRepeatRules(std::vector<RepeatRule>{DIWeek(7)}); },
         "An internal error has occurred. (Code: 12FB4)"},
        {"one-time item with an interval", [](ScheduledItem& i) { i.setRepeatType(std::nullopt); },
         "An internal error has occurred. (Code: 12FB1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ObjectContext local(applicationModel());
        local.setPersistentStore(std::make_unique<InMemoryStore>());
        ScheduledItem* bill = local.insert<ScheduledItem>();
        bill->setAmount(Decimal::fromString("-10"));
        bill->setRepeatType(std::string("Month"));
        bill->setRepeatInterval(1);
        bill->setNextDueDate(ymd(2011, 1, 15));  // a Saturday
        c.change(*bill);
        std::optional<ValidationError> error = local.save();
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->localizedDescription, c.description);
        EXPECT_TRUE(local.hasChanges());
    }
}

TEST_F(ScheduledItemTest, RemindersListEachItemOncePerDueDate) {
    ScheduledItem* bill = monthlyBill(ymd(2011, 3, 10));
    bill->setReminderDays(2);
    ScheduledItem* silent = monthlyBill(ymd(2011, 3, 8));
    ASSERT_FALSE(ctx.save());

    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 7)).empty());
    EXPECT_EQ(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 8)),
              std::vector<ScheduledItem*>{bill});
    EXPECT_TRUE(bill->hasReminded());
    EXPECT_FALSE(silent->hasReminded());
    // Not again the same day, nor the next, nor once overdue.
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 8)).empty());
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 9)).empty());
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 12)).empty());

    // Advanced to its next due date, the item is unmarked and named again two days before.
    bill->setNextDueDate(ymd(2011, 4, 10));
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 12)).empty());
    EXPECT_FALSE(bill->hasReminded());
    EXPECT_EQ(ScheduledItem::checkReminders(ctx, ymd(2011, 4, 8)),
              std::vector<ScheduledItem*>{bill});
    EXPECT_FALSE(ctx.save());
}

TEST_F(ScheduledItemTest, ProjectionEndsTheMonthCountedFromTodaysMonth) {
    struct Case {
        std::int64_t months;
        Date today;
        Date end;
    };
    const std::vector<Case> cases = {
        {1, ymd(2011, 3, 10), ymd(2011, 3, 31)}, {1, ymd(2011, 4, 1), ymd(2011, 4, 30)},
        {3, ymd(2011, 3, 31), ymd(2011, 5, 31)}, {2, ymd(2012, 1, 31), ymd(2012, 2, 29)},
        {2, ymd(2011, 12, 5), ymd(2012, 1, 31)}, {0, ymd(2011, 3, 10), ymd(2011, 2, 28)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.months) + " from " + c.today.toISOString());
        EXPECT_EQ(ScheduledItem::projectionEndDateFor(c.months, c.today), c.end);
    }
}

TEST_F(ScheduledItemTest, ProjectionNeedsUpdatingWhenItsEndMoves) {
    EXPECT_FALSE(ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 3, 10)));

    global->setProjectedMonths(1);
    EXPECT_THROW((void)ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 3, 10)),
                 AssertionFailure);
    global->setProjectionEndDate(ymd(2011, 3, 31));
    EXPECT_FALSE(ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 3, 10)));
    EXPECT_FALSE(ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 3, 31)));
    EXPECT_TRUE(ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 4, 1)));
    global->setProjectedMonths(3);
    EXPECT_TRUE(ScheduledItem::needsToUpdateProjection(ctx, ymd(2011, 3, 10)));
}

TEST_F(ScheduledItemTest, ListsItemsEarliestDueFirst) {
    ScheduledItem* later = monthlyBill(ymd(2011, 3, 20));
    ScheduledItem* overdue = monthlyBill(ymd(2011, 2, 1));
    ScheduledItem* soon = monthlyBill(ymd(2011, 3, 2));
    EXPECT_EQ(ScheduledItem::allByNextDueDate(ctx),
              (std::vector<ScheduledItem*>{overdue, soon, later}));
}

// The editor's form read into the item: two weekly rules in row order with an end, then the
// rules hidden again, which clears rules and end together.
TEST_F(ScheduledItemTest, ReadFormStoresRulesInRowOrderAndClearsThemTogether) {
    ScheduledItem* bill = monthlyBill(ymd(2011, 1, 5));
    RepeatForm form = bill->repeatForm();
    form.repeatTypeTag = RepeatForm::kWeeklyTag;
    form.ruleTags = {2, 6};
    form.endsTag = RepeatForm::kEndsAfterTag;
    form.endsAfterCount = 4;
    bill->readForm(form);
    EXPECT_EQ(bill->repeatType(), std::string("Week"));
    EXPECT_EQ(bill->repeatRules(), (std::vector<RepeatRule>{DIWeek(2), DIWeek(6)}));
    EXPECT_EQ(bill->endsAfter(), 4);
    EXPECT_EQ(bill->nextDueDate(), ymd(2011, 1, 7));  // the Friday after Wednesday the 5th

    form = bill->repeatForm();
    form.ruleTags.clear();
    bill->readForm(form);
    EXPECT_FALSE(bill->repeatRules().has_value());
    EXPECT_FALSE(bill->endsAfter().has_value());
    EXPECT_FALSE(ctx.save());
}

}  // namespace
