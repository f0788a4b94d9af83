#pragma once

#include <string>
#include <vector>

// The texts of the editor's "on" rows, for the widgets to show.

// "11th", "12th" and "13th"; otherwise by the last digit: "1st", "2nd", "3rd", "4th", "21st".
std::string ordinalNumber(int n);

// One entry of a rule pop-up: a title with its tag, or a separator (empty title, tag 0).
struct RulePopUpItem final {
    std::string title;
    int tag = 0;
    bool isSeparator = false;

    bool operator==(const RulePopUpItem&) const = default;
};

// "last day" (tag -1), a separator, then "1st day" to "31st day" (tags 1 to 31).
std::vector<RulePopUpItem> monthlyRulePopUpItems();
// The weekday names of the user's locale (format "EEEE"), tags 1 (Sunday) to 7 (Saturday).
std::vector<RulePopUpItem> weeklyRulePopUpItems();
