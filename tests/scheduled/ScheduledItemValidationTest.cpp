#include <gtest/gtest.h>

#include <functional>

#include "ScheduledTestSupport.h"
#include "base/AssertionFailure.h"
#include "scheduled/ScheduledItemValidation.h"

namespace {

// A valid monthly bill due on 15 January 2011.
ScheduledItemFields validItem() {
    ScheduledItemFields item;
    item.amount = Decimal::fromString("-50.00");
    item.schedule =
        RepeatSchedule{ymd(2011, 1, 15), std::string("Month"), 1, std::nullopt, std::nullopt};
    return item;
}

std::string internal(const char* code) {
    return std::string("An internal error has occurred. (Code: ") + code + ")";
}

// The descriptions of the failed rules, latest first as they are combined; checks that each
// carries the scheduled-item domain and code 1.
std::vector<std::string> failures(const ScheduledItemFields& item) {
    std::optional<ValidationError> error = validateScheduledItem(item);
    if (!error) {
        return {};
    }
    std::vector<ValidationError> errors =
        error->isMultipleValidationErrors() ? error->detailedErrors : std::vector{*error};
    std::vector<std::string> texts;
    for (const ValidationError& e : errors) {
        EXPECT_EQ(e.domain, "org.pennora.Pennora.ScheduledItemError");
        EXPECT_EQ(e.code, 1);
        texts.push_back(e.localizedDescription);
    }
    return texts;
}

// A one-time schedule on the valid item's due date.
RepeatSchedule once(std::optional<std::vector<RepeatRule>> rules = {},
                    std::optional<int> endsAfter = {}) {
    return {ymd(2011, 1, 15), std::nullopt, std::nullopt, std::move(rules), endsAfter};
}

TEST(ScheduledItemValidation, EachRuleWithItsDescription) {
    using F = ScheduledItemFields;
    using Rules = std::vector<RepeatRule>;
    const std::string reminded = "hasReminded should be NO when reminder is not set.";
    struct Case {
        const char* name;
        std::function<void(F&)> change;
        std::vector<std::string> expected;
    } const cases[] = {
        {"valid as made", [](F&) {}, {}},
        {"reminded without reminder", [](F& i) { i.hasReminded = true; }, {reminded}},
        {"reminded with reminder",
         [](F& i) {
             i.hasReminded = true;
             i.reminderDays = 3;
         },
         {}},
        {"address and instructions",
         [](F& i) {
             i.paymentURL = "bank.example";
             i.paymentInstructions = "Mail a check";
         },
         {internal("12FA2")}},
        {"address alone", [](F& i) { i.paymentURL = "bank.example"; }, {}},
        {"one-time with interval",
         [](F& i) { i.schedule.repeatType.reset(); },
         {internal("12FB1")}},
        {"one-time with rules",
         [](F& i) { i.schedule = once({{DIMonth(15)}}); },
         {internal("12FB1")}},
        {"one-time with an end", [](F& i) { i.schedule = once({}, 2); }, {internal("12FB1")}},
        {"one-time plain", [](F& i) { i.schedule = once(); }, {}},
        {"repeating without interval",
         [](F& i) { i.schedule.repeatInterval.reset(); },
         {internal("12FB2")}},
        {"weekly with a monthly rule",
         [](F& i) {
             i.schedule.repeatType = "Week";
             i.schedule.repeatRules = Rules{DIWeek(7), DIMonth(15)};
         },
         {internal("12FB3")}},
        {"monthly with a weekly rule",
         [](F& i) {
             i.schedule.repeatRules = Rules{DIMonth(15), DIWeek(7)};
         },
         {internal("12FB4")}},
        {"due date off the pattern",
         [](F& i) {
             i.schedule.repeatRules = Rules{DIMonth(1), DIMonth(-1)};
         },
         {internal("12FAW")}},
        {"due date on one of the rules",
         [](F& i) {
             i.schedule.repeatRules = Rules{DIMonth(1), DIMonth(15)};
         },
         {}},
        {"transfer of 0",
         [](F& i) {
             i.isTransfer = true;
             i.amount = Decimal();
         },
         {}},
        {"transfer of 0.01",
         [](F& i) {
             i.isTransfer = true;
             i.amount = Decimal::fromString("0.01");
         },
         {internal("12XAW")}},
        {"deposit of 0.01", [](F& i) { i.amount = Decimal::fromString("0.01"); }, {}},
        {"automatic with reminder",
         [](F& i) {
             i.payAutomatically = true;
             i.reminderDays = 10;
         },
         {internal("ABEFA")}},
        {"automatic without reminder", [](F& i) { i.payAutomatically = true; }, {}},
        {"several rules fail together",
         [](F& i) {
             i.hasReminded = true;
             i.isTransfer = true;
             i.amount = Decimal::fromString("20");
             i.schedule.repeatInterval.reset();
         },
         {internal("12XAW"), internal("12FB2"), reminded}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScheduledItemFields item = validItem();
        c.change(item);
        EXPECT_EQ(failures(item), c.expected);
    }
}

TEST(ScheduledItemValidation, SingleRuleReportsIntoTheCallersSlot) {
    ScheduledItemFields item = validItem();
    item.payAutomatically = true;
    item.reminderDays = 1;
    std::optional<ValidationError> slot;
    EXPECT_FALSE(validateReminderIsOffIfAutomaticPayIsOn(item, slot));
    ASSERT_TRUE(slot.has_value());
    EXPECT_FALSE(slot->isMultipleValidationErrors());
    EXPECT_TRUE(validateReminderFields(item, slot));
    EXPECT_FALSE(slot->isMultipleValidationErrors());
}

TEST(ScheduledItemValidation, RulesOnAnUnknownRepeatTypeAreAnInternalError) {
    ScheduledItemFields item = validItem();
    item.schedule.repeatType = "Year";
    item.schedule.repeatRules = {{DIMonth(15)}};
    std::optional<ValidationError> slot;
    EXPECT_THROW(validateRepeatSettings(item, slot), AssertionFailure);
}

}  // namespace
