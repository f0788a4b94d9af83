#include "ledger/CategoryMenu.h"

#include <algorithm>
#include <variant>

#include "base/TextFolding.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"

namespace {

// A top-level entry: a group or a category without one.
using Entry = std::variant<CategoryGroup*, Category*>;

const std::string& nameOf(const Entry& entry) {
    return std::visit([](const auto* node) -> const std::string& { return node->name(); }, entry);
}

void sortByName(std::vector<Category*>& categories) {
    std::sort(categories.begin(), categories.end(), [](const Category* a, const Category* b) {
        return CategoryMenu::namePrecedes(a->name(), b->name());
    });
}

}  // namespace

bool CategoryMenu::namePrecedes(std::string_view a, std::string_view b) {
    const std::string foldedA = foldForComparison(a);
    const std::string foldedB = foldForComparison(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

std::vector<CategoryMenu::Item> CategoryMenu::items(ObjectContext& context,
                                                    const Category* current) {
    using Kind = Item::Kind;
    std::vector<Entry> entries;
    for (CategoryGroup* group : CategoryGroup::allInContext(context)) {
        entries.emplace_back(group);
    }
    for (Category* category : Category::findByPredicate(
             [](const Category& c) { return c.group() == nullptr; }, context)) {
        entries.emplace_back(category);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return namePrecedes(nameOf(a), nameOf(b));
    });

    const Item separator{Kind::Separator, "", nullptr, 0, true, false};
    std::vector<Item> items{{Kind::None, "None", nullptr, 0, true, current == nullptr}, separator};
    auto addCategory = [&](Category* category, int indentation) {
        items.push_back(
            {Kind::Category, category->name(), category, indentation, true, category == current});
    };
    for (const Entry& entry : entries) {
        if (auto* const* group = std::get_if<CategoryGroup*>(&entry)) {
            items.push_back({Kind::Group, (*group)->name(), nullptr, 0, false, false});
            std::vector<Category*> members = (*group)->children();
            sortByName(members);
            for (Category* category : members) {
                addCategory(category, 1);
            }
        } else {
            addCategory(std::get<Category*>(entry), 0);
        }
    }
    items.push_back(separator);
    items.push_back({Kind::EditCategories, "Edit Categories...", nullptr, 0, true, false});
    return items;
}
