#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"

class ObjectContext;
class ScheduledItem;

// What one row of the scheduled list shows for an item: the title with its icons, the due-date
// text on its normal or red "Due" background, the amount in the account's currency and colour,
// and the title of the row's pay button.
struct ScheduledListRow final {
    // Text colours of the amount.
    static constexpr const char* kDepositColor = "237F00";
    static constexpr const char* kPaymentColor = "212121";

    std::string title;
    bool repeats = false;     // the "repeatingIcon" follows the title
    bool isTransfer = false;  // then the "transferIcon"
    std::string dueDateText;  // "Mar 5", "In 3 days", "Tomorrow", "Due today", "Yesterday", ...
    bool isDue = false;       // the due date sits on the red "Due" background
    std::string amountText;
    std::string amountColor;
    std::string actionTitle;  // "Deposit" for a deposit, "Pay" otherwise

    // The row of `item` on `today`. REQUIRES: the item has an account.
    static ScheduledListRow forItem(const ScheduledItem& item, Date today);
    // The rows of `items` in their order; one amount formatter per currency.
    static std::vector<ScheduledListRow> rowsFor(const std::vector<ScheduledItem*>& items,
                                                 Date today);

    // "Deposit" for an item that deposits, "Pay" otherwise: the list's button, the pay sheet's
    // verb and its confirm button.
    static std::string verbFor(const ScheduledItem& item);
    // The number of items on the red "Due" background: the badge of "Scheduled" in the source
    // list.
    static int dueCount(ObjectContext& context, Date today);
    // The row of `item` in `items`; nothing when it is not there.
    static std::optional<std::size_t> indexOf(const std::vector<ScheduledItem*>& items,
                                              const ScheduledItem* item);

    bool operator==(const ScheduledListRow&) const = default;
};
