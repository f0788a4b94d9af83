#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Date.h"
#include "base/Decimal.h"

class Category;
class ScheduledItem;

// The values the pay sheet starts on for the next occurrence of a scheduled item, which the
// person confirms or changes before ScheduledItem::payWithDate: the date is today, not the
// due date; the amount, category and notes are the item's; there is no check number. Paying
// from the command line starts from the same values.
struct PaymentProposal {
    Date date;
    Decimal amount;
    std::optional<std::int64_t> checkNumber;
    Category* category = nullptr;
    std::optional<std::string> notes;

    [[nodiscard]] static PaymentProposal forItem(const ScheduledItem& item, Date today);
};
