#pragma once

#include <vector>

#include "TrendsMenu.h"

class Category;
class ObjectContext;

// The trends chart's series menu for a store: the fixed series entries, then every group (a
// disabled title and its categories) and every category without a group, by name.
class TrendsMenuEntries final {
public:
    using Menu = TrendsMenu<const Category*>;

    // The titles of the fixed series entries, in menu order; the first is chosen at set-up.
    static constexpr const char* kFixedTitles[] = {"Balance", "Income", "Expense"};

    [[nodiscard]] static std::vector<Menu::Entry> categoryEntries(ObjectContext& context);
};
