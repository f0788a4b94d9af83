#include "BreakdownPeriods.h"

#include "base/AssertionFailure.h"
#include "base/DateFormatter.h"

std::vector<BreakdownPeriods::YearEntry> BreakdownPeriods::menuYears(const DateRange& reportRange) {
    std::vector<Date> months = reportRange.monthEnds();
    std::vector<YearEntry> years;
    YearEntry current;
    for (std::size_t i = 0; i < months.size(); ++i) {
        Date month = months[i];
        current.monthsNewestFirst.insert(current.monthsNewestFirst.begin(), month);
        if (month.month_PN() == 12 || i + 1 == months.size()) {
            current.year = month.year_PN();
            // Each finished year goes in right after the fixed entries, above the older ones.
            years.insert(years.begin(), current);
            current = YearEntry();
        }
    }
    return years;
}

BreakdownPeriods::Period BreakdownPeriods::fixedPeriod(int tag, const std::string& entryTitle,
                                                       Date today) {
    switch (static_cast<FixedPeriod>(tag)) {
        case FixedPeriod::ThisMonth:
            return {{today.beginningOfMonth_pn(), today.endOfMonth_pn()}, entryTitle};
        case FixedPeriod::ThisYear:
            return {{today.beginningOfYear_pn(), today.endOfYear_pn()}, entryTitle};
        case FixedPeriod::Last12Months:
            return {{today.monthsAgo_PN(12).daysLater_PN(1), today}, entryTitle};
    }
    PN_ASSERTION_FAILURE("Unexpected case");
}

BreakdownPeriods::Period BreakdownPeriods::yearPeriod(int year) {
    Date first = Date::dateWithYear_PN(year, 1, 1);
    return {{first, first.endOfYear_pn()}, "Year " + std::to_string(year)};
}

BreakdownPeriods::Period BreakdownPeriods::monthPeriod(Date monthEnd) {
    std::string title = DateFormatter::withPattern("MMMM, yyyy").stringFromDate(monthEnd);
    return {{monthEnd.beginningOfMonth_pn(), monthEnd.endOfMonth_pn()}, title};
}

std::string BreakdownPeriods::monthEntryTitle(Date monthEnd) {
    return DateFormatter::withPattern("MMMM").stringFromDate(monthEnd);
}
