#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

// The category part of the trends chart's series menu, below its fixed entries. Groups and
// categories without a group are listed together by name; a group shows as a disabled bold
// title followed by its categories, by name and indented one level. Names are compared plainly
// (byte by byte, so case-sensitive). `CategoryRef` is whatever identifies a category.
template <typename CategoryRef>
class TrendsMenu final {
public:
    struct Category final {
        std::string name;
        CategoryRef category;
    };
    struct Group final {
        std::string name;
        std::vector<Category> categories;
    };
    struct Entry final {
        std::string title;
        bool isGroupTitle = false;  // disabled, in bold
        bool indented = false;
        std::optional<CategoryRef> category;  // what the entry charts; none for a group title
    };

    [[nodiscard]] static std::vector<Entry> categoryEntries(std::vector<Group> groups,
                                                            std::vector<Category> ungrouped) {
        struct Item {
            const std::string* name;
            const Group* group;
            const Category* category;
        };
        std::vector<Item> items;
        for (const Group& group : groups) {
            items.push_back({&group.name, &group, nullptr});
        }
        for (const Category& category : ungrouped) {
            items.push_back({&category.name, nullptr, &category});
        }
        std::stable_sort(items.begin(), items.end(),
                         [](const Item& a, const Item& b) { return *a.name < *b.name; });
        std::vector<Entry> entries;
        for (const Item& item : items) {
            if (item.category != nullptr) {
                entries.push_back({item.category->name, false, false, item.category->category});
                continue;
            }
            entries.push_back({item.group->name, true, false, std::nullopt});
            std::vector<Category> members = item.group->categories;
            std::stable_sort(members.begin(), members.end(),
                             [](const Category& a, const Category& b) { return a.name < b.name; });
            for (const Category& member : members) {
                entries.push_back({member.name, false, true, member.category});
            }
        }
        return entries;
    }
};
