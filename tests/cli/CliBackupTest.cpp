// The backup commands, and what every command answers when the store fails the check.
#include <sqlite3.h>

#include <fstream>

#include "CliFixture.h"

namespace {

namespace fs = std::filesystem;

class CliBackupTest : public CliFixture {
protected:
    void damage(const std::string& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(store.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
};

TEST_F(CliBackupTest, CreateListVerifyAndRestore) {
    json({"add-account", "Checking", "--start-balance", "100"});
    EXPECT_TRUE(json({"backup", "list"}).at("snapshots").empty())
        << "the first command made the store: nothing to copy before";

    const nlohmann::json created = json({"backup", "create"});
    EXPECT_TRUE(created.at("new"));
    EXPECT_EQ(created.at("snapshot").at("reason"), "manual");
    EXPECT_EQ(created.at("snapshot").at("transactions"), 0);
    EXPECT_EQ(created.at("snapshot").at("netWorth"), "100.00");
    EXPECT_FALSE(json({"backup", "create"}).at("new")) << "nothing changed since";

    // Opening for the transaction copies the store as it was before.
    json({"add-transaction", "Checking", "--amount", "-40", "--date", "2024-03-01"});
    json({"add-transaction", "Checking", "--amount", "-2", "--date", "2024-03-02"});
    const nlohmann::json listed = json({"backup", "list"});
    ASSERT_EQ(listed.at("snapshots").size(), 2u) << listed.dump(1);
    EXPECT_EQ(listed.at("snapshots")[0].at("reason"), "open");
    EXPECT_EQ(listed.at("snapshots")[0].at("transactions"), 1);
    EXPECT_EQ(listed.at("snapshots")[0].at("balances")[0].at("balance"), "60.00");
    EXPECT_EQ(fs::path(listed.at("folder").get<std::string>()), folder / "backups");

    const nlohmann::json verified = json({"backup", "verify"});
    EXPECT_TRUE(verified.at("passes"));
    for (const nlohmann::json& row : verified.at("snapshots")) {
        EXPECT_TRUE(row.at("passes")) << row.dump();
    }

    const std::string oldest = listed.at("snapshots")[1].at("file");
    EXPECT_EQ(json({"backup", "restore", oldest}).at("restored").at("file"), oldest);
    EXPECT_EQ(json({"accounts"}).at("accounts")[0].at("balance"), "100.00");
    const nlohmann::json after = json({"backup", "list"});
    EXPECT_EQ(after.at("snapshots")[0].at("reason"), "restore");
    EXPECT_EQ(after.at("snapshots")[0].at("transactions"), 2);
}

TEST_F(CliBackupTest, ADamagedStoreNamesTheSnapshotToRestore) {
    json({"add-account", "Checking", "--start-balance", "100"});
    json({"add-transaction", "Checking", "--amount", "-40", "--date", "2024-03-01"});
    json({"accounts"});  // the snapshot with the transaction
    const std::string sound = json({"backup", "list"}).at("snapshots")[0].at("file");
    damage(
        "UPDATE \"Split\" SET amount = '5' ; INSERT INTO \"Split\" (id, entity, amount, "
        "transaction_id) SELECT 999, 'Split', '7', transaction_id FROM \"Split\"");

    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"accounts"}, {"backup", "verify"}, {"backup", "create"}}) {
        SCOPED_TRACE(command.front());
        expectRefused(command, 1, "could not be read: the value of splits of Transaction");
        expectRefused(command, 1, "Restore it with: pennora-cli backup restore " + sound);
    }
    EXPECT_EQ(json({"backup", "list"}).at("snapshots").size(), 2u) << "no copy of the damage";

    EXPECT_EQ(json({"backup", "restore"}).at("restored").at("file"), sound);
    EXPECT_EQ(json({"accounts"}).at("accounts")[0].at("balance"), "60.00");
    std::size_t setAside = 0;
    for (const auto& entry : fs::directory_iterator(folder / "backups")) {
        setAside += entry.path().filename().string().rfind("damaged-", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(setAside, 1u);
}

TEST_F(CliBackupTest, RestoreRefusesAnUnknownOrChangedSnapshot) {
    json({"add-account", "Checking"});
    const std::string file = json({"backup", "create"}).at("snapshot").at("file");
    expectRefused({"backup", "restore", "nonesuch.pennorasql"}, 1,
                  "There is no snapshot \"nonesuch.pennorasql\"");
    std::ofstream((folder / "backups" / file).string(), std::ios::app) << "tail";
    expectRefused({"backup", "restore", file}, 1,
                  "the snapshot is damaged: the file is not the one the snapshot recorded");
    expectRefused({"backup", "restore"}, 1, "No snapshot in");
}

}  // namespace
