#pragma once

#include <chrono>
#include <optional>

#include "Date.h"

// The process-wide clock that "today" comes from. Tests and the CLI's --today fix it; by
// default it is the system clock. The local time zone is the process's (TZ).
class Clock final {
public:
    // The current instant: the fixed one when set, else the system clock.
    static Date::TimePoint now();
    // Fixes now() to an instant (nothing: back to the system clock).
    static void setFixedNow(std::optional<Date::TimePoint> instant);
    // Fixes the day today_PN() answers: now() becomes local noon of that day.
    static void setFixedToday(Date day);
    static void reset() { setFixedNow(std::nullopt); }
};
