#include "DueState.h"

#include <cstdint>

bool DueState::shouldRemind(Date today) const {
    if (!reminderDays) {
        return false;
    }
    // In 64 bits: a reminder of any number of days must not wrap the day count.
    const std::int64_t reminderStart =
        std::int64_t{nextDueDate.daysSinceEpoch()} - std::int64_t{*reminderDays};
    return reminderStart <= today.daysSinceEpoch();
}
