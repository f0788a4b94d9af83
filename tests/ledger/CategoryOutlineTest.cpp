// The categories pane's outline and its commands on groups, as the pane and the command line
// share them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CategoryOutline.h"
#include "ledger/CategoryPaneDecisions.h"
#include "store/ObjectContext.h"

namespace {

using Names = std::vector<std::string>;
using Rename = CategoryPaneDecisions::Rename;

class CategoryOutlineTest : public ::testing::Test {
protected:
    Category* category(const char* name, CategoryGroup* group = nullptr) {
        Category* made = &CategoryPaneDecisions::addCategory(ctx);
        made->setName(name);
        made->setGroup(group);
        return made;
    }
    CategoryGroup* group(const char* name) {
        CategoryGroup* made = &CategoryPaneDecisions::addGroup(ctx);
        made->setName(name);
        return made;
    }
    // "Group: member, member" for a group, the name for a category, top level in order.
    Names outline() {
        Names rows;
        for (const CategoryOutline::Entry& entry : CategoryOutline::topLevel(ctx)) {
            if (entry.group == nullptr) {
                rows.push_back(entry.category->name());
                continue;
            }
            std::string row = entry.group->name() + ":";
            for (const Category* member : CategoryOutline::children(*entry.group)) {
                row += " " + member->name();
            }
            rows.push_back(row);
        }
        return rows;
    }

    ObjectContext ctx{applicationModel()};
};

TEST_F(CategoryOutlineTest, GroupsAndLooseCategoriesShareOneNameOrderIgnoringCaseAndAccents) {
    CategoryGroup* home = group("home");
    category("Utilities", home);
    category("\xC3\x89lectricit\xC3\xA9", home);  // Électricité
    category("rent", home);
    category("Zoo");
    category("dining");
    group("Auto");
    EXPECT_EQ(outline(),
              (Names{"Auto:", "dining", "home: \xC3\x89lectricit\xC3\xA9 rent Utilities", "Zoo"}));
}

TEST_F(CategoryOutlineTest, NewItemsTakeTheDefaultNameOrAnEmptyOne) {
    EXPECT_EQ(CategoryPaneDecisions::addCategory(ctx).name(), "New Category");
    EXPECT_EQ(CategoryPaneDecisions::addCategory(ctx).name(), "New Category 2");
    EXPECT_EQ(CategoryPaneDecisions::addGroup(ctx).name(), "");
}

TEST_F(CategoryOutlineTest, GroupRenameRefusesACategorysNameButKeepsItsOwn) {
    category("Income");
    CategoryGroup* bills = group("Bills");
    const struct {
        const char* newName;
        Rename expected;
        const char* nameAfter;
    } cases[] = {
        {"Income", Rename::NameTaken, "Bills"},
        {"income", Rename::NameTaken, "Bills"},
        {"Bills", Rename::Accept, "Bills"},
        {"Monthly", Rename::Accept, "Monthly"},
        {"", Rename::Accept, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.newName);
        EXPECT_EQ(CategoryPaneDecisions::renameGroup(*bills, c.newName, ctx), c.expected);
        EXPECT_EQ(bills->name(), c.nameAfter);
    }
    // A group that got a category's name before that category existed may keep it.
    CategoryGroup* food = group("Food");
    category("Food");
    EXPECT_EQ(CategoryPaneDecisions::renameGroup(*food, "Food", ctx), Rename::Accept);
}

TEST_F(CategoryOutlineTest, MovingCategoriesIntoAndOutOfAGroup) {
    CategoryGroup* home = group("Home");
    Category* rent = category("Rent");
    Category* gas = category("Gas");
    CategoryPaneDecisions::moveCategories({rent, gas}, home);
    EXPECT_EQ(outline(), (Names{"Home: Gas Rent"}));
    CategoryPaneDecisions::moveCategories({gas}, nullptr);
    EXPECT_EQ(outline(), (Names{"Gas", "Home: Rent"}));
}

TEST_F(CategoryOutlineTest, DeletingRefusesAUsedCategoryAndAGroupThatHoldsOne) {
    CategoryGroup* home = group("Home");
    Category* rent = category("Rent", home);
    Category* spare = category("Spare");
    ctx.insert<Account>()->createTransactionWithDate(ymd(2011, 1, 1), std::nullopt, Decimal(-5),
                                                     rent, std::nullopt, std::nullopt);
    EXPECT_EQ(assertionMessage([&] { CategoryPaneDecisions::deleteCategory(*rent, ctx); }),
              "A category that transactions use cannot be deleted");
    EXPECT_EQ(assertionMessage([&] { CategoryPaneDecisions::deleteGroup(*home, ctx); }),
              "A category group that holds categories cannot be deleted");
    EXPECT_EQ(outline(), (Names{"Home: Rent", "Spare"}));

    CategoryPaneDecisions::deleteCategory(*spare, ctx);
    CategoryPaneDecisions::moveCategories({rent}, nullptr);
    CategoryPaneDecisions::deleteGroup(*home, ctx);
    EXPECT_EQ(outline(), (Names{"Rent"}));
}

}  // namespace
