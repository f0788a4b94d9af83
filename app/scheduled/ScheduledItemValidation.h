#pragma once

#include <optional>

#include "base/ValidationError.h"
#include "scheduled/ScheduledItemFields.h"

// The consistency rules a scheduled item must pass before it is saved. Each rule answers true
// when it holds; otherwise it stores its error (domain "<bundle id>.ScheduledItemError", code 1)
// in `error`, combined with what `error` already holds, and answers false.

// hasReminded without a reminder.
bool validateReminderFields(const ScheduledItemFields& item, std::optional<ValidationError>& error);
// Both a payment address and payment instructions (12FA2).
bool validateURLAndNoteCannotBothBeSet(const ScheduledItemFields& item,
                                       std::optional<ValidationError>& error);
// Repeat settings on a one-time item (12FB1), a repeating item without interval (12FB2), a
// rule of the wrong kind (12FB3 weekly, 12FB4 monthly). Throws AssertionFailure for rules on
// a repeat type other than "Week" or "Month".
bool validateRepeatSettings(const ScheduledItemFields& item, std::optional<ValidationError>& error);
// A repeating item whose pattern does not include its next due date (12FAW).
bool validateNextDueDayFallsOnRepeatPattern(const ScheduledItemFields& item,
                                            std::optional<ValidationError>& error);
// A transfer with an amount above 0 (12XAW); 0 counts as a payment.
bool validateAmountIsExpenseIfIsTransfer(const ScheduledItemFields& item,
                                         std::optional<ValidationError>& error);
// A reminder on an item paid automatically (ABEFA).
bool validateReminderIsOffIfAutomaticPayIsOn(const ScheduledItemFields& item,
                                             std::optional<ValidationError>& error);

// Runs every rule above, in that order; nothing when all hold, else the error (a
// multiple-validation-errors error when several fail).
[[nodiscard]] std::optional<ValidationError> validateScheduledItem(const ScheduledItemFields& item);
