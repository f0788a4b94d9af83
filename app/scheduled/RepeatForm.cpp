#include "RepeatForm.h"

#include <algorithm>

#include "base/AssertionFailure.h"

namespace {

const char* repeatTypeOfTag(int tag) {
    switch (tag) {
        case RepeatForm::kMonthlyTag:
            return RepeatSchedule::kMonth;
        case RepeatForm::kWeeklyTag:
            return RepeatSchedule::kWeek;
        case RepeatForm::kNoRepeatTag:
            return nullptr;
        default:
            PN_ASSERTION_FAILURE("Unexpected repeat type tag " + std::to_string(tag));
    }
}

int tagOfRepeatType(const std::optional<std::string>& repeatType) {
    if (!repeatType) {
        return RepeatForm::kNoRepeatTag;
    }
    if (*repeatType == RepeatSchedule::kMonth) {
        return RepeatForm::kMonthlyTag;
    }
    PN_ASSERT(*repeatType == RepeatSchedule::kWeek,
              "Unexpected repeat type \"" + *repeatType + "\"");
    return RepeatForm::kWeeklyTag;
}

RepeatRule ruleOfTag(int tag, int repeatTypeTag) {
    if (repeatTypeTag == RepeatForm::kWeeklyTag) {
        PN_ASSERT(tag >= 1 && tag <= 7, "Unexpected weekday tag " + std::to_string(tag));
        return DIWeek(tag);
    }
    PN_ASSERT(repeatTypeTag == RepeatForm::kMonthlyTag, "Rules on an item that does not repeat");
    PN_ASSERT(tag == DIMonth::kLastDay || (tag >= 1 && tag <= 31),
              "Unexpected day tag " + std::to_string(tag));
    return DIMonth(tag);
}

int tagOfRule(const RepeatRule& rule) {
    return rule.week() != nullptr ? rule.week()->weekday() : rule.month()->count();
}

}  // namespace

RepeatSchedule RepeatForm::read() const {
    RepeatSchedule schedule;
    schedule.nextDueDate = dueDate;
    if (const char* type = repeatTypeOfTag(repeatTypeTag)) {
        schedule.repeatType = type;
    }
    if (!ruleTags.empty()) {
        schedule.repeatRules.emplace();
        for (int tag : ruleTags) {
            schedule.repeatRules->push_back(ruleOfTag(tag, repeatTypeTag));
        }
        PN_ASSERT(endsTag == kEndsNeverTag || endsTag == kEndsAfterTag,
                  "Unexpected ends tag " + std::to_string(endsTag));
        if (endsTag == kEndsAfterTag) {
            // The walk counts occurrences from the next due one, so fewer than 1 cannot be.
            schedule.endsAfter = std::max(1, endsAfterCount.value_or(1));
        }
    }
    if (schedule.repeats()) {
        schedule.repeatInterval = interval.value_or(1);
        schedule.adjustNextDueDate();
    }
    return schedule;
}

RepeatForm RepeatForm::fromSchedule(const RepeatSchedule& schedule) {
    RepeatForm form;
    form.dueDate = schedule.nextDueDate;
    form.repeatTypeTag = tagOfRepeatType(schedule.repeatType);
    form.interval = schedule.repeatInterval;
    if (!schedule.repeatRules) {
        PN_ASSERT(!schedule.endsAfter, "An internal error has occurred: (Code: F2FAE)");
        return form;
    }
    for (const RepeatRule& rule : *schedule.repeatRules) {
        form.ruleTags.push_back(tagOfRule(rule));
    }
    if (schedule.endsAfter) {
        form.endsTag = kEndsAfterTag;
        form.endsAfterCount = schedule.endsAfter;
    }
    return form;
}

int RepeatForm::impliedRuleTag(Date dueDate, int repeatTypeTag) {
    const char* type = repeatTypeOfTag(repeatTypeTag);
    PN_ASSERT(type != nullptr, "Rules on an item that does not repeat");
    return tagOfRule(RepeatSchedule::componentForDate(dueDate, type));
}

void RepeatForm::toggleCustomRules() {
    endsTag = kEndsNeverTag;
    endsAfterCount.reset();
    if (!ruleTags.empty()) {
        ruleTags.clear();
        return;
    }
    ruleTags.push_back(impliedRuleTag(dueDate, repeatTypeTag));
}

void RepeatForm::addRuleRow() {
    PN_ASSERT(repeatTypeTag != kNoRepeatTag, "Rules on an item that does not repeat");
    // Sunday for a weekly item, the 1st day for a monthly one.
    ruleTags.push_back(1);
}

void RepeatForm::removeRuleRow(std::size_t index) {
    PN_ASSERT(index < ruleTags.size(), "No rule row " + std::to_string(index));
    ruleTags.erase(ruleTags.begin() + static_cast<std::ptrdiff_t>(index));
}

RepeatForm::RuleRowButtons RepeatForm::ruleRowButtons(std::size_t rowIndex, std::size_t rowCount) {
    if (rowCount <= 1) {
        return {.remove = false, .add = true};
    }
    return {.remove = true, .add = rowIndex + 1 == rowCount};
}

std::string RepeatForm::unitLabel(int repeatTypeTag, int interval) {
    const std::string unit = repeatTypeTag == kWeeklyTag ? "week" : "month";
    return interval == 1 ? unit : unit + "s";
}

std::string RepeatForm::endsAfterLabel(int count) {
    return count == 1 ? "time" : "times";
}

std::string RepeatForm::dueDateLabel(int repeatTypeTag) {
    return repeatTypeTag == kNoRepeatTag ? "Due Date:" : "Next Due Date:";
}

std::string RepeatForm::ruleRowLabel(std::size_t rowIndex) {
    return rowIndex == 0 ? "On:" : "And On:";
}
