#pragma once

#include <string>
#include <vector>

#include "base/CommandCheck.h"
#include "base/MenuItemState.h"
#include "session/SourceListItem.h"

class ObjectContext;
class ScheduledItem;

// The main window's commands on what is selected: the source list's entry (an account, a
// group, a budget) and, while the scheduled list is shown, the items selected in it. Each
// hands the work to the subsystem the selected thing belongs to, so that the desktop and the
// command line share every rule and text.
class SourceListCommands final {
public:
    // What delete and rename act on.
    struct Selection {
        SourceListItem item{};
        // The items selected in the scheduled list while "Scheduled" is selected.
        std::vector<ScheduledItem*> scheduledItems{};
    };

    // ---- Delete ----
    // Titled by the subsystem of the selected account, group or budget (enabled); with items
    // selected in the scheduled list plain Delete (enabled); anything else disabled.
    static MenuItemState deleteMenuItem(const Selection& selection);
    // What to ask before deleting. REQUIRES: deleteMenuItem is enabled (AssertionFailure).
    static CommandCheck checkDelete(const Selection& selection);
    // Deletes the selection. REQUIRES: checkDelete did not refuse.
    static void performDelete(const Selection& selection, ObjectContext& context);
    // The entry to select once the list has been read again after a delete: the entry now in
    // the deleted entry's row (`rows` as the list shows them, `deletedRow` counted from the
    // top), the one above it when that is the "Charts" header; when that is no selectable
    // entry, the last budget, or "All Accounts" when there is none.
    static SourceListItem selectionAfterDelete(const std::vector<SourceListItem>& rows,
                                               int deletedRow);

    // ---- Rename ----
    // Enabled for an account, a group or a budget.
    static MenuItemState renameMenuItem(const SourceListItem& item);
    // Gives the entry's object the new name; false (nothing changed) for any other entry.
    static bool rename(const SourceListItem& item, const std::string& name);

    // ---- Account commands ----
    // Edit Account: enabled for an account.
    static MenuItemState editAccountMenuItem(const SourceListItem& item);
    // Import from Bank: enabled for an account that is not a cash account.
    static MenuItemState importFromBankMenuItem(const SourceListItem& item);
    // Import from Bank needs a selected account.
    static CommandCheck checkImportFromBank(const SourceListItem& item);
};
