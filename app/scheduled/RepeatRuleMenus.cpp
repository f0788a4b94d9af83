#include "RepeatRuleMenus.h"

#include <cstdlib>

#include "base/Date.h"
#include "base/DateFormatter.h"
#include "scheduled/DIMonth.h"

std::string ordinalNumber(int n) {
    const char* suffix = "th";
    if (n != 11 && n != 12 && n != 13) {
        switch (std::abs(n) % 10) {
            case 1:
                suffix = "st";
                break;
            case 2:
                suffix = "nd";
                break;
            case 3:
                suffix = "rd";
                break;
            default:
                break;
        }
    }
    return std::to_string(n) + suffix;
}

std::vector<RulePopUpItem> monthlyRulePopUpItems() {
    std::vector<RulePopUpItem> items{{"last day", DIMonth::kLastDay, false}, {"", 0, true}};
    for (int day = 1; day <= 31; ++day) {
        items.push_back({ordinalNumber(day) + " day", day, false});
    }
    return items;
}

std::vector<RulePopUpItem> weeklyRulePopUpItems() {
    const DateFormatter formatter = DateFormatter::withPattern("EEEE");
    // 4 January 1970 was a Sunday.
    const Date sunday = Date::dateWithYear_PN(1970, 1, 4);
    std::vector<RulePopUpItem> items;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        items.push_back(
            {formatter.stringFromDate(sunday.advanceDays_PN(weekday - 1)), weekday, false});
    }
    return items;
}
