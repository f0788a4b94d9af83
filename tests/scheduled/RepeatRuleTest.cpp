#include <gtest/gtest.h>

#include <unordered_set>

#include "ScheduledTestSupport.h"
#include "base/AssertionFailure.h"
#include "scheduled/RepeatRule.h"

namespace {

TEST(DIMonth, DayRulesFallBackToTheLastDayOfShortMonths) {
    struct Case {
        int count;
        Date date;
        bool included;
    } const cases[] = {
        {15, ymd(2011, 1, 15), true},  {15, ymd(2011, 1, 16), false}, {31, ymd(2011, 4, 30), true},
        {31, ymd(2011, 4, 29), false}, {31, ymd(2011, 2, 28), true},  {31, ymd(2012, 2, 28), false},
        {29, ymd(2011, 2, 28), true},  {-1, ymd(2012, 2, 28), false}, {-1, ymd(2012, 2, 29), true},
        {1, ymd(2011, 2, 28), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " on " + c.date.toISOString());
        EXPECT_EQ(DIMonth(c.count).includes(c.date), c.included);
    }
}

TEST(RepeatRules, EqualityHashAndDescription) {
    EXPECT_NE(DIWeek(3), DIWeek(4));
    EXPECT_EQ(DIWeek(5).hash(), 5u);
    EXPECT_EQ(DIWeek(2).description(), "DIWeek: 2");
    EXPECT_EQ(DIMonth(15), DIMonth(15, "Day"));
    EXPECT_NE(DIMonth(15), DIMonth(-1));
    EXPECT_NE(DIMonth(-1).hash(), DIMonth(1).hash());
    EXPECT_EQ(DIMonth(15).description(), "DIMonth: 15 Day");

    EXPECT_NE(RepeatRule(DIWeek(1)), RepeatRule(DIMonth(1)));
    std::unordered_set<RepeatRule> set{DIWeek(2), DIWeek(2), DIMonth(2), DIMonth(-1), DIMonth(2)};
    EXPECT_EQ(set.size(), 3u);
}

TEST(RepeatRules, InternalErrors) {
    EXPECT_EQ(messageOf([] { DIMonth(1, "Week"); }), "Only support day as unit for now");
    EXPECT_EQ(messageOf([] { (void)DIMonth(-2).hash(); }), "Count should not be less than -1");
    EXPECT_NO_THROW((void)DIMonth(-1).hash());
    EXPECT_EQ(messageOf([] { (void)std::hash<RepeatRule>()(DIMonth(-5)); }),
              "Count should not be less than -1");
}

TEST(RepeatRules, MalformedArchivesDescribeNoRule) {
    const ArchivedFields cases[] = {
        {},
        {{"DIWeekWeekday", std::int64_t{0}}},
        {{"DIWeekWeekday", std::int64_t{8}}},
        {{"DIWeekWeekday", std::string("2")}},
        {{"DIMonthCount", std::int64_t{15}}},
        {{"DIMonthCount", std::int64_t{15}}, {"DIMonthUnit", std::string("Week")}},
        {{"DIMonthCount", std::int64_t{32}}, {"DIMonthUnit", std::string("Day")}},
        {{"DIMonthCount", std::int64_t{0}}, {"DIMonthUnit", std::string("Day")}},
        {{"DIMonthCount", std::string("15")}, {"DIMonthUnit", std::string("Day")}},
        {{"DIMonthUnit", std::string("Day")}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_FALSE(RepeatRule::fromArchive(cases[i]).has_value());
    }
    const ArchivedFieldsList mixed{{{"DIWeekWeekday", std::int64_t{2}}}, {}};
    EXPECT_FALSE(RepeatRule::fromArchiveList(mixed).has_value());
}

}  // namespace
