// What the command line does with a store it must not write: changes out of range, commands
// that fail after their save, stores damaged in their file, and stores the user may only read.
#include <sqlite3.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CliFixture.h"
#include "base/Log.h"
#include "cli/CliStore.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "store/ObjectContext.h"

namespace {

namespace fs = std::filesystem;

class CliStoreTest : public CliFixture {
protected:
    // The stores opened in this process log what their start sequence does; not here.
    void SetUp() override {
        CliFixture::SetUp();
        setLogSink([](std::string_view) {});
    }
    void TearDown() override {
        setLogSink(nullptr);
        CliFixture::TearDown();
    }

    // Runs SQL on the store file directly, as a damaged or hand-edited file would have it.
    void execute(const std::string& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(store.c_str(), &db), SQLITE_OK);
        char* message = nullptr;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        EXPECT_EQ(rc, SQLITE_OK) << sql << ": " << (message ? message : "");
        sqlite3_free(message);
        sqlite3_close(db);
    }
    std::string queryText(const std::string& sql) const {
        sqlite3* db = nullptr;
        sqlite3_stmt* statement = nullptr;
        std::string value;
        if (sqlite3_open(store.c_str(), &db) == SQLITE_OK &&
            sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return value;
    }
    void writeStore(const std::string& bytes) const {
        for (const char* suffix : {"-wal", "-shm"}) {
            fs::remove(store + suffix);
        }
        std::ofstream(store, std::ios::binary | std::ios::trunc) << bytes;
    }
    static void addAccount(CliStore& opened, const std::string& name) {
        Account* account = opened.context().insert<Account>();
        account->setName(name);
        account->moveTo(&opened.accountsRoot(),
                        static_cast<std::int64_t>(opened.accountsRoot().children().size()));
    }
    GlobalOptions options() const {
        GlobalOptions global;
        global.storePath = store;
        return global;
    }
};

TEST_F(CliStoreTest, AmountsBeyondFifteenWholeDigitsAreRefusedAndSumsOfTheOthersWork) {
    json({"add-account", "A"});
    const char* const tooLarge[] = {"99999999999999999999999999999999",
                                    "12345678901234567890123456789012345678901234567890",
                                    "1000000000000000", "-1000000000000000"};
    for (const char* amount : tooLarge) {
        expectRefused({"add-transaction", "A", "--amount", amount, "--date", "2024-02-01"}, 1,
                      "The amount " + std::string(amount) +
                          " is too large: an amount may have at most 15 digits before the "
                          "decimal point.");
    }
    expectRefused({"add-account", "B", "--start-balance", tooLarge[1]}, 1, "is too large");
    for (int i = 0; i < 2; ++i) {
        json({"add-transaction", "A", "--amount", "999999999999999.99", "--date", "2024-02-01"});
    }
    const nlohmann::json listed = json({"register", "A"});
    EXPECT_EQ(listed.at("transactions")[0].at("runningBalance"), "1999999999999999.98");
}

TEST_F(CliStoreTest, ACommandThatFailsAfterItsSaveWritesNothing) {
    json({"add-account", "A"});
    const std::string before = storeBytes();
    {
        CliStore::Run command;
        CliStore opened(options());
        addAccount(opened, "B");
        opened.save();
        // ...and the command fails before its run finishes.
    }
    EXPECT_TRUE(storeBytes() == before);
    {
        CliStore::Run command;
        CliStore opened(options());
        addAccount(opened, "B");
        opened.save();
        command.finish();
    }
    EXPECT_EQ(json({"accounts"}).at("accounts").size(), 2u);
}

TEST_F(CliStoreTest, ANewStoreIsOnlyCreatedByACommandThatSucceeds) {
    EXPECT_EQ(run({"add-transaction", "A", "--amount", "1", "--date", "2024-02-01"}).exitStatus, 1);
    EXPECT_FALSE(fs::exists(store));
    {
        CliStore::Run command;
        CliStore opened(options());
        opened.save();
    }
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(CliStoreTest, AStoreWithoutItsSettingsRecordIsReportedAndNeverWritten) {
    json({"add-account", "A"});
    json({"add-transaction", "A", "--amount", "5", "--date", "2024-02-01"});
    execute("DELETE FROM Global");
    for (int i = 0; i < 2; ++i) {
        expectRefused({"accounts"}, 1,
                      "could not be read: it holds accounts or transactions but no settings "
                      "record");
    }
    EXPECT_EQ(queryText("SELECT count(*) FROM Global"), "0");
}

TEST_F(CliStoreTest, DamagedValuesMakeTheStoreUnreadableAndUntouched) {
    json({"add-account", "A"});
    json({"add-account", "B"});
    json({"add-transaction", "A", "--amount", "5", "--date", "2024-02-01"});
    const std::string sound = storeBytes();
    const std::string global = queryText("SELECT id FROM Global");
    const std::string a = queryText("SELECT id FROM Node WHERE name = 'A'");
    const std::string b = queryText("SELECT id FROM Node WHERE name = 'B'");
    const std::string t = queryText("SELECT id FROM \"Transaction\"");
    const auto copyRow = [](const std::string& table, const std::string& where) {
        return "CREATE TEMP TABLE copy AS SELECT * FROM " + table + " WHERE " + where +
               "; UPDATE copy SET id = 9999; INSERT INTO " + table + " SELECT * FROM copy;";
    };
    struct Case {
        std::string sql;
        std::string reason;
    };
    const Case cases[] = {
        {"UPDATE Global SET projectedMonths = 2000000000, projectionEndDate = 20000",
         "the value of projectedMonths of Global " + global},
        {"UPDATE Global SET projectedMonths = 3, projectionEndDate = NULL",
         "the value of projectionEndDate of Global " + global},
        {"UPDATE Node SET parent_id = id WHERE id = " + a, "the value of parent of Account " + a},
        {"UPDATE Node SET parent_id = " + b + " WHERE id = " + a +
             "; UPDATE Node SET parent_id = " + a + " WHERE id = " + b,
         "the value of parent of Account " + a},
        {"UPDATE Global SET nextSortID = 9223372036854775807",
         "the value of nextSortID of Global " + global},
        {"UPDATE Global SET nextSortID = (SELECT sortID FROM \"Transaction\")",
         "the value of nextSortID of Global " + global},
        {"UPDATE Node SET type = 'piggy' WHERE id = " + a, "the value of type of Account " + a},
        {"UPDATE \"Transaction\" SET date = 2932897", "the value of date of Transaction " + t},
        {"UPDATE \"Transaction\" SET date = -719163", "the value of date of Transaction " + t},
        {"UPDATE \"Transaction\" SET account_id = NULL",
         "the value of account of Transaction " + t},
        {"UPDATE Global SET homeCurrency = 'XYZ'", "the value of homeCurrency of Global " + global},
        {"UPDATE Node SET startBalance = '" + std::string(50, '9') + "' WHERE id = " + a,
         "the value of startBalance of Account " + a},
        {"UPDATE \"Transaction\" SET amount = '1e33'", "the value of amount of Transaction " + t},
        {copyRow("Global", "1"), "it holds more than one settings record"},
        {copyRow("Node", "identifier = 'accounts'"),
         "it holds more than one root of the account tree"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        writeStore(sound);
        execute(c.sql);
        expectRefused({"day-check"}, 1, "could not be read: " + c.reason);
    }
}

// The reader may or may not write the folder that holds the store; SQLite reads the file
// differently in the two cases.
class CliReadOnlyStoreTest : public CliFixture, public ::testing::WithParamInterface<bool> {
protected:
    static constexpr unsigned kReader = 65534;  // nobody, when the tests run as root

    ProcessResult runAsReader(std::vector<std::string> arguments) const {
        std::vector<std::string> all = {"--store", store, "--today", today, "--locale", "en_US"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return runProcessAsUser(kReader, PENNORA_CLI_PATH, all);
    }
};

TEST_P(CliReadOnlyStoreTest, AnswersQuestionsAndRefusesChangesWithoutWriting) {
    json({"add-account", "Checking", "--start-balance", "100"});
    json({"add-transaction", "Checking", "--amount", "-40", "--date", "2024-03-01"});
    const bool folderWritable = GetParam();
    const bool asRoot = ::getuid() == 0;
    fs::permissions(store, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::perms readable = fs::perms::owner_read | fs::perms::owner_exec |
                               fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(folder, !folderWritable ? readable
                            : asRoot        ? fs::perms::all  // the reader is someone else
                                            : readable | fs::perms::owner_write);
    const std::string before = storeBytes();

    for (const std::vector<std::string>& question :
         {std::vector<std::string>{"accounts"},
          {"register", "Checking"},
          {"report", "breakdown", "--from", "2024-01-01", "--to", "2024-12-31"}}) {
        SCOPED_TRACE(question.front());
        std::vector<std::string> arguments = question;
        arguments.push_back("--json");
        const ProcessResult answer = runAsReader(arguments);
        EXPECT_EQ(answer.exitStatus, 0) << answer.err;
    }
    const ProcessResult listed = runAsReader({"register", "Checking", "--json"});
    EXPECT_EQ(nlohmann::json::parse(listed.out, nullptr, false).at("status"),
              "1 transaction, $60.00 ledger balance");

    const ProcessResult change = runAsReader({"add-account", "Savings"});
    EXPECT_EQ(change.exitStatus, 1);
    EXPECT_NE(change.err.find("The store file \"" + store +
                              "\" cannot be written, so the changes were not saved."),
              std::string::npos)
        << change.err;
    EXPECT_TRUE(storeBytes() == before) << "the store file changed";
    fs::permissions(folder, fs::perms::owner_all);
}

INSTANTIATE_TEST_SUITE_P(FolderWritable, CliReadOnlyStoreTest, ::testing::Bool());

}  // namespace
