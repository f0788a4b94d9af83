#pragma once

#include <string>
#include <string_view>
#include <vector>

class Category;
class ObjectContext;

// The menu a category field pops up, as data: "None", a separator, the category groups and
// the categories without a group together in name order (a group as a disabled title followed
// by its categories, indented one level), a separator and "Edit Categories...".
class CategoryMenu final {
public:
    CategoryMenu() = delete;

    struct Item {
        enum class Kind { None, Separator, Group, Category, EditCategories };
        Kind kind = Kind::Separator;
        std::string title;
        ::Category* category = nullptr;  // for Kind::Category
        int indentation = 0;             // 1 for a category inside a group
        bool isEnabled = true;           // false for a group's title
        bool isChecked = false;          // "None" without a category; the current category

        bool operator==(const Item&) const = default;
    };

    // The menu for a field whose category is `current` (nullptr: none).
    [[nodiscard]] static std::vector<Item> items(ObjectContext& context, const Category* current);

    // The order of names in category lists: ignoring case and diacritics, then as written.
    [[nodiscard]] static bool namePrecedes(std::string_view a, std::string_view b);
};
