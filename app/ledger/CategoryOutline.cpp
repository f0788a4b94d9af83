#include "ledger/CategoryOutline.h"

#include "base/TextFolding.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"

const std::string& CategoryOutline::Entry::name() const {
    return group != nullptr ? group->name() : category->name();
}

std::vector<CategoryOutline::Entry> CategoryOutline::topLevel(ObjectContext& context) {
    std::vector<Entry> entries;
    for (CategoryGroup* group : CategoryGroup::allInContext(context)) {
        entries.push_back({group, nullptr});
    }
    for (Category* category : Category::findByPredicate(
             [](const Category& c) { return c.group() == nullptr; }, context)) {
        entries.push_back({nullptr, category});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return ::namePrecedes(a.name(), b.name());
    });
    return entries;
}

std::vector<Category*> CategoryOutline::children(const CategoryGroup& group) {
    std::vector<Category*> members = group.children();
    sortByName(members);
    return members;
}
