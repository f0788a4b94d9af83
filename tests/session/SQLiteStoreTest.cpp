#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "store/GraphDump.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    return StoreFile::readWhole(path.string()).value_or("");
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::unique_ptr<SQLiteStore> openStore(const fs::path& path) {
    auto result = SQLiteStore::open(path.string(), ApplicationModel::shared());
    if (auto* error = std::get_if<ValidationError>(&result)) {
        ADD_FAILURE() << error->localizedDescription;
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<SQLiteStore>>(result));
}

// A context over the store at `path`, loaded.
std::unique_ptr<ObjectContext> openContext(const fs::path& path) {
    auto context = std::make_unique<ObjectContext>(ApplicationModel::shared());
    std::unique_ptr<SQLiteStore> store = openStore(path);
    if (store == nullptr) {
        return context;
    }
    if (std::optional<ValidationError> error = store->load(*context)) {
        ADD_FAILURE() << error->localizedDescription;
    }
    context->setPersistentStore(std::move(store));
    return context;
}

std::optional<ValidationError> openError(const fs::path& path) {
    auto result = SQLiteStore::open(path.string(), ApplicationModel::shared());
    if (auto* error = std::get_if<ValidationError>(&result)) {
        return *error;
    }
    ObjectContext context(ApplicationModel::shared());
    return std::get<std::unique_ptr<SQLiteStore>>(result)->load(context);
}

void saveOrFail(ObjectContext& ctx) {
    if (std::optional<ValidationError> error = ctx.save()) {
        std::string details = error->localizedDescription;
        for (const ValidationError& detail : error->detailedErrors) {
            details += "; " + detail.localizedDescription;
        }
        FAIL() << details;
    }
}

class SQLiteStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pennora-sqlite-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder / "Database.pennorasql";
    }
    void TearDown() override { fs::remove_all(folder); }

    // A small ledger that uses every attribute kind, unset optionals and the archived list.
    static void fill(ObjectContext& ctx) {
        Global::sharedInstanceInContext(ctx)->setHomeCurrency("EUR");
        Node* root = ctx.insert<Node>();
        Currency* yen = ctx.insert<Currency>();
        yen->setCode("JPY");
        yen->setName("Japanese Yen");
        yen->setRate(Decimal::fromString("137.5000000001"));
        Account* account = ctx.insert<Account>();
        account->moveTo(root, 0);
        account->setName("Girokonto \"Haupt\"\nzwei");
        account->setCurrency(yen);
        account->setStartBalance(Decimal::fromString("-12.50"));
        Category* food = ctx.insert<Category>();
        food->setName("Essen");
        Transaction* t = account->createTransactionWithDate(
            Date::dateWithYear_PN(1969, 12, 31), std::string("Bäckerei"),
            Decimal::fromString("-3.10"), food, std::nullopt, 1234);
        t->setOfxAmount(Decimal::fromString("-3.1"));
        t->setOfxTitle(std::string("BAECKEREI"));
        t->setOfxDate(Date::dateWithYear_PN(1969, 12, 30));
        ScheduledItem* rent = ctx.insert<ScheduledItem>();
        rent->setTitle("Miete");
        rent->setAmount(Decimal(-800));
        rent->setAccount(account);
        rent->setRepeatType(std::string("Month"));
        rent->setRepeatInterval(1);
        rent->setRepeatRules(std::vector<RepeatRule>{
            RepeatSchedule::componentForDate(Date::dateWithYear_PN(2024, 1, 31), "Month")});
        rent->setNextDueDate(Date::dateWithYear_PN(2024, 1, 31));
    }

    fs::path folder;
    fs::path path;
};

TEST_F(SQLiteStoreTest, GraphSurvivesSavingAndReopening) {
    std::string saved;
    {
        auto ctx = openContext(path);
        fill(*ctx);
        saveOrFail(*ctx);
        saved = dumpObjectGraph(*ctx);
    }
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    auto reopened = openContext(path);
    EXPECT_EQ(dumpObjectGraph(*reopened), saved);

    // Updates, deletes and inserts after the first save reach the file too.
    Account* account =
        Account::findFirstByPredicate([](const Account&) { return true; }, *reopened);
    account->setCurrency(nullptr);
    account->setName("Cash");
    reopened->deleteObject(**Category::allInContext(*reopened).begin());
    account->createTransactionWithDate(Date::dateWithYear_PN(2024, 2, 1), std::nullopt, Decimal(5),
                                       nullptr, std::string("note"), std::nullopt);
    saveOrFail(*reopened);
    const std::string changed = dumpObjectGraph(*reopened);
    reopened.reset();
    EXPECT_EQ(dumpObjectGraph(*openContext(path)), changed);
}

TEST_F(SQLiteStoreTest, RefusedSaveWritesNothingAndKeepsTheChanges) {
    auto ctx = openContext(path);
    fill(*ctx);
    saveOrFail(*ctx);
    const std::string before = dumpObjectGraph(*openContext(path));

    ctx->insert<Account>()->setName("Outside the tree");  // fails "Parent cannot be nil"
    Category::allInContext(*ctx).front()->setName("Changed");
    std::optional<ValidationError> error = ctx->save();
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(ctx->hasChanges());
    EXPECT_EQ(dumpObjectGraph(*openContext(path)), before);
}

TEST_F(SQLiteStoreTest, FilesThatAreNotStoresAreReportedAndLeftAlone) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    // A foreign SQLite database, made with the library itself.
    const fs::path foreign = folder / "foreign.sqlite";
    {
        sqlite3* db = nullptr;
        sqlite3_open(foreign.c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('x')", nullptr,
                     nullptr, nullptr);
        sqlite3_close(db);
    }
    {
        auto ctx = openContext(path);
        fill(*ctx);
        saveOrFail(*ctx);
    }
    const std::string store = readBytes(path);
    const Case cases[] = {
        {"garbage", std::string(5000, '\x5a')},
        {"empty header", std::string("SQLite format 3") + std::string(100, '\0')},
        {"foreign database", readBytes(foreign)},
        {"truncated store", store.substr(0, store.size() / 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = folder / "unreadable.pennorasql";
        writeBytes(file, c.bytes);
        std::optional<ValidationError> error = openError(file);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, kPersistentStoreOpenErrorCode);
        EXPECT_EQ(readBytes(file), c.bytes);
        fs::remove(file);
    }
}

TEST_F(SQLiteStoreTest, DamagedValuesAndReferencesAreReportedNotTrusted) {
    {
        auto ctx = openContext(path);
        fill(*ctx);
        saveOrFail(*ctx);
    }
    const char* damage[] = {
        "UPDATE \"Transaction\" SET amount = 'lots'",
        "UPDATE \"Transaction\" SET date = 'yesterday'",
        "UPDATE \"Transaction\" SET account_id = 999999",
        "UPDATE \"Node\" SET entity = 'Nonsense'",
        "UPDATE \"ScheduledItem\" SET repeatRules = '[{\"DIMonthCount\": [1]}]'",
        "UPDATE pennora_metadata SET value = '99'",
    };
    const std::string original = readBytes(path);
    for (const char* sql : damage) {
        SCOPED_TRACE(sql);
        const fs::path file = folder / "damaged.pennorasql";
        writeBytes(file, original);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        std::optional<ValidationError> error = openError(file);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, kPersistentStoreOpenErrorCode);
        fs::remove(file);
    }
}

// Each save inserts one transaction, which takes the next sort ID: a store that holds half a
// save breaks "transactions == next sort ID".
TEST_F(SQLiteStoreTest, KilledWhileSavingLeavesTheLastOrTheNextState) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 50; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto ctx = openContext(path);
            Node* root = Node::findFirstByPredicate(
                [](const Node& n) { return n.entity().name() == "Node"; }, *ctx);
            if (root == nullptr) {
                root = ctx->insert<Node>();
                ctx->insert<Account>()->moveTo(root, 0);
            }
            Account* account = Account::allInContext(*ctx).front();
            for (;;) {
                account->createTransactionWithDate(Date::dateWithYear_PN(2024, 1, 1),
                                                   std::string("Coffee"), Decimal(-2), nullptr,
                                                   std::nullopt, std::nullopt);
                if (ctx->save()) {
                    ::_exit(3);
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 40));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";

        if (!fs::exists(path)) {
            continue;  // killed before the store was first put in place
        }
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        std::string integrity;
        sqlite3_exec(
            db, "PRAGMA integrity_check",
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) = values[0];
                return 0;
            },
            &integrity, nullptr);
        sqlite3_close(db);
        ASSERT_EQ(integrity, "ok");
        auto ctx = openContext(path);
        ASSERT_EQ(static_cast<std::int64_t>(Transaction::countInContext(*ctx)),
                  Global::sharedInstanceInContext(*ctx)->nextSortID());
    }
}

}  // namespace
