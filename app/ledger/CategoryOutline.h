#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "base/TextFolding.h"

class Category;
class CategoryGroup;
class ObjectContext;

// The categories by group, in the order every list of them shows: the groups and the
// categories without a group together at the top level, a group's categories under it, each
// level in name order (ignoring case and diacritics, then as written).
class CategoryOutline final {
public:
    CategoryOutline() = delete;

    // A top-level row: a group or a category without one (exactly one is set).
    struct Entry final {
        CategoryGroup* group = nullptr;
        Category* category = nullptr;

        const std::string& name() const;
        bool operator==(const Entry&) const = default;
    };

    [[nodiscard]] static std::vector<Entry> topLevel(ObjectContext& context);
    // The group's categories in name order.
    [[nodiscard]] static std::vector<Category*> children(const CategoryGroup& group);

    // Sorts categories or groups by name (namePrecedes).
    template <class T>
    static void sortByName(std::vector<T*>& objects) {
        std::stable_sort(objects.begin(), objects.end(), [](const T* a, const T* b) {
            return ::namePrecedes(a->name(), b->name());
        });
    }
};
