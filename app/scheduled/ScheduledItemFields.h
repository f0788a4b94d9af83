#pragma once

#include <optional>
#include <string>

#include "base/Decimal.h"
#include "scheduled/RepeatSchedule.h"

// The plain fields of a scheduled item that its validation rules read.
struct ScheduledItemFields final {
    // Greater than 0: a deposit; 0 or less: a payment.
    Decimal amount;
    // A destination account is set.
    bool isTransfer = false;
    std::optional<std::string> paymentURL;
    std::optional<std::string> paymentInstructions;
    bool payAutomatically = false;
    std::optional<int> reminderDays;
    bool hasReminded = false;
    RepeatSchedule schedule;

    bool operator==(const ScheduledItemFields&) const = default;
};
