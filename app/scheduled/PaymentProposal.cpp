#include "scheduled/PaymentProposal.h"

#include "scheduled/ScheduledItem.h"

PaymentProposal PaymentProposal::forItem(const ScheduledItem& item, Date today) {
    return PaymentProposal{today, item.amount(), std::nullopt, item.category(), item.notes()};
}
