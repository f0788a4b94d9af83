#include "scheduled/ScheduledListCommands.h"

#include <string>

#include "base/AssertionFailure.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledListRow.h"
#include "store/ObjectContext.h"

MenuItemState ScheduledListCommands::deleteMenuItem(const std::vector<ScheduledItem*>& selected) {
    return {.enabled = !selected.empty()};
}

CommandCheck ScheduledListCommands::checkDelete(const std::vector<ScheduledItem*>& selected) {
    PN_ASSERT(!selected.empty(), "no scheduled transaction is selected");
    const std::string message =
        selected.size() == 1 ? "Are you sure you want to delete the scheduled transaction \"" +
                                   selected.front()->title() + "\"?"
                             : "Are you sure you want to delete the selected " +
                                   std::to_string(selected.size()) + " scheduled transactions?";
    return CommandCheck::confirm(
        {.message = message,
         .informativeText =
             "This will not affect transactions that has already been paid or deposited.",
         .buttons = {"Delete", "Cancel"}});
}

void ScheduledListCommands::performDelete(const std::vector<ScheduledItem*>& selected,
                                          ObjectContext& context) {
    for (ScheduledItem* item : selected) {
        context.deleteObject(*item);
    }
}

MenuItemState ScheduledListCommands::editMenuItem(const std::vector<ScheduledItem*>& selected) {
    return {.enabled = selected.size() == 1};
}

MenuItemState ScheduledListCommands::skipMenuItem(const std::vector<ScheduledItem*>& selected) {
    return {.enabled = selected.size() == 1};
}

MenuItemState ScheduledListCommands::payMenuItem(const std::vector<ScheduledItem*>& selected) {
    if (selected.size() != 1) {
        return {.enabled = false, .title = "Pay..."};
    }
    return {.enabled = true, .title = ScheduledListRow::verbFor(*selected.front()) + "..."};
}
