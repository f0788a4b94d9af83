#pragma once

#include <string>
#include <vector>

#include "DateRange.h"
#include "base/Date.h"

// The periods of the breakdown report: what its periods menu lists below the fixed entries for
// the span of the data, and the days and button title of each choice.
class BreakdownPeriods final {
public:
    // The fixed entries of the periods menu, by their tags.
    enum class FixedPeriod { ThisMonth = 1, ThisYear = 2, Last12Months = 3 };

    // One year entry of the menu: its submenu holds "Entire Year", a separator, then the
    // year's months with data, newest first (as their month ends).
    struct YearEntry final {
        int year = 0;
        std::vector<Date> monthsNewestFirst;
        bool operator==(const YearEntry&) const = default;
    };
    // The year entries for the report range, newest year first.
    [[nodiscard]] static std::vector<YearEntry> menuYears(const DateRange& reportRange);

    // A chosen period: its first and last day and the period button's title.
    struct Period final {
        DateRange range;
        std::string buttonTitle;
        bool operator==(const Period&) const = default;
    };
    // A fixed entry on `today`: its own month, its own year, or the twelve months ending today
    // (15 March: 16 March a year before to 15 March). Any tag other than the three is
    // AssertionFailure "Unexpected case". The button shows the entry's title.
    [[nodiscard]] static Period fixedPeriod(int tag, const std::string& entryTitle, Date today);
    // "Year %d": 1 January to 31 December.
    [[nodiscard]] static Period yearPeriod(int year);
    // The month of a month end, titled "MMMM, yyyy".
    [[nodiscard]] static Period monthPeriod(Date monthEnd);

    // The menu texts: a month entry is its month's name ("MMMM"), a year entry its number.
    [[nodiscard]] static std::string monthEntryTitle(Date monthEnd);
    [[nodiscard]] static std::string yearEntryTitle(int year) { return std::to_string(year); }
    static constexpr const char* kEntireYearTitle = "Entire Year";
};
