#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Decimal.h"

class CategoryGroup;
class CategoryLimit;

// One row of a budget's tracking result: a category with its limit, a group of such rows, the
// uncategorized spending, or the total. "limit" and "actual" of groups and of the total are the
// sums over their rows (see TrackResult::summarizeTrackResult).
struct TrackRow final {
    enum class Type { Category, Group, Uncategorized, Total };

    std::string name;
    Type type = Type::Category;
    CategoryLimit* categoryLimit = nullptr;  // the limit a category row stands for
    const CategoryGroup* group = nullptr;    // the group a group row stands for (its identity)
    Decimal limit;
    Decimal actual;
    std::vector<TrackRow> categories;  // a group's category rows, in order
    bool shouldRemove = false;         // an edit moved this category's limit to the other side

    // A row of that name and type with zero limit and actual.
    [[nodiscard]] static TrackRow named(std::string name, Type type);
    // "category", "group", "uncategorized" or "total".
    [[nodiscard]] static std::string_view typeName(Type type);
    [[nodiscard]] bool isGroup() const { return type == Type::Group; }
};
