#include "ledger/CategoryMenu.h"

#include "base/TextFolding.h"

#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CategoryOutline.h"

bool CategoryMenu::namePrecedes(std::string_view a, std::string_view b) {
    return ::namePrecedes(a, b);
}

std::vector<CategoryMenu::Item> CategoryMenu::items(ObjectContext& context,
                                                    const Category* current) {
    using Kind = Item::Kind;
    const Item separator{Kind::Separator, "", nullptr, 0, true, false};
    std::vector<Item> items{{Kind::None, "None", nullptr, 0, true, current == nullptr}, separator};
    auto addCategory = [&](Category* category, int indentation) {
        items.push_back(
            {Kind::Category, category->name(), category, indentation, true, category == current});
    };
    for (const CategoryOutline::Entry& entry : CategoryOutline::topLevel(context)) {
        if (entry.group != nullptr) {
            items.push_back({Kind::Group, entry.group->name(), nullptr, 0, false, false});
            for (Category* category : CategoryOutline::children(*entry.group)) {
                addCategory(category, 1);
            }
        } else {
            addCategory(entry.category, 0);
        }
    }
    items.push_back(separator);
    items.push_back({Kind::EditCategories, "Edit Categories...", nullptr, 0, true, false});
    return items;
}
