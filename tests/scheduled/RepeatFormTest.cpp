#include <gtest/gtest.h>

#include "ScheduledTestSupport.h"
#include "base/AssertionFailure.h"
#include "scheduled/RepeatForm.h"

namespace {

RepeatForm form(Date due, int typeTag, std::optional<int> interval, std::vector<int> rules = {},
                int endsTag = RepeatForm::kEndsNeverTag, std::optional<int> count = std::nullopt) {
    return RepeatForm{due, typeTag, interval, std::move(rules), endsTag, count};
}

constexpr int kMonthly = RepeatForm::kMonthlyTag;
constexpr int kWeekly = RepeatForm::kWeeklyTag;
constexpr int kOnce = RepeatForm::kNoRepeatTag;
constexpr int kAfter = RepeatForm::kEndsAfterTag;

TEST(RepeatForm, ReadsTheRepeatSettings) {
    using S = RepeatSchedule;
    using Rules = std::vector<RepeatRule>;
    struct Case {
        const char* name;
        RepeatForm form;
        RepeatSchedule expected;
    } const cases[] = {
        {"the new-item defaults", form(ymd(2012, 3, 10), kMonthly, 1),
         S{ymd(2012, 3, 10), "Month", 1, std::nullopt, std::nullopt}},
        {"weekly on Friday and Monday, in row order, from a Wednesday",
         form(ymd(2012, 3, 7), kWeekly, 1, {6, 2}),
         S{ymd(2012, 3, 9), "Week", 1, Rules{DIWeek(6), DIWeek(2)}, std::nullopt}},
        {"every 3 months on the 1st and 15th, 4 times",
         form(ymd(2011, 1, 10), kMonthly, 3, {1, 15}, kAfter, 4),
         S{ymd(2011, 1, 15), "Month", 3, Rules{DIMonth(1), DIMonth(15)}, 4}},
        {"last day", form(ymd(2012, 2, 10), kMonthly, 1, {-1}),
         S{ymd(2012, 2, 29), "Month", 1, Rules{DIMonth(-1)}, std::nullopt}},
        {"does not repeat: interval cleared", form(ymd(2012, 3, 10), kOnce, 3),
         S{ymd(2012, 3, 10), std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        {"an empty interval reads as 1", form(ymd(2012, 3, 10), kWeekly, std::nullopt),
         S{ymd(2012, 3, 10), "Week", 1, std::nullopt, std::nullopt}},
        {"an empty after-count reads as 1", form(ymd(2012, 3, 7), kWeekly, 1, {4}, kAfter),
         S{ymd(2012, 3, 7), "Week", 1, Rules{DIWeek(4)}, 1}},
        {"an after-count of 0 reads as 1", form(ymd(2012, 3, 7), kWeekly, 1, {4}, kAfter, 0),
         S{ymd(2012, 3, 7), "Week", 1, Rules{DIWeek(4)}, 1}},
        {"never keeps no count",
         form(ymd(2012, 3, 7), kWeekly, 2, {4}, RepeatForm::kEndsNeverTag, 5),
         S{ymd(2012, 3, 7), "Week", 2, Rules{DIWeek(4)}, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RepeatSchedule read = c.form.read();
        EXPECT_EQ(read, c.expected);
        EXPECT_EQ(RepeatForm::fromSchedule(read).read(), read);
    }
}

TEST(RepeatForm, ShowsAnItemsSettings) {
    const RepeatSchedule item{ymd(2011, 1, 15), "Month", 3, {{DIMonth(1), DIMonth(-1)}}, 2};
    EXPECT_EQ(RepeatForm::fromSchedule(item),
              form(ymd(2011, 1, 15), kMonthly, 3, {1, -1}, kAfter, 2));
    const RepeatSchedule once{ymd(2011, 1, 15), std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt};
    EXPECT_EQ(RepeatForm::fromSchedule(once), form(ymd(2011, 1, 15), kOnce, std::nullopt));

    const RepeatSchedule endsWithoutRules{ymd(2011, 1, 15), "Month", 1, std::nullopt, 3};
    EXPECT_EQ(messageOf([&] { (void)RepeatForm::fromSchedule(endsWithoutRules); }),
              "An internal error has occurred: (Code: F2FAE)");
}

TEST(RepeatForm, UnexpectedTagsAreInternalErrors) {
    const RepeatForm cases[] = {
        form(ymd(2012, 3, 7), 3, 1),
        form(ymd(2012, 3, 7), kWeekly, 1, {8}),
        form(ymd(2012, 3, 7), kWeekly, 1, {0}),
        form(ymd(2012, 3, 7), kMonthly, 1, {0}),
        form(ymd(2012, 3, 7), kMonthly, 1, {32}),
        form(ymd(2012, 3, 7), kOnce, std::nullopt, {1}),
        form(ymd(2012, 3, 7), kMonthly, 1, {7}, 2, 3),
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_THROW((void)cases[i].read(), AssertionFailure);
    }
    EXPECT_THROW((void)RepeatForm::impliedRuleTag(ymd(2012, 3, 7), kOnce), AssertionFailure);
}

TEST(RepeatForm, ImpliedRuleTagsAndLabels) {
    EXPECT_EQ(RepeatForm::impliedRuleTag(ymd(2012, 3, 7), kWeekly), 4);
    EXPECT_EQ(RepeatForm::impliedRuleTag(ymd(2012, 2, 29), kMonthly), -1);

    EXPECT_EQ(RepeatForm::unitLabel(kMonthly, 1), "month");
    EXPECT_EQ(RepeatForm::unitLabel(kMonthly, 2), "months");
    EXPECT_EQ(RepeatForm::unitLabel(kWeekly, 1), "week");
    EXPECT_EQ(RepeatForm::endsAfterLabel(1), "time");
    EXPECT_EQ(RepeatForm::endsAfterLabel(2), "times");
    EXPECT_EQ(RepeatForm::dueDateLabel(kMonthly), "Next Due Date:");
    EXPECT_EQ(RepeatForm::dueDateLabel(kOnce), "Due Date:");
    EXPECT_EQ(RepeatForm::ruleRowLabel(0), "On:");
    EXPECT_EQ(RepeatForm::ruleRowLabel(1), "And On:");
}

TEST(RepeatForm, CustomRuleRowsComeAndGo) {
    RepeatForm weekly = form(ymd(2012, 3, 7), kWeekly, 2);  // a Wednesday
    weekly.toggleCustomRules();
    EXPECT_EQ(weekly, form(ymd(2012, 3, 7), kWeekly, 2, {4}));
    weekly.addRuleRow();
    weekly.addRuleRow();
    weekly.ruleTags[1] = 2;  // Monday
    weekly.ruleTags[2] = 6;  // Friday
    weekly.removeRuleRow(0);
    EXPECT_EQ(weekly.read().repeatRules, (std::vector<RepeatRule>{DIWeek(2), DIWeek(6)}));
    EXPECT_EQ(messageOf([&] { weekly.removeRuleRow(2); }), "No rule row 2");
    weekly.endsTag = kAfter;
    weekly.endsAfterCount = 3;
    weekly.toggleCustomRules();
    EXPECT_EQ(weekly, form(ymd(2012, 3, 7), kWeekly, 2));

    RepeatForm monthly = form(ymd(2012, 2, 29), kMonthly, 1);
    monthly.toggleCustomRules();
    monthly.addRuleRow();
    EXPECT_EQ(monthly.ruleTags, (std::vector<int>{-1, 1}));

    using B = RepeatForm::RuleRowButtons;
    EXPECT_EQ(RepeatForm::ruleRowButtons(0, 1), (B{.remove = false, .add = true}));
    EXPECT_EQ(RepeatForm::ruleRowButtons(0, 3), (B{.remove = true, .add = false}));
    EXPECT_EQ(RepeatForm::ruleRowButtons(2, 3), (B{.remove = true, .add = true}));
}

}  // namespace
