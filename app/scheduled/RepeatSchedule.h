#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Date.h"
#include "scheduled/RepeatRule.h"

// When a scheduled item is due: its next due date and its repeat settings, with the date
// operations that depend on nothing else. ScheduledItem holds these fields and forwards.
//
// An item repeats when repeatType is set ("Week" or "Month"). Without repeatRules it falls on
// the rule implied by the current nextDueDate (so the implied rule follows the date as the
// item advances); endsAfter counts the occurrences left, the next due one included.
struct RepeatSchedule final {
    static constexpr const char* kWeek = "Week";
    static constexpr const char* kMonth = "Month";

    Date nextDueDate;
    std::optional<std::string> repeatType;
    std::optional<int> repeatInterval;
    std::optional<std::vector<RepeatRule>> repeatRules;
    std::optional<int> endsAfter;

    bool repeats() const { return repeatType.has_value(); }

    // True when any of the item's rules includes the date. Throws AssertionFailure when
    // repeatRules is present but empty, or when there are no rules and the repeat type is
    // neither "Week" nor "Month".
    [[nodiscard]] bool includes(Date date) const;

    // The rule implied by a date: its weekday for "Week"; for "Month" its day of the month, or
    // the last-day rule when the date ends its month. Any other type throws AssertionFailure.
    static RepeatRule componentForDate(Date date, std::string_view repeatType);

    // The due dates from nextDueDate through `end`, in order, at most `limit` of them (0: none;
    // -1: no limit). Found by walking day by day; an interval of n weeks (months) skips n - 1
    // whole calendar weeks (months) each time a new week (month) begins. A repeat type other
    // than "Week" or "Month" throws AssertionFailure "Repeat type expected to be month".
    [[nodiscard]] std::vector<Date> upcomingDatesUntil(Date end, int limit) const;
    // The same, limited by endsAfter (no limit when it is empty).
    [[nodiscard]] std::vector<Date> upcomingDatesUntil(Date end) const;

    // The due date that follows nextDueDate: the second upcoming date with no end and limit 2.
    // Throws AssertionFailure when there is none (an item that does not repeat).
    [[nodiscard]] Date dueDateAfterNext() const;

    // Moves nextDueDate forward onto the pattern: the first upcoming date. Throws
    // AssertionFailure when endsAfter is below 1 or when no date fits.
    void adjustNextDueDate();

    bool operator==(const RepeatSchedule&) const = default;

private:
    std::vector<RepeatRule> effectiveRules() const;
};
