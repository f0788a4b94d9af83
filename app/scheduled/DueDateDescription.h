#pragma once

#include <optional>
#include <string>

#include "base/Date.h"

// How far a due date lies from today, as the reminder alert and the scheduled list word it:
// a type text and, for "days ago" and "in days", the number of days.
struct DueDateDescription final {
    static constexpr const char* kYesterday = "yesterday";
    static constexpr const char* kDaysAgo = "days ago";
    static constexpr const char* kToday = "today";
    static constexpr const char* kTomorrow = "tomorrow";
    static constexpr const char* kInDays = "in days";
    static constexpr const char* kDate = "date";

    std::string type;
    std::optional<int> count;

    // "yesterday", "days ago" (n >= 2), "today", "tomorrow", "in days" (2 to 7 days ahead) or
    // "date" (8 days or more ahead).
    static DueDateDescription descriptionOfDueDate(Date dueDate, Date today);
    // The same for Date::today_PN().
    static DueDateDescription descriptionOfDueDate(Date dueDate) {
        return descriptionOfDueDate(dueDate, Date::today_PN());
    }

    bool operator==(const DueDateDescription&) const = default;
};
