#include <gtest/gtest.h>

#include <functional>

#include "session/ApplicationModel.h"
#include "base/AssertionFailure.h"
#include "ledger/Global.h"
#include "scheduled/ScheduledItem.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

class ScheduledItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto store = std::make_unique<InMemoryStore>();
        memory = store.get();
        ctx.setPersistentStore(std::move(store));
    }

    // A monthly bill due on `due`, falling on the day of that date.
    ScheduledItem* monthlyBill(Date due) {
        ScheduledItem* item = ctx.insert<ScheduledItem>();
        item->setTitle("Rent");
        item->setAmount(Decimal::fromString("-800.00"));
        item->setRepeatType(std::string("Month"));
        item->setRepeatInterval(1);
        item->setNextDueDate(due);
        return item;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    InMemoryStore* memory = nullptr;
};

TEST_F(ScheduledItemTest, RepeatRulesSurviveAReloadInOrderWithTheirKeys) {
    ScheduledItem* item = monthlyBill(ymd(2011, 1, 15));
    item->setRepeatRules(std::vector<RepeatRule>{DIMonth(15), DIMonth(DIMonth::kLastDay)});
    ScheduledItem* weekly = ctx.insert<ScheduledItem>();
    weekly->setRepeatType(std::string("Week"));
    weekly->setRepeatInterval(2);
    weekly->setRepeatRules(std::vector<RepeatRule>{DIWeek(5), DIWeek(2)});
    weekly->setNextDueDate(ymd(2011, 1, 3));
    ASSERT_FALSE(ctx.save());

    const std::string dump = memory->dump();
    EXPECT_NE(dump.find("{DIMonthCount=15,DIMonthUnit=\"Day\"}"), std::string::npos) << dump;
    EXPECT_NE(dump.find("{DIWeekWeekday=5},{DIWeekWeekday=2}"), std::string::npos) << dump;

    ObjectContext fresh(ApplicationModel::shared());
    ASSERT_FALSE(memory->load(fresh));
    EXPECT_EQ(dumpObjectGraph(fresh), dumpObjectGraph(ctx));
    ScheduledItem* loaded = ScheduledItem::findByID(weekly->objectID(), fresh);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->repeatRules(), (std::vector<RepeatRule>{DIWeek(5), DIWeek(2)}));
    // The loaded rules drive the dates: Monday and Thursday, every second week.
    EXPECT_EQ(loaded->upcomingDatesUntil(ymd(2011, 1, 31)),
              (std::vector<Date>{ymd(2011, 1, 3), ymd(2011, 1, 6), ymd(2011, 1, 17),
                                 ymd(2011, 1, 20), ymd(2011, 1, 31)}));
}

TEST_F(ScheduledItemTest, ImpliedRuleItemsReloadWithoutRules) {
    ScheduledItem* implied = monthlyBill(ymd(2011, 1, 15));
    ASSERT_FALSE(ctx.save());
    ObjectContext fresh(ApplicationModel::shared());
    ASSERT_FALSE(memory->load(fresh));
    EXPECT_FALSE(ScheduledItem::findByID(implied->objectID(), fresh)->repeatRules().has_value());
}

TEST_F(ScheduledItemTest, AdjustNextDueDateMovesOntoThePattern) {
    ScheduledItem* item = monthlyBill(ymd(2011, 1, 10));
    item->setRepeatInterval(3);
    item->setRepeatRules(std::vector<RepeatRule>{DIMonth(1), DIMonth(15)});
    item->adjustNextDueDate();
    EXPECT_EQ(item->nextDueDate(), ymd(2011, 1, 15));
    EXPECT_EQ(
        item->upcomingDatesUntil(ymd(2011, 7, 1)),
        (std::vector<Date>{ymd(2011, 1, 15), ymd(2011, 4, 1), ymd(2011, 4, 15), ymd(2011, 7, 1)}));
}

TEST_F(ScheduledItemTest, PaymentAddressIsStoredCleanAndOpenedOverHttp) {
    ScheduledItem* item = monthlyBill(ymd(2011, 1, 15));
    item->setPaymentURL(std::string("https://bank.example/pay//"));
    EXPECT_EQ(item->paymentURL(), std::string("bank.example/pay"));
    EXPECT_EQ(item->fullURL(), "http://bank.example/pay");
    item->setPaymentURL(std::nullopt);
    EXPECT_FALSE(item->paymentURL().has_value());
    EXPECT_THROW((void)item->fullURL(), AssertionFailure);
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
        ObjectContext local(ApplicationModel::shared());
        local.setPersistentStore(std::make_unique<InMemoryStore>());
        ScheduledItem* item = local.insert<ScheduledItem>();
        item->setAmount(Decimal::fromString("-10"));
        item->setRepeatType(std::string("Month"));
        item->setRepeatInterval(1);
        item->setNextDueDate(ymd(2011, 1, 15));  // a Saturday
        c.change(*item);
        std::optional<ValidationError> error = local.save();
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->localizedDescription, c.description);
        EXPECT_TRUE(local.hasChanges());
    }
}

TEST_F(ScheduledItemTest, RemindersListEachItemOncePerDueDate) {
    ScheduledItem* item = monthlyBill(ymd(2011, 3, 10));
    item->setReminderDays(2);
    ScheduledItem* silent = monthlyBill(ymd(2011, 3, 8));
    ASSERT_FALSE(ctx.save());

    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 7)).empty());
    EXPECT_EQ(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 8)),
              std::vector<ScheduledItem*>{item});
    EXPECT_TRUE(item->hasReminded());
    EXPECT_FALSE(silent->hasReminded());
    // Not again the same day, nor the next, nor once overdue.
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 8)).empty());
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 9)).empty());
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 12)).empty());

    // Advanced to its next due date, the item is unmarked and named again two days before.
    item->setNextDueDate(ymd(2011, 4, 10));
    EXPECT_TRUE(ScheduledItem::checkReminders(ctx, ymd(2011, 3, 12)).empty());
    EXPECT_FALSE(item->hasReminded());
    EXPECT_EQ(ScheduledItem::checkReminders(ctx, ymd(2011, 4, 8)),
              std::vector<ScheduledItem*>{item});
    EXPECT_FALSE(ctx.save());
}

TEST(ProjectionEndDate, EndsTheMonthCountedFromTodaysMonth) {
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
    Global* global = Global::sharedInstanceInContext(ctx);
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

}  // namespace

namespace {

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
    ScheduledItem* item = monthlyBill(ymd(2011, 1, 5));
    RepeatForm form = item->repeatForm();
    form.repeatTypeTag = RepeatForm::kWeeklyTag;
    form.ruleTags = {2, 6};
    form.endsTag = RepeatForm::kEndsAfterTag;
    form.endsAfterCount = 4;
    item->readForm(form);
    EXPECT_EQ(item->repeatType(), std::string("Week"));
    EXPECT_EQ(item->repeatRules(), (std::vector<RepeatRule>{DIWeek(2), DIWeek(6)}));
    EXPECT_EQ(item->endsAfter(), 4);
    EXPECT_EQ(item->nextDueDate(), ymd(2011, 1, 7));  // the Friday after Wednesday the 5th

    form = item->repeatForm();
    form.ruleTags.clear();
    item->readForm(form);
    EXPECT_FALSE(item->repeatRules().has_value());
    EXPECT_FALSE(item->endsAfter().has_value());
    EXPECT_FALSE(ctx.save());
}

}  // namespace
