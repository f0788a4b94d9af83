#include <gtest/gtest.h>

#include <string>

#include "reports/TrendsMenu.h"

namespace {

TEST(TrendsMenu, GroupsAndLooseCategoriesByNameWithMembersIndented) {
    using Menu = TrendsMenu<int>;
    std::vector<Menu::Group> groups = {
        {"Home", {{"Rent", 1}, {"Furniture", 2}}},
        {"Car", {{"fuel", 3}, {"Insurance", 4}}},
        {"Empty", {}},
    };
    std::vector<Menu::Category> ungrouped = {{"Salary", 5}, {"Books", 6}, {"gifts", 7}};
    std::string text;
    for (const Menu::Entry& entry : Menu::categoryEntries(groups, ungrouped)) {
        text += entry.isGroupTitle ? "[" + entry.title + "]" : entry.title;
        text += entry.indented ? ">" : "";
        text += entry.category ? "=" + std::to_string(*entry.category) + " " : " ";
    }
    // Plain comparison: capitals sort before small letters.
    EXPECT_EQ(text,
              "Books=6 [Car] Insurance>=4 fuel>=3 [Empty] [Home] Furniture>=2 Rent>=1 Salary=5 "
              "gifts=7 ");
}

}  // namespace
