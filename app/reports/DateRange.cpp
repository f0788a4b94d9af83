#include "DateRange.h"

#include <algorithm>

#include "base/AssertionFailure.h"

DateRange DateRange::reportDateRange(std::optional<Date> earliest, std::optional<Date> latest,
                                     Date today) {
    PN_ASSERT(earliest.has_value() == latest.has_value(),
              "Earliest and latest transaction dates come together");
    if (!earliest) {
        return {today, today};
    }
    return {std::min(*earliest, today), std::max(*latest, today)};
}

std::vector<Date> DateRange::monthEnds() const {
    return Date::monthsFromStartDate(first, last);
}
