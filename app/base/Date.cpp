#include "Date.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "AssertionFailure.h"
#include "Clock.h"

namespace {

struct Civil {
    int year;
    int month;
    int day;
};

// Days since 1970-01-01 of a proleptic Gregorian day (month 1-12, day 1-31).
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr Civil civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = yoe + era * 400;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return Civil{static_cast<int>(y + (m <= 2)), m, d};
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Floor division for negative month counts.
int floorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

int Date::numberOfDaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

Date Date::dateWithYear_PN(int year, int month, int day) {
    // Months outside 1-12 carry into the year; days then count from the first of the month.
    int monthIndex = month - 1;
    int y = year + floorDiv(monthIndex, 12);
    int m = monthIndex - floorDiv(monthIndex, 12) * 12 + 1;
    return Date(static_cast<std::int32_t>(daysFromCivil(y, m, 1) + (day - 1)));
}

std::optional<Date> Date::validDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > numberOfDaysInMonth(year, month)) {
        return std::nullopt;
    }
    return Date(static_cast<std::int32_t>(daysFromCivil(year, month, day)));
}

Date Date::today_PN() {
    return utcDateFromLocalDate_PN(Clock::now());
}

Date Date::utcDateFromLocalDate_PN(TimePoint time) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    return dateWithYear_PN(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::optional<Date> Date::fromISOString(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    auto number = [&](std::size_t from, std::size_t length) -> int {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return -1;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    int y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (y < 0 || m < 0 || d < 0) {
        return std::nullopt;
    }
    return validDate(y, m, d);
}

std::string Date::toISOString() const {
    Civil c = civilFromDays(m_days);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buffer;
}

Date Date::weeksLater_pn(int n) const {
    PN_ASSERT(n >= 0, "Step needs to be a positive integer");
    return advanceWeeks_pn(n);
}

Date Date::weeksAgo_pn(int n) const {
    PN_ASSERT(n >= 0, "Step needs to be a positive integer");
    return advanceWeeks_pn(-n);
}

Date Date::advanceMonths_PN(int n) const {
    Civil c = civilFromDays(m_days);
    int monthIndex = c.year * 12 + (c.month - 1) + n;
    int year = floorDiv(monthIndex, 12);
    int month = monthIndex - year * 12 + 1;
    int day = std::min(c.day, numberOfDaysInMonth(year, month));
    return Date(static_cast<std::int32_t>(daysFromCivil(year, month, day)));
}

int Date::daysAwayFrom_pn(Date other) const {
    return std::abs(numberOfDaysAfter_PN(other));
}

int Date::numberOfMonthsAfter_pn(Date other) const {
    Civil a = civilFromDays(m_days);
    Civil b = civilFromDays(other.m_days);
    return (a.year - b.year) * 12 + (a.month - b.month);
}

Date Date::beginningOfMonth_pn() const {
    Civil c = civilFromDays(m_days);
    return Date(static_cast<std::int32_t>(daysFromCivil(c.year, c.month, 1)));
}

Date Date::endOfMonth_pn() const {
    Civil c = civilFromDays(m_days);
    return Date(static_cast<std::int32_t>(
        daysFromCivil(c.year, c.month, numberOfDaysInMonth(c.year, c.month))));
}

Date Date::beginningOfYear_pn() const {
    return Date(static_cast<std::int32_t>(daysFromCivil(year_PN(), 1, 1)));
}

Date Date::endOfYear_pn() const {
    return Date(static_cast<std::int32_t>(daysFromCivil(year_PN(), 12, 31)));
}

int Date::day_pn() const {
    return civilFromDays(m_days).day;
}
int Date::month_PN() const {
    return civilFromDays(m_days).month;
}
int Date::year_PN() const {
    return civilFromDays(m_days).year;
}

int Date::weekday_pn() const {
    // 1 January 1970 was a Thursday (5).
    int offset = static_cast<int>((std::int64_t{m_days} % 7 + 7) % 7);
    return (offset + 4) % 7 + 1;
}

std::vector<Date> Date::monthsFromStartDate(Date start, Date end) {
    std::vector<Date> result;
    Date current = start.endOfMonth_pn();
    Date last = end.endOfMonth_pn();
    while (!current.isLaterThan_PN(last)) {
        result.push_back(current);
        current = current.advanceMonths_PN(1).endOfMonth_pn();
    }
    return result;
}
