#include "scheduled/ScheduledListCommands.h"

#include "base/AssertionFailure.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledListRow.h"
#include "store/ObjectContext.h"

std::string ScheduledListCommands::payMenuTitle(const std::vector<ScheduledItem*>& selected) {
    if (selected.size() != 1) {
        return "Pay...";
    }
    return ScheduledListRow::verbFor(*selected.front()) + "...";
}

AlertQuestion ScheduledListCommands::deleteQuestion(const std::vector<ScheduledItem*>& selected) {
    PN_ASSERT(!selected.empty(), "No scheduled transaction is selected");
    const std::string message =
        selected.size() == 1 ? "Are you sure you want to delete the scheduled transaction \"" +
                                   selected.front()->title() + "\"?"
                             : "Are you sure you want to delete the selected " +
                                   std::to_string(selected.size()) + " scheduled transactions?";
    return {message, "This will not affect transactions that has already been paid or deposited.",
            {"Delete", "Cancel"}};
}

void ScheduledListCommands::performDelete(const std::vector<ScheduledItem*>& selected,
                                          ObjectContext& context) {
    for (ScheduledItem* item : selected) {
        context.deleteObject(*item);
    }
}
