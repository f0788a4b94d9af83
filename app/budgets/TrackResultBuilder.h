#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

#include "TrackResult.h"

class CategoryGroup;

// Builds one side's tracking result: category rows are collected under their groups, each
// group listed where its first category is met, and finish() fills in the sums.
class TrackResultBuilder final {
public:
    // A category row (type Category); `group` is the category's group or nothing, its identity
    // telling groups apart.
    void addCategoryRow(TrackRow row, const CategoryGroup* group, const std::string& groupName);
    // The "Uncategorized" row with a limit of zero (expense side only).
    void addUncategorizedRow(const Decimal& actual);
    // The result with group and total sums; the builder starts over empty.
    [[nodiscard]] TrackResult finish();

private:
    TrackResult m_result;
    std::unordered_map<const CategoryGroup*, std::size_t> m_groupRows;
};
