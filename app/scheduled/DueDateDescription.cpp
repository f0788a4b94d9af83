#include "DueDateDescription.h"

DueDateDescription DueDateDescription::descriptionOfDueDate(Date dueDate, Date today) {
    const int ahead = dueDate.numberOfDaysAfter_PN(today);
    if (ahead <= -2) {
        return {kDaysAgo, -ahead};
    }
    switch (ahead) {
        case -1:
            return {kYesterday, std::nullopt};
        case 0:
            return {kToday, std::nullopt};
        case 1:
            return {kTomorrow, std::nullopt};
        default:
            break;
    }
    if (ahead <= 7) {
        return {kInDays, ahead};
    }
    return {kDate, std::nullopt};
}
