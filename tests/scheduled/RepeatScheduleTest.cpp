#include <gtest/gtest.h>

#include "ScheduledTestSupport.h"
#include "base/AssertionFailure.h"
#include "scheduled/RepeatSchedule.h"

namespace {

RepeatSchedule schedule(Date next, const char* type, int interval,
                        std::optional<std::vector<RepeatRule>> rules = std::nullopt,
                        std::optional<int> endsAfter = std::nullopt) {
    return RepeatSchedule{next, std::string(type), interval, std::move(rules), endsAfter};
}

// "2011-01-03 2011-01-06 ...": the whole list in one comparable text.
std::string render(const std::vector<Date>& dates) {
    std::string text;
    for (Date d : dates) {
        text += (text.empty() ? "" : " ") + d.toISOString();
    }
    return text;
}

TEST(UpcomingDates, WalksThePatterns) {
    const std::vector<RepeatRule> mondayThursday{DIWeek(2), DIWeek(5)};
    struct Case {
        const char* name;
        RepeatSchedule schedule;
        Date end;
        int limit;
        const char* expected;
    } const cases[] = {
        {"weekly Monday and Thursday", schedule(ymd(2011, 1, 3), "Week", 1, mondayThursday),
         ymd(2011, 1, 20), -1, "2011-01-03 2011-01-06 2011-01-10 2011-01-13 2011-01-17 2011-01-20"},
        {"every 2 weeks on Monday and Thursday, from a Tuesday",
         schedule(ymd(2011, 1, 4), "Week", 2, mondayThursday), ymd(2011, 2, 1), -1,
         "2011-01-06 2011-01-17 2011-01-20 2011-01-31"},
        {"every 2 weeks from Monday 17 January",
         schedule(ymd(2011, 1, 17), "Week", 2, {{DIWeek(2)}}), ymd(2011, 2, 28), -1,
         "2011-01-17 2011-01-31 2011-02-14 2011-02-28"},
        {"every 3 months on the 1st and 15th",
         schedule(ymd(2011, 1, 15), "Month", 3, {{DIMonth(1), DIMonth(15)}}), ymd(2011, 7, 31), -1,
         "2011-01-15 2011-04-01 2011-04-15 2011-07-01 2011-07-15"},
        {"last day through a common year", schedule(ymd(2011, 1, 31), "Month", 1, {{DIMonth(-1)}}),
         ymd(2011, 4, 30), -1, "2011-01-31 2011-02-28 2011-03-31 2011-04-30"},
        {"last day through a leap year", schedule(ymd(2012, 1, 31), "Month", 1, {{DIMonth(-1)}}),
         ymd(2012, 4, 30), -1, "2012-01-31 2012-02-29 2012-03-31 2012-04-30"},
        {"the 31st in April and May", schedule(ymd(2011, 3, 31), "Month", 1, {{DIMonth(31)}}),
         ymd(2011, 6, 29), -1, "2011-03-31 2011-04-30 2011-05-31"},
        {"implied last-day rule", schedule(ymd(2011, 2, 28), "Month", 1), ymd(2011, 4, 30), -1,
         "2011-02-28 2011-03-31 2011-04-30"},
        {"limit 0", schedule(ymd(2011, 1, 3), "Week", 1, mondayThursday), ymd(2011, 2, 1), 0, ""},
        {"end before the due date", schedule(ymd(2011, 1, 3), "Week", 1), ymd(2011, 1, 2), -1, ""},
        {"end on the due date", schedule(ymd(2011, 1, 3), "Week", 1), ymd(2011, 1, 3), -1,
         "2011-01-03"},
        {"interval skip jumps past the end", schedule(ymd(2011, 1, 3), "Month", 1000000000),
         ymd(2011, 6, 1), -1, "2011-01-03"},
        {"huge weekly interval", schedule(ymd(2011, 1, 3), "Week", 2000000000), ymd(2011, 6, 1), -1,
         "2011-01-03"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(render(c.schedule.upcomingDatesUntil(c.end, c.limit)), c.expected);
    }
}

TEST(UpcomingDates, EndsAfterLimitsTheDates) {
    RepeatSchedule s = schedule(ymd(2011, 1, 3), "Week", 1, {{DIWeek(2)}}, 3);
    EXPECT_EQ(render(s.upcomingDatesUntil(Date::distantFuture())),
              "2011-01-03 2011-01-10 2011-01-17");
    EXPECT_EQ(render(s.upcomingDatesUntil(ymd(2011, 1, 12))), "2011-01-03 2011-01-10");
    s.endsAfter = 1;
    EXPECT_EQ(render(s.upcomingDatesUntil(Date::distantFuture())), "2011-01-03");
}

TEST(UpcomingDates, OneTimeItemYieldsItsDueDateOnlyUpToTheEnd) {
    const RepeatSchedule once{ymd(2011, 5, 1), std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt};
    EXPECT_EQ(render(once.upcomingDatesUntil(Date::distantFuture())), "2011-05-01");
    EXPECT_EQ(render(once.upcomingDatesUntil(ymd(2011, 5, 1))), "2011-05-01");
    EXPECT_EQ(render(once.upcomingDatesUntil(ymd(2011, 4, 30))), "");
    EXPECT_EQ(render(once.upcomingDatesUntil(Date::distantFuture(), 0)), "");
}

TEST(UpcomingDates, ImpliedRuleFollowsTheDueDateAsTheItemAdvances) {
    // A monthly item without rules due on 30 January: its projection shows 30 March, but the
    // item itself reaches 28 February (a last day) and from there 31 March.
    RepeatSchedule s = schedule(ymd(2011, 1, 30), "Month", 1);
    EXPECT_EQ(render(s.upcomingDatesUntil(ymd(2011, 3, 31))), "2011-01-30 2011-02-28 2011-03-30");
    std::vector<std::string> reached;
    for (int i = 0; i < 3; ++i) {
        s.nextDueDate = s.dueDateAfterNext();
        reached.push_back(s.nextDueDate.toISOString());
    }
    EXPECT_EQ(reached, (std::vector<std::string>{"2011-02-28", "2011-03-31", "2011-04-30"}));
}

TEST(AdjustNextDueDate, MovesOntoThePattern) {
    struct Case {
        const char* name;
        RepeatSchedule schedule;
        Date expected;
    } const cases[] = {
        {"every 2 weeks on Monday from Wednesday 5 January",
         schedule(ymd(2011, 1, 5), "Week", 2, {{DIWeek(2)}}), ymd(2011, 1, 17)},
        {"every 3 months on the 1st and 15th from 10 January",
         schedule(ymd(2011, 1, 10), "Month", 3, {{DIMonth(1), DIMonth(15)}}), ymd(2011, 1, 15)},
        {"every 3 months on the 1st from 10 January",
         schedule(ymd(2011, 1, 10), "Month", 3, {{DIMonth(1)}}), ymd(2011, 4, 1)},
        {"already on the pattern", schedule(ymd(2011, 1, 6), "Week", 1, {{DIWeek(5)}}),
         ymd(2011, 1, 6)},
        {"implied rule", schedule(ymd(2011, 1, 30), "Month", 4), ymd(2011, 1, 30)},
        {"last day from the middle of February",
         schedule(ymd(2012, 2, 10), "Month", 1, {{DIMonth(-1)}}, 1), ymd(2012, 2, 29)},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        c.schedule.adjustNextDueDate();
        EXPECT_EQ(c.schedule.nextDueDate, c.expected);
    }
    const RepeatSchedule fortnightly = schedule(ymd(2011, 1, 17), "Week", 2, {{DIWeek(2)}});
    EXPECT_EQ(fortnightly.dueDateAfterNext(), ymd(2011, 1, 31));
}

TEST(RepeatSchedule, IncludesAndImpliedRules) {
    const RepeatSchedule withRules = schedule(ymd(2011, 1, 3), "Week", 2, {{DIWeek(2), DIWeek(5)}});
    EXPECT_TRUE(withRules.includes(ymd(2011, 1, 6)));
    // Rules decide; the interval does not.
    EXPECT_TRUE(withRules.includes(ymd(2011, 1, 10)));
    EXPECT_FALSE(withRules.includes(ymd(2011, 1, 4)));
    const RepeatSchedule implied = schedule(ymd(2011, 1, 31), "Month", 1);
    EXPECT_TRUE(implied.includes(ymd(2011, 2, 28)));
    EXPECT_FALSE(implied.includes(ymd(2011, 2, 27)));

    EXPECT_EQ(RepeatSchedule::componentForDate(ymd(2011, 1, 31), "Month"), RepeatRule(DIMonth(-1)));
    EXPECT_EQ(RepeatSchedule::componentForDate(ymd(2012, 2, 28), "Month"), RepeatRule(DIMonth(28)));
}

TEST(RepeatSchedule, InternalErrors) {
    const RepeatSchedule emptyRules =
        schedule(ymd(2011, 1, 3), "Week", 1, std::vector<RepeatRule>{});
    EXPECT_EQ(messageOf([&] { (void)emptyRules.includes(ymd(2011, 1, 3)); }),
              "repeatRules should not be empty when present.");
    EXPECT_EQ(messageOf([&] { (void)emptyRules.upcomingDatesUntil(ymd(2011, 2, 1)); }),
              "repeatRules should not be empty when present.");

    const RepeatSchedule yearly = schedule(ymd(2011, 1, 3), "Year", 1, {{DIWeek(2)}});
    EXPECT_EQ(messageOf([&] { (void)yearly.upcomingDatesUntil(ymd(2011, 2, 1)); }),
              "Repeat type expected to be month");
    EXPECT_THROW((void)RepeatSchedule::componentForDate(ymd(2011, 1, 3), "Year"), AssertionFailure);
    EXPECT_THROW((void)RepeatSchedule::componentForDate(ymd(2011, 1, 3), ""), AssertionFailure);

    RepeatSchedule ended = schedule(ymd(2011, 1, 3), "Week", 1, {{DIWeek(2)}}, 0);
    EXPECT_EQ(messageOf([&] { ended.adjustNextDueDate(); }), "Ends after cannot be less than 1");
    EXPECT_EQ(ended.nextDueDate, ymd(2011, 1, 3));
    ended.endsAfter = -1;
    EXPECT_EQ(messageOf([&] { ended.adjustNextDueDate(); }), "Ends after cannot be less than 1");

    RepeatSchedule past{Date::distantFuture().advanceDays_PN(1), std::nullopt, std::nullopt,
                        std::nullopt, std::nullopt};
    EXPECT_THROW(past.adjustNextDueDate(), AssertionFailure);
    const RepeatSchedule once{ymd(2011, 1, 3), std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt};
    EXPECT_THROW((void)once.dueDateAfterNext(), AssertionFailure);
}

}  // namespace
