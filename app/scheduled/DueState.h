#pragma once

#include <optional>

#include "base/Date.h"

// The fields of a scheduled item that its due tests read, with those tests. The forms without
// a `today` argument use Date::today_PN().
struct DueState final {
    Date nextDueDate;
    // Remind this many days before the due date; nothing: no reminder.
    std::optional<int> reminderDays;
    bool hasReminded = false;

    // nextDueDate is not after `date`.
    [[nodiscard]] bool isDue(Date date) const { return !nextDueDate.isLaterThan_PN(date); }
    [[nodiscard]] bool isDue() const { return isDue(Date::today_PN()); }

    // Days from today to nextDueDate: 0 today, 1 tomorrow, -1 yesterday.
    int daysBeforeDue(Date today) const { return nextDueDate.numberOfDaysAfter_PN(today); }
    int daysBeforeDue() const { return daysBeforeDue(Date::today_PN()); }

    // A reminder is set and today is on or after nextDueDate minus reminderDays days; so an
    // overdue item with a reminder keeps answering true.
    [[nodiscard]] bool shouldRemind(Date today) const;
    [[nodiscard]] bool shouldRemind() const { return shouldRemind(Date::today_PN()); }

    // Due, or reminded of.
    bool shouldColorRed(Date today) const { return isDue(today) || hasReminded; }
    bool shouldColorRed() const { return shouldColorRed(Date::today_PN()); }
};
