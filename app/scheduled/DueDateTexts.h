#pragma once

#include <string>

#include "base/Date.h"

// The words for a due date relative to today, from DueDateDescription's type.

// The scheduled list's date cell: "Mar 5" (pattern "MMM d", UTC) 8 days ahead or more, then
// "In 7 days" ... "In 2 days", "Tomorrow", "Due today", "Yesterday", "2 days ago", ...
std::string dueDateCellText(Date dueDate, Date today);

// The reminder alert's phrase: "is due on March 5" (pattern "MMMM d", UTC), "is due in 3 days",
// "is due tomorrow", "is due today", "was due yesterday", "was due 4 days ago".
std::string reminderPhrase(Date dueDate, Date today);
