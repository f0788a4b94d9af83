#include "CliFixture.h"

namespace {

using CliCategoryTest = CliFixture;

TEST_F(CliCategoryTest, CategoriesAreGroupedRenamedAndDeletedUnderThePanesRules) {
    json({"add-category-group", "Living"});
    json({"add-category", "Rent", "--group", "living"});
    json({"add-category", "Toys"});
    json({"move-category", "Toys", "--group", "Living"});
    json({"rename-category", "Living", "Everyday"});
    json({"rename-category", "Toys", "Games"});
    nlohmann::json listed = json({"categories"});
    ASSERT_EQ(listed.at("groups").size(), 1u);
    EXPECT_EQ(listed.at("groups")[0].at("name"), "Everyday");
    EXPECT_EQ(listed.at("groups")[0].at("categories"), nlohmann::json({"Games", "Rent"}));

    json({"add-account", "Checking"});
    json({"add-transaction", "Checking", "--date", "2024-03-01", "--amount", "-5", "--category",
          "Rent"});
    expectRefused({"delete-category", "Rent"}, 1,
                  "Cannot delete this category because it is still used by some transactions.");
    expectRefused({"delete-category", "Everyday"}, 1,
                  "Cannot delete this group because it still contains categories.");
    expectRefused({"rename-category", "Games", "rent"}, 1,
                  "The name rent has already been taken. Please choose a different name");
    expectRefused({"add-category-group", "RENT"}, 1, "has already been taken");
    expectRefused({"move-category", "Games"}, 2, "--group G or --none");

    json({"delete-category", "Games"});
    json({"move-category", "Rent", "--none"});
    json({"delete-category", "Everyday"});
    listed = json({"categories"});
    EXPECT_TRUE(listed.at("groups").empty());
    EXPECT_EQ(listed.at("categories").size(), 9u);
}

TEST_F(CliCategoryTest, HomeCurrencySwitchRebuildsTheRates) {
    json({"add-account", "Abroad", "--currency", "EUR"});
    EXPECT_EQ(json({"currencies"}).at("homeCurrency"), "USD");
    const nlohmann::json switched = json({"set-home-currency", "EUR"});
    EXPECT_EQ(switched.at("homeCurrency"), "EUR");
    // The account in the new home currency no longer has a currency of its own.
    EXPECT_TRUE(json({"accounts"}).at("accounts")[0].at("currency").is_null());
    expectRefused({"set-home-currency", "XYZ"}, 1, "No currency has the code \"XYZ\".");
}

}  // namespace
