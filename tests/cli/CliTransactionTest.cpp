#include "CliFixture.h"

namespace {

using CliTransactionTest = CliFixture;

TEST_F(CliTransactionTest, SplitsFlagsDeletionAndTheStatusLine) {
    json({"add-account", "Checking", "--start-balance", "500"});
    const nlohmann::json split = json({"add-transaction", "Checking", "--date", "2024-03-01",
                                       "--title", "Market", "--amount", "-100", "--split",
                                       "Food=-60", "--split", "Home=-30", "--create-category"});
    // The splits leave 10 over, which becomes an uncategorized split.
    EXPECT_EQ(split.at("category"), "Home: -30.00\nFood: -60.00\nUncategorized: -10.00");
    EXPECT_EQ(split.at("isPending"), true);
    const nlohmann::json cafe =
        json({"add-transaction", "Checking", "--date", "2024-03-02", "--title", "Café Rio",
              "--amount", "-45.5", "--category", "Food"});
    const std::string cafeID = std::to_string(cafe.at("sortID").get<int>());
    EXPECT_EQ(json({"flag", cafeID}).at("isPending"), false);

    nlohmann::json shown = json({"register", "Checking"});
    ASSERT_EQ(shown.at("transactions").size(), 2u);
    EXPECT_EQ(shown.at("transactions")[0].at("runningBalance"), "354.50");
    EXPECT_EQ(shown.at("status"), "2 transactions, $354.50 ledger balance");
    EXPECT_EQ(json({"search", "cafe"}).at("status"), "Found 1 transaction");
    EXPECT_EQ(json({"search", "45.5", "--account", "Checking"}).at("transactions").size(), 1u);
    EXPECT_EQ(json({"categories"}).at("categories").size(), 10u);

    json({"delete-transaction", cafeID});
    shown = json({"register", "--all"});
    EXPECT_EQ(shown.at("status"), "1 transaction, $400.00 ledger balance");
    EXPECT_TRUE(shown.at("transactions")[0].at("runningBalance").is_null());
}

TEST_F(CliTransactionTest, RefusalsExitWithTheirStatusAndSaveNothing) {
    json({"add-account", "Checking"});
    const std::string id = std::to_string(
        json({"add-transaction", "Checking", "--date", "2024-03-01", "--amount", "-1"})
            .at("sortID")
            .get<int>());
    expectRefused({"add-transaction", "Checking", "--date", "2024-03-01", "--amount", "1",
                   "--category", "Toys"},
                  1, "No category is named \"Toys\".");
    expectRefused(
        {"add-transaction", "Checking", "--date", "2024-03-01", "--amount", "1", "--split", "Toys"},
        2, "CATEGORY=AMOUNT");
    expectRefused({"delete-transaction", "999"}, 1, "No transaction has the sort ID 999.");
    expectRefused({"flag", "x1"}, 2, "SORTID");
    expectRefused({"register", "Checking", "--all"}, 2, "register needs one of");
    expectRefused({"match", id, id}, 1, "You must select two transactions");
}

}  // namespace
