#pragma once

#include <vector>

#include "base/Date.h"

// Which snapshots of a store to keep, by when they were taken: every one of the last 24 hours;
// older ones only as the newest of their local calendar day for 14 days, of their week
// (Monday to Sunday) for 8 weeks, and of their calendar month for 12 months. Anything else
// goes. The clock is the caller's (the program's Clock), so tests can fix it.
class SnapshotRetention final {
public:
    SnapshotRetention() = delete;

    // For each of `taken` (any order), whether to keep it at `now`. A snapshot from the
    // future (a clock set back) is kept: it is not ours to judge.
    [[nodiscard]] static std::vector<bool> keep(const std::vector<Date::TimePoint>& taken,
                                                Date::TimePoint now);
};
