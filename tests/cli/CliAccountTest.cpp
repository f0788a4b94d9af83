#include "CliFixture.h"

namespace {

using CliAccountTest = CliFixture;

std::vector<std::string> accountNamesAndGroups(const nlohmann::json& accounts) {
    std::vector<std::string> out;
    for (const auto& row : accounts.at("accounts")) {
        out.push_back(row.at("name").get<std::string>() + "@" +
                      (row.at("group").is_null() ? "-" : row.at("group").get<std::string>()));
    }
    return out;
}

TEST_F(CliAccountTest, StandardErrorCarriesTheLogOnlyWhenAskedFor) {
    // Setting up a new store adds the currencies, which the log reports one by one.
    const ProcessResult quiet = run({"accounts"});
    EXPECT_EQ(quiet.exitStatus, 0);
    EXPECT_EQ(quiet.err, "");
    std::filesystem::remove(store);
    const ProcessResult verbose = run({"accounts", "--verbose"});
    EXPECT_EQ(verbose.exitStatus, 0);
    EXPECT_NE(verbose.err.find("Added currency AUD"), std::string::npos) << verbose.err;
}

TEST_F(CliAccountTest, TreeIsEditedMovedAndPrunedThroughTheSheetsRules) {
    json({"add-group", "Bank"});
    json({"add-account", "Checking", "--start-balance", "10"});
    json({"add-account", "Savings", "--type", "savings"});
    json({"add-transaction", "Checking", "--date", "2024-02-20", "--amount", "-4"});
    json({"move", "Savings", "--to", "Bank", "--index", "0"});
    json({"move", "Checking", "--to", "ROOT", "--index", "0"});
    EXPECT_EQ(accountNamesAndGroups(json({"accounts"})),
              (std::vector<std::string>{"Checking@-", "Savings@Bank"}));

    // A changed start balance moves the start date to the day before the first transaction.
    const nlohmann::json edited = json({"edit-account", "checking", "--name", "Main", "--type",
                                        "credit_card", "--start-balance", "25.5", "--closed"});
    EXPECT_EQ(edited.at("name"), "Main");
    EXPECT_EQ(edited.at("type"), "credit_card");
    EXPECT_EQ(edited.at("startBalance"), "25.50");
    EXPECT_EQ(edited.at("startBalanceDate"), "2024-02-19");
    EXPECT_EQ(edited.at("balance"), "21.50");
    EXPECT_EQ(edited.at("isClosed"), true);
    EXPECT_EQ(json({"edit-account", "Main", "--open"}).at("isClosed"), false);
    EXPECT_EQ(json({"close-account", "Main"}).at("isClosed"), true);

    expectRefused({"delete-group", "Bank"}, 1,
                  "Account group cannot be deleted because it still contains accounts.");
    EXPECT_EQ(json({"delete-account", "Main"}).at("transactionsDeleted"), 1);
    json({"delete-account", "Savings"});
    json({"delete-group", "Bank"});
    EXPECT_TRUE(json({"accounts"}).at("accounts").empty());
    EXPECT_TRUE(json({"register", "--all"}).at("transactions").empty());
}

TEST_F(CliAccountTest, ImportSettingsAreStoredAndCleared) {
    json({"add-account", "Checking"});
    const nlohmann::json set =
        json({"import-settings", "Checking", "--special-bank", "0", "--date-order", "DMY"});
    EXPECT_EQ(set.at("specialBank"), 0);
    EXPECT_EQ(set.at("dateOrder"), "DMY");
    const nlohmann::json cleared = json({"import-settings", "Checking", "--date-order", "none"});
    EXPECT_EQ(cleared.at("specialBank"), 0);
    EXPECT_TRUE(cleared.at("dateOrder").is_null());
}

TEST_F(CliAccountTest, RefusedTreeChangesLeaveTheStoreAlone) {
    json({"add-group", "Bank"});
    json({"add-group", "Cards"});
    json({"add-account", "Checking"});
    json({"add-account", "Savings"});
    expectRefused({"move", "Checking", "--to", "ROOT", "--index", "5"}, 1,
                  "The index must be from 0 to 4.");
    expectRefused({"move", "Cards", "--to", "Bank", "--index", "0"}, 1,
                  "An account group cannot be put inside another group.");
    expectRefused({"move", "Nowhere", "--to", "ROOT", "--index", "0"}, 1,
                  "No account is named \"Nowhere\".");
    expectRefused({"edit-account", "Savings", "--name", "CHECKING"}, 1,
                  "An account named \"CHECKING\" exists already.");
    expectRefused({"edit-account", "Savings", "--closed", "--open"}, 2, "not both");
    expectRefused({"import-settings", "Savings", "--date-order", "DDD"}, 2, "--date-order");
    expectRefused({"delete-group", "Checking"}, 1, "No account group is named \"Checking\".");
}

}  // namespace
