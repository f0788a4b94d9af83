#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "ProcessRunner.h"

namespace {

namespace fs = std::filesystem;

class CliLedgerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pennora-cli-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        store = (folder / "Ledger.pennorasql").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    ProcessResult run(std::vector<std::string> arguments) {
        std::vector<std::string> all = {"--store", store, "--today", "2024-03-10", "--locale",
                                        "en_US"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return runProcess(PENNORA_CLI_PATH, all);
    }

    nlohmann::json json(std::vector<std::string> arguments) {
        arguments.push_back("--json");
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.exitStatus, 0) << result.err;
        return nlohmann::json::parse(result.out, nullptr, false);
    }

    std::string storeBytes() const {
        std::ifstream in(store, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    fs::path folder;
    std::string store;
};

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
    const std::string before = storeBytes();
    struct Case {
        std::vector<std::string> arguments;
        std::string error;
    };
    const Case cases[] = {
        {{"add-transaction", "Savings", "--date", "2024-03-01", "--amount", "1"},
         "No account is named \"Savings\"."},
        {{"add-account", "CHECKING"}, "An account named \"CHECKING\" exists already."},
        {{"add-account", "Abroad", "--currency", "XYZ"}, "No currency has the code \"XYZ\"."},
        {{"transfer", "Checking", "Checking", "5"}, "An account cannot transfer to itself."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const ProcessResult result = run(c.arguments);
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_NE(result.err.find(c.error), std::string::npos) << result.err;
        EXPECT_EQ(storeBytes(), before);
    }
    EXPECT_EQ(run({"add-account", "X", "--type", "piggy"}).exitStatus, 2);
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

}  // namespace
