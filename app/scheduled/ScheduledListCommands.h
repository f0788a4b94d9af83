#pragma once

#include <vector>

#include "base/CommandCheck.h"
#include "base/MenuItemState.h"

class ObjectContext;
class ScheduledItem;

// The user commands on the items selected in the scheduled list: whether each is enabled and
// how its menu item reads, what deleting asks first, and the deletion itself. Editing, paying
// and skipping then act through ScheduledItemForm, PaySheetModel and ScheduledItem::skip.
class ScheduledListCommands final {
public:
    // Enabled while at least one item is selected; the item keeps its title.
    static MenuItemState deleteMenuItem(const std::vector<ScheduledItem*>& selected);
    // Asks, naming the one item's title or the number of items.
    // REQUIRES: at least one item (AssertionFailure otherwise).
    static CommandCheck checkDelete(const std::vector<ScheduledItem*>& selected);
    // Deletes every item with its projected transactions; paid transactions stay.
    static void performDelete(const std::vector<ScheduledItem*>& selected, ObjectContext& context);

    // Editing and skipping act on exactly one selected item.
    static MenuItemState editMenuItem(const std::vector<ScheduledItem*>& selected);
    static MenuItemState skipMenuItem(const std::vector<ScheduledItem*>& selected);
    // Paying too; titled "Deposit..." for a deposit, otherwise "Pay...".
    static MenuItemState payMenuItem(const std::vector<ScheduledItem*>& selected);
};
