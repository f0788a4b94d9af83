#include "RepeatSchedule.h"

#include <algorithm>
#include <cstdint>

#include "base/AssertionFailure.h"

namespace {

bool anyRuleIncludes(const std::vector<RepeatRule>& rules, Date date) {
    return std::any_of(rules.begin(), rules.end(),
                       [date](const RepeatRule& rule) { return rule.includes(date); });
}

enum class WalkUnit { Week, Month, Unknown };

// How the walk goes on after a day: the next day, moved past skip whole calendar weeks or
// months when a new one begins. Nothing when that passes `end`. The arithmetic is in 64 bits
// and bounded by `end`, so that an absurd interval ends the walk instead of overflowing.
std::optional<Date> nextDayOfWalk(Date day, Date end, WalkUnit unit, std::int64_t skip) {
    Date next = day.advanceDays_PN(1);
    switch (unit) {
        case WalkUnit::Week:
            if (skip >= 1 && next.weekday_pn() == 1) {
                if (next.daysSinceEpoch() + skip * 7 > end.daysSinceEpoch()) {
                    return std::nullopt;
                }
                next = next.advanceWeeks_pn(static_cast<int>(skip));
            }
            return next;
        case WalkUnit::Month:
            if (skip >= 1 && next.day_pn() == 1) {
                if (skip > end.numberOfMonthsAfter_pn(next)) {
                    return std::nullopt;
                }
                next = next.advanceMonths_PN(static_cast<int>(skip));
            }
            return next;
        case WalkUnit::Unknown:
            break;
    }
    PN_ASSERTION_FAILURE("Repeat type expected to be month");
}

}  // namespace

std::vector<RepeatRule> RepeatSchedule::effectiveRules() const {
    if (repeatRules) {
        PN_ASSERT(!repeatRules->empty(), "repeatRules should not be empty when present.");
        return *repeatRules;
    }
    return {componentForDate(nextDueDate, repeatType.value_or(""))};
}

bool RepeatSchedule::includes(Date date) const {
    return anyRuleIncludes(effectiveRules(), date);
}

RepeatRule RepeatSchedule::componentForDate(Date date, std::string_view repeatType) {
    if (repeatType == kWeek) {
        return DIWeek(date.weekday_pn());
    }
    if (repeatType == kMonth) {
        return DIMonth(date == date.endOfMonth_pn() ? DIMonth::kLastDay : date.day_pn());
    }
    PN_ASSERTION_FAILURE("Unexpected repeat type \"" + std::string(repeatType) + "\"");
}

std::vector<Date> RepeatSchedule::upcomingDatesUntil(Date end, int limit) const {
    std::vector<Date> dates;
    if (limit == 0) {
        return dates;
    }
    if (!repeats()) {
        if (!nextDueDate.isLaterThan_PN(end)) {
            dates.push_back(nextDueDate);
        }
        return dates;
    }
    const std::vector<RepeatRule> rules = effectiveRules();
    const WalkUnit unit = repeatType == kWeek    ? WalkUnit::Week
                          : repeatType == kMonth ? WalkUnit::Month
                                                 : WalkUnit::Unknown;
    const std::int64_t skip = std::int64_t{repeatInterval.value_or(1)} - 1;
    std::optional<Date> day = nextDueDate;
    while (day && !day->isLaterThan_PN(end)) {
        if (anyRuleIncludes(rules, *day)) {
            dates.push_back(*day);
            if (static_cast<std::int64_t>(dates.size()) == limit) {
                break;
            }
        }
        day = nextDayOfWalk(*day, end, unit, skip);
    }
    return dates;
}

std::vector<Date> RepeatSchedule::upcomingDatesUntil(Date end) const {
    return upcomingDatesUntil(end, endsAfter.value_or(-1));
}

void RepeatSchedule::adjustNextDueDate() {
    if (endsAfter && *endsAfter < 1) {
        PN_ASSERTION_FAILURE("Ends after cannot be less than 1");
    }
    std::vector<Date> dates = upcomingDatesUntil(Date::distantFuture(), 1);
    PN_ASSERT(!dates.empty(), "No due date fits the repeat pattern");
    nextDueDate = dates.front();
}

Date RepeatSchedule::dueDateAfterNext() const {
    std::vector<Date> dates = upcomingDatesUntil(Date::distantFuture(), 2);
    PN_ASSERT(dates.size() == 2, "No due date follows the next one");
    return dates[1];
}
