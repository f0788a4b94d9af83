#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ledger/AlertQuestion.h"

class ObjectContext;
class ScheduledItem;

// The scheduled list's commands on the items selected in it: whether each is enabled, how
// their menu items read, what deleting asks first, and the deletion itself. Editing, paying
// and skipping act through ScheduledItemForm, PaySheetModel and ScheduledItem::skip.
class ScheduledListCommands final {
public:
    // Deleting needs at least one selected item; editing, paying and skipping exactly one.
    static bool canDelete(std::size_t selectedCount) { return selectedCount >= 1; }
    static bool canEdit(std::size_t selectedCount) { return selectedCount == 1; }
    static bool canSkip(std::size_t selectedCount) { return selectedCount == 1; }
    static bool canPay(std::size_t selectedCount) { return selectedCount == 1; }

    // "Pay..." or "Deposit..." for the one selected item, "Pay..." without one.
    static std::string payMenuTitle(const std::vector<ScheduledItem*>& selected);

    // Asks before deleting, naming the one item's title or the number of items; "Delete" is
    // the default button. REQUIRES: at least one item (AssertionFailure otherwise).
    [[nodiscard]] static AlertQuestion deleteQuestion(const std::vector<ScheduledItem*>& selected);
    // Deletes every item with its projected transactions; paid transactions stay.
    static void performDelete(const std::vector<ScheduledItem*>& selected, ObjectContext& context);
};
