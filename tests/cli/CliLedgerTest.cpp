#include <filesystem>
#include <fstream>

#include "CliFixture.h"

namespace {

using CliLedgerTest = CliFixture;

TEST_F(CliLedgerTest, AccountsTransactionsAndTransfersReachTheStore) {
    json({"add-account", "Checking", "--start-balance", "100"});
    json({"add-account", "Wallet", "--type", "cash"});
    json({"add-category", "Food"});
    // A new store starts with the eight default categories.
    EXPECT_EQ(json({"categories"}).at("categories").size(), 9u);
    json({"add-transaction", "checking", "--date", "2024-03-01", "--title", "Rent", "--amount",
          "-30", "--category", "food"});
    json({"add-transaction", "Checking", "--date", "2024-03-05", "--amount", "50", "--cleared"});
    json({"transfer", "Checking", "Wallet", "20"});

    const nlohmann::json accounts = json({"accounts"}).at("accounts");
    ASSERT_EQ(accounts.size(), 2u);
    EXPECT_EQ(accounts[0].at("name"), "Checking");
    EXPECT_EQ(accounts[0].at("balance"), "100.00");
    EXPECT_EQ(accounts[0].at("reconciledBalance"), "150.00");
    EXPECT_EQ(accounts[1].at("balance"), "20.00");

    const nlohmann::json rows = json({"register", "Checking"}).at("transactions");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].at("title"), "To Wallet");
    EXPECT_EQ(rows[2].at("runningBalance"), "70.00");
    EXPECT_EQ(rows[2].at("category"), "Food");
    EXPECT_EQ(json({"register", "--all"}).at("transactions").size(), 4u);
}

TEST_F(CliLedgerTest, FailedCommandsExitWithOneAndLeaveTheStoreAsItWas) {
    json({"add-account", "Checking"});
    expectRefused({"add-transaction", "Savings", "--date", "2024-03-01", "--amount", "1"}, 1,
                  "No account is named \"Savings\".");
    expectRefused({"add-account", "CHECKING"}, 1, "An account named \"CHECKING\" exists already.");
    expectRefused({"add-account", "Abroad", "--currency", "XYZ"}, 1,
                  "No currency has the code \"XYZ\".");
    expectRefused({"transfer", "Checking", "Checking", "5"}, 1,
                  "An account cannot transfer to itself.");
    expectRefused({"add-account", "X", "--type", "piggy"}, 2, "--type expects");
}

TEST_F(CliLedgerTest, AFailedCommandLeavesNoStoreWhereThereWasNone) {
    EXPECT_EQ(run({"register", "Savings"}).exitStatus, 1);
    EXPECT_EQ(run({"register", "Savings", "--all"}).exitStatus, 2);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    json({"accounts"});
    EXPECT_TRUE(std::filesystem::exists(store));
}

TEST_F(CliLedgerTest, UnreadableStoreIsReportedAndKept) {
    { std::ofstream(store) << "not a store"; }
    const ProcessResult result = run({"accounts"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find("could not be read"), std::string::npos) << result.err;
    EXPECT_EQ(storeBytes(), "not a store");
}

TEST_F(CliLedgerTest, ProjectionTurnsOnAndOff) {
    EXPECT_EQ(json({"projection", "status"}).at("isOn"), false);
    const nlohmann::json on = json({"projection", "on", "2"});
    EXPECT_EQ(on.at("isOn"), true);
    EXPECT_EQ(on.at("endDate"), "2024-04-30");
    EXPECT_EQ(json({"projection", "off"}).at("isOn"), false);
    EXPECT_EQ(json({"scheduled", "list"}).at("items").size(), 0u);
}

// As on the transfer sheet, a transfer without a category goes to "Transfer", made anew when
// it was deleted; it does not count as uncategorized money.
TEST_F(CliLedgerTest, TransferWithoutCategoryUsesTheTransferCategory) {
    json({"add-account", "Checking"});
    json({"add-account", "Savings"});
    json({"delete-category", "Transfer"});
    json({"transfer", "Checking", "Savings", "25"});
    json({"transfer", "Savings", "Checking", "5", "--category", "Dining"});
    const nlohmann::json rows = json({"register", "--all"}).at("transactions");
    ASSERT_EQ(rows.size(), 4u);
    std::vector<std::string> seen;
    for (const nlohmann::json& row : rows) {
        seen.push_back(row.at("account").get<std::string>() + " " +
                       row.at("amount").get<std::string>() + " " +
                       row.at("category").get<std::string>());
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"Checking 5.00 Dining", "Savings -5.00 Dining",
                                        "Savings 25.00 Transfer", "Checking -25.00 Transfer"}));
    const nlohmann::json categories = json({"categories"}).at("categories");
    int transferCategories = 0;
    for (const nlohmann::json& category : categories) {
        transferCategories += category.at("name") == "Transfer" ? 1 : 0;
    }
    EXPECT_EQ(transferCategories, 1);
}

}  // namespace
