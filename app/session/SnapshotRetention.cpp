#include "session/SnapshotRetention.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

namespace {

using Key = std::int64_t;

Key dayKey(Date day) {
    return day.daysSinceEpoch();
}

Key weekKey(Date day) {
    // Weekdays run from 1 (Sunday): Monday begins the week.
    return day.daysAgo_PN((day.weekday_pn() + 5) % 7).daysSinceEpoch();
}

Key monthKey(Date day) {
    return Key{day.year_PN()} * 12 + day.month_PN();
}

// Marks the newest snapshot of each bucket among those `eligible`.
void keepNewestPerBucket(const std::vector<Date::TimePoint>& taken, const std::vector<Date>& days,
                         const std::function<bool(std::size_t)>& eligible,
                         const std::function<Key(Date)>& bucketOf, std::vector<bool>& kept) {
    std::map<Key, std::size_t> newest;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (!eligible(i)) {
            continue;
        }
        auto [it, added] = newest.try_emplace(bucketOf(days[i]), i);
        if (!added && taken[i] > taken[it->second]) {
            it->second = i;
        }
    }
    for (const auto& [bucket, index] : newest) {
        kept[index] = true;
    }
}

}  // namespace

std::vector<bool> SnapshotRetention::keep(const std::vector<Date::TimePoint>& taken,
                                          Date::TimePoint now) {
    using std::chrono::hours;
    std::vector<bool> kept(taken.size(), false);
    std::vector<Date> days;
    days.reserve(taken.size());
    for (const Date::TimePoint& time : taken) {
        days.push_back(Date::utcDateFromLocalDate_PN(time));
    }
    const auto youngerThan = [&](hours age) {
        return [&taken, now, age](std::size_t i) { return now - taken[i] < age; };
    };
    for (std::size_t i = 0; i < taken.size(); ++i) {
        kept[i] = youngerThan(hours(24))(i);
    }
    keepNewestPerBucket(taken, days, youngerThan(hours(24 * 14)), dayKey, kept);
    keepNewestPerBucket(taken, days, youngerThan(hours(24 * 7 * 8)), weekKey, kept);
    const Date yearAgo = Date::utcDateFromLocalDate_PN(now).monthsAgo_PN(12);
    keepNewestPerBucket(
        taken, days, [&days, yearAgo](std::size_t i) { return days[i] > yearAgo; }, monthKey, kept);
    return kept;
}
