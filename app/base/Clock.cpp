#include "Clock.h"

#include <ctime>

namespace {
std::optional<Date::TimePoint>& fixedNow() {
    static std::optional<Date::TimePoint> instant;
    return instant;
}
}  // namespace

Date::TimePoint Clock::now() {
    return fixedNow() ? *fixedNow() : std::chrono::system_clock::now();
}

void Clock::setFixedNow(std::optional<Date::TimePoint> instant) {
    fixedNow() = instant;
}

void Clock::setFixedToday(Date day) {
    std::tm local{};
    local.tm_year = day.year_PN() - 1900;
    local.tm_mon = day.month_PN() - 1;
    local.tm_mday = day.day_pn();
    local.tm_hour = 12;
    local.tm_isdst = -1;
    std::time_t t = std::mktime(&local);
    fixedNow() = std::chrono::system_clock::from_time_t(t);
}
