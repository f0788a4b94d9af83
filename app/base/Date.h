#pragma once

#include <chrono>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A calendar day, held as 00:00:00 UTC of that day (a count of days since 1 January 1970).
// All arithmetic is in the proleptic Gregorian calendar in UTC; weekdays run from 1 (Sunday)
// to 7 (Saturday). A Date has no time of day and no time zone, so it never moves to a
// neighbouring day whatever the user's zone is.
class Date final {
public:
    using TimePoint = std::chrono::system_clock::time_point;

    // 1 January 1970.
    constexpr Date() noexcept = default;
    static constexpr Date fromDaysSinceEpoch(std::int32_t days) { return Date(days); }
    constexpr std::int32_t daysSinceEpoch() const { return m_days; }
    // Seconds from 1970-01-01 00:00 UTC to 00:00 UTC of this day.
    std::int64_t secondsSinceEpoch() const { return std::int64_t{m_days} * 86400; }

    // 00:00 UTC of that year, month (1-12) and day. Out-of-range months and days are
    // normalised as a calendar would (month 13 is January of the next year, day 0 the last
    // day of the previous month); use validDate() to reject them instead.
    static Date dateWithYear_PN(int year, int month, int day);
    // The same, but nothing when month or day does not exist (31 February, month 13).
    static std::optional<Date> validDate(int year, int month, int day);
    // The local calendar's current day (see Clock), as 00:00 UTC of the same year/month/day.
    static Date today_PN();
    // The year, month and day that `time` has in the process's local time zone (TZ).
    static Date utcDateFromLocalDate_PN(TimePoint time);
    // 1 January 4001: later than any real date.
    static constexpr Date distantFuture() { return Date(741'808); }
    // True for a day of the years 1 to 9999, the days a store keeps and ISO text can show.
    constexpr bool isInYears1To9999() const { return m_days >= -719'162 && m_days <= 2'932'896; }
    // Reads "YYYY-MM-DD" exactly; nothing for any other text or a day that does not exist.
    static std::optional<Date> fromISOString(std::string_view text);
    // "YYYY-MM-DD" (years below 1000 zero-padded to four digits).
    std::string toISOString() const;

    Date advanceDays_PN(int n) const { return Date(m_days + n); }
    Date daysLater_PN(int n) const { return advanceDays_PN(n); }
    Date daysAgo_PN(int n) const { return advanceDays_PN(-n); }
    Date advanceWeeks_pn(int n) const { return advanceDays_PN(7 * n); }
    // REQUIRES: n >= 0, else AssertionFailure "Step needs to be a positive integer".
    Date weeksLater_pn(int n) const;
    Date weeksAgo_pn(int n) const;
    // Plus n calendar months; the day of month stays, clamped to the target month's last day.
    Date advanceMonths_PN(int n) const;
    Date monthsLater_PN(int n) const { return advanceMonths_PN(n); }
    Date monthsAgo_PN(int n) const { return advanceMonths_PN(-n); }

    // Whole days from `other` to this date; positive when this date is later.
    int numberOfDaysAfter_PN(Date other) const { return m_days - other.m_days; }
    int daysAwayFrom_pn(Date other) const;
    // Months from the first of other's month to the first of this date's month.
    int numberOfMonthsAfter_pn(Date other) const;
    bool isLaterThan_PN(Date other) const { return m_days > other.m_days; }

    Date beginningOfMonth_pn() const;
    // The last day of this date's month (at 00:00 UTC).
    Date endOfMonth_pn() const;
    Date beginningOfYear_pn() const;
    Date endOfYear_pn() const;

    int day_pn() const;
    int month_PN() const;
    int year_PN() const;
    // 1 (Sunday) to 7 (Saturday).
    int weekday_pn() const;
    static int numberOfDaysInMonth(int year, int month);

    // The month ends from start's month through end's month, both included; empty when
    // start's month lies after end's month.
    static std::vector<Date> monthsFromStartDate(Date start, Date end);

    constexpr bool operator==(const Date&) const = default;
    constexpr auto operator<=>(const Date&) const = default;

private:
    constexpr explicit Date(std::int32_t days) : m_days(days) {}
    std::int32_t m_days = 0;
};

template <>
struct std::hash<Date> {
    std::size_t operator()(const Date& d) const noexcept {
        return std::hash<std::int32_t>()(d.daysSinceEpoch());
    }
};
