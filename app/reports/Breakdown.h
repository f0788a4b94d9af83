#pragma once

#include <map>
#include <variant>

#include "base/Decimal.h"

class Category;
class CategoryGroup;

// The key that stands for every split without a category. Being its own type, it can never be
// mistaken for a category or a group.
struct UncategorizedKey final {
    bool operator==(const UncategorizedKey&) const = default;
    auto operator<=>(const UncategorizedKey&) const = default;
};

// A breakdown's key: a category, a category group (after grouping) or the uncategorized
// marker. Categories and groups are held by their store identity.
using BreakdownKey = std::variant<const Category*, const CategoryGroup*, UncategorizedKey>;

// Home-currency net amounts per key.
using Breakdown = std::map<BreakdownKey, Decimal>;

// The two sides of a breakdown: keys whose net amount is <= 0, and those above 0.
struct BreakdownPair final {
    Breakdown expense;
    Breakdown income;
};
