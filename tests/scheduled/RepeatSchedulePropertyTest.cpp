#include <gtest/gtest.h>

#include <random>

#include "scheduled/RepeatSchedule.h"

// The day walk against a brute-force reading of the same settings: a day is due when it lies
// on or after the next due date, fits one of the rules, and its calendar week (Sunday to
// Saturday) or month lies a whole multiple of the interval after the next due date's.
namespace {

// What a generated case holds, kept apart from RepeatSchedule so that the oracle reads it.
struct Settings {
    Date start;
    bool weekly = true;
    int interval = 1;
    // Weekdays 1-7 for weekly items, day counts (-1 or 1-31) for monthly ones; empty: implied.
    std::vector<int> rules;
    int limit = -1;
};

int floorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Sunday-based week number: 4 January 1970 (day 3 since the epoch) was a Sunday.
int weekNumber(Date d) {
    return floorDiv(d.daysSinceEpoch() - 3, 7);
}

int monthNumber(Date d) {
    return d.year_PN() * 12 + d.month_PN() - 1;
}

bool isLastDayOfMonth(Date d) {
    return d.daysLater_PN(1).month_PN() != d.month_PN();
}

bool fitsRule(const Settings& s, int rule, Date d) {
    if (s.weekly) {
        return d.weekday_pn() == rule;
    }
    if (rule == -1 || rule > Date::numberOfDaysInMonth(d.year_PN(), d.month_PN())) {
        return isLastDayOfMonth(d);
    }
    return d.day_pn() == rule;
}

std::vector<int> rulesOrImplied(const Settings& s) {
    if (!s.rules.empty()) {
        return s.rules;
    }
    if (s.weekly) {
        return {s.start.weekday_pn()};
    }
    return {isLastDayOfMonth(s.start) ? -1 : s.start.day_pn()};
}

std::vector<Date> bruteForce(const Settings& s, Date end) {
    const std::vector<int> rules = rulesOrImplied(s);
    std::vector<Date> dates;
    for (Date d = s.start; d <= end; d = d.daysLater_PN(1)) {
        const int periods =
            s.weekly ? weekNumber(d) - weekNumber(s.start) : monthNumber(d) - monthNumber(s.start);
        if (periods % s.interval != 0) {
            continue;
        }
        bool fits = false;
        for (int rule : rules) {
            fits = fits || fitsRule(s, rule, d);
        }
        if (fits && static_cast<int>(dates.size()) != s.limit) {
            dates.push_back(d);
        }
    }
    return dates;
}

RepeatSchedule toSchedule(const Settings& s) {
    RepeatSchedule schedule{s.start, std::string(s.weekly ? "Week" : "Month"), s.interval,
                            std::nullopt, std::nullopt};
    if (!s.rules.empty()) {
        schedule.repeatRules.emplace();
        for (int rule : s.rules) {
            if (s.weekly) {
                schedule.repeatRules->push_back(DIWeek(rule));
            } else {
                schedule.repeatRules->push_back(DIMonth(rule));
            }
        }
    }
    return schedule;
}

Settings randomSettings(std::mt19937& random) {
    auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Settings s;
    s.start = Date::dateWithYear_PN(2008, 1, 1).daysLater_PN(between(0, 3000));
    s.weekly = between(0, 1) == 0;
    s.interval = between(0, 3) == 0 ? 1 : between(1, 6);
    const int ruleCount = between(0, 3);
    for (int i = 0; i < ruleCount; ++i) {
        s.rules.push_back(s.weekly ? between(1, 7) : (between(0, 5) == 0 ? -1 : between(1, 31)));
    }
    s.limit = between(0, 2) == 0 ? between(0, 12) : -1;
    return s;
}

std::string describe(const Settings& s) {
    std::string text = s.start.toISOString() + (s.weekly ? " weekly" : " monthly") + " every " +
                       std::to_string(s.interval) + " limit " + std::to_string(s.limit) + " rules";
    for (int rule : s.rules) {
        text += " " + std::to_string(rule);
    }
    return text;
}

TEST(UpcomingDatesProperty, AgreesWithBruteForceOverTwoYears) {
    std::mt19937 random(20110103);
    for (int i = 0; i < 400; ++i) {
        const Settings s = randomSettings(random);
        SCOPED_TRACE(describe(s));
        const Date end = s.start.advanceMonths_PN(24);
        const RepeatSchedule schedule = toSchedule(s);
        ASSERT_EQ(schedule.upcomingDatesUntil(end, s.limit), bruteForce(s, end));
    }
}

TEST(UpcomingDatesProperty, AdjustedDueDateIsTheFirstFittingDay) {
    std::mt19937 random(424242);
    for (int i = 0; i < 200; ++i) {
        Settings s = randomSettings(random);
        s.limit = 1;
        SCOPED_TRACE(describe(s));
        RepeatSchedule schedule = toSchedule(s);
        schedule.adjustNextDueDate();
        const std::vector<Date> expected = bruteForce(s, s.start.advanceMonths_PN(12 * 7));
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(schedule.nextDueDate, expected.front());
        EXPECT_TRUE(schedule.includes(schedule.nextDueDate));
    }
}

}  // namespace
