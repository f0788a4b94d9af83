#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "scheduled/RepeatSchedule.h"

// What the scheduled-item editor's due-date and repeat controls hold, read into a
// RepeatSchedule and back, with the texts of those controls. The editor widget shows a form
// and forwards the user's choices; it holds no rule of its own.
struct RepeatForm final {
    // Tags of the repeat-type pop-up.
    static constexpr int kMonthlyTag = 0;
    static constexpr int kWeeklyTag = 1;
    static constexpr int kNoRepeatTag = 2;
    // Tags of the ends pop-up.
    static constexpr int kEndsNeverTag = 0;
    static constexpr int kEndsAfterTag = 1;
    // The count put in the ends field when "after" is chosen with an empty field.
    static constexpr int kDefaultEndsAfterCount = 10;

    Date dueDate;
    int repeatTypeTag = kMonthlyTag;
    // The interval field (empty when not repeating).
    std::optional<int> interval = 1;
    // The pop-up tag of each "on" row, in row order: weekdays 1-7 for a weekly item, -1 (last
    // day) or 1-31 for a monthly one. No rows: no custom rules.
    std::vector<int> ruleTags;
    int endsTag = kEndsNeverTag;
    std::optional<int> endsAfterCount;

    // The repeat settings the form describes, with the due date moved onto the pattern
    // (adjustNextDueDate) for a repeating item. An empty interval reads as 1; an "after" count
    // that is empty or below 1 reads as 1, the fewest occurrences an item can have. Unexpected
    // pop-up tags throw AssertionFailure.
    [[nodiscard]] RepeatSchedule read() const;

    // The form showing an item's settings. An item with endsAfter but no rules throws
    // AssertionFailure "An internal error has occurred: (Code: F2FAE)".
    static RepeatForm fromSchedule(const RepeatSchedule& schedule);

    // The pop-up tag of the rule implied by a due date ("on" row shown for the first time).
    static int impliedRuleTag(Date dueDate, int repeatTypeTag);

    // The custom rules' toggle: hides the "on" rows and the end when rules are shown, else
    // shows one row holding the rule the due date implies, ending never.
    void toggleCustomRules();
    // A new "on" row below the last, on Sunday or the 1st day.
    void addRuleRow();
    // Removes the "on" row at `index`. REQUIRES: a row there (AssertionFailure otherwise).
    void removeRuleRow(std::size_t index);

    // Which buttons an "on" row shows: a single row only its add button (in the remove
    // button's place); with several rows every row its remove button and the last one also
    // its add button.
    struct RuleRowButtons final {
        bool remove = false;
        bool add = false;
        bool operator==(const RuleRowButtons&) const = default;
    };
    static RuleRowButtons ruleRowButtons(std::size_t rowIndex, std::size_t rowCount);

    // "month"/"months" or "week"/"weeks", singular exactly for an interval of 1.
    static std::string unitLabel(int repeatTypeTag, int interval);
    // "time" for a count of 1, else "times".
    static std::string endsAfterLabel(int count);
    // "Next Due Date:" for a repeating item, else "Due Date:".
    static std::string dueDateLabel(int repeatTypeTag);
    // "On:" for the first "on" row, "And On:" for every later one.
    static std::string ruleRowLabel(std::size_t rowIndex);

    bool operator==(const RepeatForm&) const = default;
};
