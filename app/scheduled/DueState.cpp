#include "DueState.h"

bool DueState::shouldRemind(Date today) const {
    if (!reminderDays) {
        return false;
    }
    return !nextDueDate.daysAgo_PN(*reminderDays).isLaterThan_PN(today);
}
