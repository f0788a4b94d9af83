#include "TrendsMenuEntries.h"

#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"

std::vector<TrendsMenuEntries::Menu::Entry> TrendsMenuEntries::categoryEntries(
    ObjectContext& context) {
    std::vector<Menu::Group> groups;
    for (const CategoryGroup* group : CategoryGroup::allInContext(context)) {
        Menu::Group entry{group->name(), {}};
        for (const Category* category : group->children()) {
            entry.categories.push_back({category->name(), category});
        }
        groups.push_back(std::move(entry));
    }
    std::vector<Menu::Category> ungrouped;
    for (const Category* category : Category::findByPredicate(
             [](const Category& c) { return c.group() == nullptr; }, context)) {
        ungrouped.push_back({category->name(), category});
    }
    return Menu::categoryEntries(std::move(groups), std::move(ungrouped));
}
