#pragma once

#include <string>
#include <vector>

class CommandInvocation;
class ObjectContext;
class ScheduledItem;

// The scheduled-item editor's fields given as options (--title, --amount, --account, --to,
// --due, --repeat, --interval, --on, --ends-after, --reminder, --auto, --category, --url,
// --instructions, --notes), given to the editor's form and read into an item. Options left out
// keep the form's values: the item's, or a new item's defaults.
class ScheduledItemOptions final {
public:
    // The options `scheduled add` and `scheduled edit` take, and their flags.
    static std::vector<std::string> valueOptions();
    static std::vector<std::string> flags();

    // Fills a new item with the editor's defaults and then the options.
    static void create(ScheduledItem& item, const CommandInvocation& call, ObjectContext& context);
    // Applies the options to an existing item.
    static void edit(ScheduledItem& item, const CommandInvocation& call, ObjectContext& context);

    // "monday"…"sunday" for weekly rule tags 2…1, "1"…"31" or "last" for monthly ones.
    static std::string ruleText(int tag, bool weekly);
};
