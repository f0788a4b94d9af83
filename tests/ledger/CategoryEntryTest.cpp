// What a category field completes, lists in its menu and makes of the text typed into it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestApplicationModel.h"
#include "base/NotificationCenter.h"
#include "ledger/Category.h"
#include "ledger/CategoryCompletion.h"
#include "ledger/CategoryEntry.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CategoryMenu.h"
#include "store/ObjectContext.h"

namespace {

class CategoryEntryTest : public ::testing::Test {
protected:
    Category* category(const std::string& name, CategoryGroup* group = nullptr) {
        auto* created = ctx.insert<Category>();
        created->setName(name);
        created->setGroup(group);
        return created;
    }
    CategoryGroup* group(const std::string& name) {
        auto* created = ctx.insert<CategoryGroup>();
        created->setName(name);
        return created;
    }
    // One line per item: "---" for a separator, "[Name]" for a disabled item, two spaces per
    // level of indentation, "* " before a checked item.
    std::vector<std::string> menuLines(const Category* current) {
        std::vector<std::string> lines;
        for (const CategoryMenu::Item& item : CategoryMenu::items(ctx, current)) {
            if (item.kind == CategoryMenu::Item::Kind::Separator) {
                lines.push_back("---");
                continue;
            }
            std::string line(std::size_t(item.indentation) * 2, ' ');
            line += item.isChecked ? "* " : "";
            line += item.isEnabled ? item.title : "[" + item.title + "]";
            lines.push_back(line);
        }
        return lines;
    }

    ObjectContext ctx{applicationModel()};
};

TEST_F(CategoryEntryTest, CompletionsKeepTheTypedTextAndAddTheRestOfEachNameInNameOrder) {
    const CategoryCompletion completion(
        {"Groceries", "Dining", "gift cards", "Gas", "Géant", "Income", "Gift Shop"});
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"g", {"gas", "géant", "gift cards", "gift Shop", "groceries"}},
        {"GR", {"GRoceries"}},
        {"gift ", {"gift cards", "gift Shop"}},
        {"ge", {}},  // "Géant" begins with "Gé": case is ignored, accents are not
        {"Dining room", {}},
        {"", {}},
    };
    for (const auto& [typed, expected] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(completion.completionsFor(typed), expected);
    }
}

TEST_F(CategoryEntryTest, CompletionReadsTheStoresCategoriesOnce) {
    category("Rent");
    const CategoryCompletion completion(ctx);
    category("Repairs");
    EXPECT_EQ(completion.completionsFor("re"), std::vector<std::string>{"rent"});
    EXPECT_EQ(CategoryCompletion(ctx).completionsFor("re"),
              (std::vector<std::string>{"rent", "repairs"}));
}

TEST_F(CategoryEntryTest, MenuListsGroupsAndLooseCategoriesTogetherByName) {
    CategoryGroup* living = group("Living");
    CategoryGroup* car = group("auto");
    category("Utilities");
    Category* rent = category("Rent", living);
    category("groceries", living);
    category("Gas", car);
    category("Dining");
    group("Empty");

    EXPECT_EQ(menuLines(rent),
              (std::vector<std::string>{"None", "---", "[auto]", "  Gas", "Dining", "[Empty]",
                                        "[Living]", "  groceries", "  * Rent", "Utilities", "---",
                                        "Edit Categories..."}));
    EXPECT_EQ(menuLines(nullptr).front(), "* None");
    const auto items = CategoryMenu::items(ctx, rent);
    EXPECT_EQ(items[8].category, rent);
    EXPECT_EQ(items.back().kind, CategoryMenu::Item::Kind::EditCategories);
}

TEST_F(CategoryEntryTest, TypedTextIsNoCategoryAKnownOneOrAMissingOne) {
    Category* cafe = category("Café");
    using Kind = CategoryEntry::Outcome::Kind;
    struct Case {
        const char* text;
        CategoryEntry::Outcome expected;
    };
    const Case cases[] = {
        {"", {Kind::NoCategory, nullptr, ""}},          {"  ", {Kind::NoCategory, nullptr, ""}},
        {"cafe", {Kind::Existing, cafe, "cafe"}},       {" CAFÉ ", {Kind::Existing, cafe, "CAFÉ"}},
        {" Books ", {Kind::Missing, nullptr, "Books"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CategoryEntry::resolve(c.text, ctx), c.expected);
    }
}

TEST_F(CategoryEntryTest, CreatingAskedForCategoryInsertsItAndAnnouncesIt) {
    EXPECT_EQ(CategoryEntry::createQuestion("Books"),
              (AlertQuestion{"The category \"Books\" does not exist, do you want to create it?",
                             "You can manage all of your categories in the application "
                             "preferences panel.",
                             {"Create", "Cancel"}}));
    int posted = 0;
    NotificationObserver observer = NotificationCenter::defaultCenter().observe(
        kPNCategoriesChanged, [&](const std::string&) { ++posted; });
    Category* books = CategoryEntry::createCategory("Books", ctx);
    EXPECT_EQ(books->name(), "Books");
    EXPECT_EQ(Category::findByName("books", ctx), books);
    EXPECT_EQ(posted, 1);
}

}  // namespace
