#include "ScheduledItemValidation.h"

#include <algorithm>

#include "base/AssertionFailure.h"

namespace {

constexpr const char* kDomainSuffix = ".ScheduledItemError";

ValidationError internalError(const char* code) {
    return ValidationError::internalError(kDomainSuffix, code);
}

bool allRulesAre(const std::vector<RepeatRule>& rules, bool (RepeatRule::*isKind)() const) {
    return std::all_of(rules.begin(), rules.end(),
                       [isKind](const RepeatRule& rule) { return (rule.*isKind)(); });
}

}  // namespace

bool validateReminderFields(const ScheduledItemFields& item,
                            std::optional<ValidationError>& error) {
    if (!item.reminderDays && item.hasReminded) {
        return failValidation(error,
                              ValidationError{ValidationError::domainWithSuffix(kDomainSuffix),
                                              1,
                                              "hasReminded should be NO when reminder is not set.",
                                              {},
                                              {}});
    }
    return true;
}

bool validateURLAndNoteCannotBothBeSet(const ScheduledItemFields& item,
                                       std::optional<ValidationError>& error) {
    if (item.paymentURL && item.paymentInstructions) {
        return failValidation(error, internalError("12FA2"));
    }
    return true;
}

bool validateRepeatSettings(const ScheduledItemFields& item,
                            std::optional<ValidationError>& error) {
    const RepeatSchedule& schedule = item.schedule;
    if (!schedule.repeats()) {
        if (schedule.repeatRules || schedule.endsAfter || schedule.repeatInterval) {
            return failValidation(error, internalError("12FB1"));
        }
        return true;
    }
    if (!schedule.repeatInterval) {
        return failValidation(error, internalError("12FB2"));
    }
    if (!schedule.repeatRules) {
        return true;
    }
    if (*schedule.repeatType == RepeatSchedule::kWeek) {
        if (!allRulesAre(*schedule.repeatRules, &RepeatRule::isWeek)) {
            return failValidation(error, internalError("12FB3"));
        }
    } else if (*schedule.repeatType == RepeatSchedule::kMonth) {
        if (!allRulesAre(*schedule.repeatRules, &RepeatRule::isMonth)) {
            return failValidation(error, internalError("12FB4"));
        }
    } else {
        PN_ASSERTION_FAILURE("Unexpected repeat type \"" + *schedule.repeatType + "\"");
    }
    return true;
}

bool validateNextDueDayFallsOnRepeatPattern(const ScheduledItemFields& item,
                                            std::optional<ValidationError>& error) {
    if (item.schedule.repeats() && !item.schedule.includes(item.schedule.nextDueDate)) {
        return failValidation(error, internalError("12FAW"));
    }
    return true;
}

bool validateAmountIsExpenseIfIsTransfer(const ScheduledItemFields& item,
                                         std::optional<ValidationError>& error) {
    if (item.isTransfer && item.amount.isIncome_pn()) {
        return failValidation(error, internalError("12XAW"));
    }
    return true;
}

bool validateReminderIsOffIfAutomaticPayIsOn(const ScheduledItemFields& item,
                                             std::optional<ValidationError>& error) {
    if (item.payAutomatically && item.reminderDays) {
        return failValidation(error, internalError("ABEFA"));
    }
    return true;
}

std::optional<ValidationError> validateScheduledItem(const ScheduledItemFields& item) {
    std::optional<ValidationError> error;
    // Every rule runs, so that all failures are reported together.
    validateReminderFields(item, error);
    validateURLAndNoteCannotBothBeSet(item, error);
    validateRepeatSettings(item, error);
    validateNextDueDayFallsOnRepeatPattern(item, error);
    validateAmountIsExpenseIfIsTransfer(item, error);
    validateReminderIsOffIfAutomaticPayIsOn(item, error);
    return error;
}
