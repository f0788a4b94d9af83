#include "DueDateTexts.h"

#include "base/AssertionFailure.h"
#include "base/DateFormatter.h"
#include "scheduled/DueDateDescription.h"

namespace {

using D = DueDateDescription;

std::string countText(const DueDateDescription& description) {
    return std::to_string(description.count.value_or(0));
}

}  // namespace

std::string dueDateCellText(Date dueDate, Date today) {
    const DueDateDescription description = D::descriptionOfDueDate(dueDate, today);
    const std::string& type = description.type;
    if (type == D::kDate) {
        return DateFormatter::withPattern("MMM d").stringFromDate(dueDate);
    }
    if (type == D::kInDays) {
        return "In " + countText(description) + " days";
    }
    if (type == D::kTomorrow) {
        return "Tomorrow";
    }
    if (type == D::kToday) {
        return "Due today";
    }
    if (type == D::kYesterday) {
        return "Yesterday";
    }
    PN_ASSERT(type == D::kDaysAgo, "Unexpected due date description \"" + type + "\"");
    return countText(description) + " days ago";
}

std::string reminderPhrase(Date dueDate, Date today) {
    const DueDateDescription description = D::descriptionOfDueDate(dueDate, today);
    const std::string& type = description.type;
    if (type == D::kDate) {
        return "is due on " + DateFormatter::withPattern("MMMM d").stringFromDate(dueDate);
    }
    if (type == D::kInDays) {
        return "is due in " + countText(description) + " days";
    }
    if (type == D::kTomorrow) {
        return "is due tomorrow";
    }
    if (type == D::kToday) {
        return "is due today";
    }
    if (type == D::kYesterday) {
        return "was due yesterday";
    }
    PN_ASSERT(type == D::kDaysAgo, "Unexpected due date description \"" + type + "\"");
    return "was due " + countText(description) + " days ago";
}
