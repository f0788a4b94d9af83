#pragma once

#include <vector>

#include "base/CommandCheck.h"
#include "base/MenuItemState.h"

class ObjectContext;
class ScheduledItem;

// The user commands on the items selected in the scheduled list that need no sheet: delete.
// Editing, paying and skipping have their own sheets and operations on ScheduledItem.
class ScheduledListCommands final {
public:
    // Enabled while at least one item is selected; the item keeps its title.
    static MenuItemState deleteMenuItem(const std::vector<ScheduledItem*>& selected);
    // Asks, naming the one item's title or the number of items.
    // REQUIRES: at least one item (AssertionFailure otherwise).
    static CommandCheck checkDelete(const std::vector<ScheduledItem*>& selected);
    // Deletes every item with its projected transactions; paid transactions stay.
    static void performDelete(const std::vector<ScheduledItem*>& selected, ObjectContext& context);
};
