// Snapshots of the store: taken on opening and on request, thinned by the retention scheme,
// checked, and put back in the store's place.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <utime.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>

#include "SessionTestFolder.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/SnapshotRetention.h"
#include "session/StartSequence.h"
#include "session/StoreSession.h"
#include "store/StoreFile.h"

namespace {

// 00:00 UTC plus `minutes` of the day; the tests run in UTC.
Date::TimePoint at(int year, int month, int day, int minutes = 0) {
    std::tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    return std::chrono::system_clock::from_time_t(timegm(&utc)) + std::chrono::minutes(minutes);
}

unsigned modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 0777) : 0;
}

// Runs SQL on a store file behind the program's back.
void runSQL(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    EXPECT_EQ(result, SQLITE_OK) << (message ? message : "") << " in " << sql;
    sqlite3_free(message);
    sqlite3_close(db);
}

class StoreSnapshotsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        m_savedTZ = tz ? std::optional<std::string>(tz) : std::nullopt;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        Clock::setFixedNow(at(2026, 3, 15, 9 * 60));
        UserLocale::set("en_US");
        setLogSink([](std::string_view) {});
    }
    void TearDown() override {
        setLogSink(nullptr);
        UserLocale::reset();
        Clock::reset();
        if (m_savedTZ) {
            ::setenv("TZ", m_savedTZ->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

    // The store at `path` as the program opens it, through the start sequence.
    std::unique_ptr<StoreSession> open(
        const std::string& path, StoreSession::Options options = FileStores::sessionOptions()) {
        options.dataFolder = folder.file("Pennora");
        if (options.databasePath.empty()) {
            options.databasePath = path;
        }
        options.presentError = [this](const ValidationError& e) { presented.push_back(e); };
        auto session = std::make_unique<StoreSession>(ApplicationModel::shared(), options);
        (void)StartSequence(*session).run();
        return session;
    }

    // Checking (start 100) with rent of -900 split 600/300 and a salary of 2500, saved.
    void writeLedger(const std::string& path) {
        auto session = open(path);
        ObjectContext& ctx = session->context();
        Node* root = &AccountsRoot::setup(ctx);
        auto* checking = ctx.insert<Account>();
        checking->setName("Checking");
        checking->setStartBalance(Decimal(100));
        checking->moveTo(root, 0);
        Transaction* rent = checking->createTransactionWithDate(
            Date::dateWithYear_PN(2026, 3, 1), std::string("Rent"), Decimal(-900), nullptr,
            std::nullopt, std::nullopt);
        rent->splits().toVector().front()->setAmount(Decimal(-600));
        Split* second = ctx.insert<Split>();
        second->setAmount(Decimal(-300));
        second->setTransaction(rent);
        checking->createTransactionWithDate(Date::dateWithYear_PN(2026, 3, 2),
                                            std::string("Salary"), Decimal(2500), nullptr,
                                            std::nullopt, std::nullopt);
        ASSERT_TRUE(session->save());
    }

    std::string store() const { return folder.file("Database.pennorasql"); }

    SessionTestFolder folder;
    std::vector<ValidationError> presented;

private:
    std::optional<std::string> m_savedTZ;
};

TEST_F(StoreSnapshotsTest, OpeningSnapshotsTheStoreOnceUntilItChanges) {
    writeLedger(store());
    EXPECT_TRUE(StoreSnapshots(store()).list().empty()) << "a new store has nothing to copy";

    Clock::setFixedNow(at(2026, 3, 15, 10 * 60));
    auto session = open(store());
    const std::vector<SnapshotManifest> first = session->snapshots()->list();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].reason, SnapshotReason::Open);
    EXPECT_EQ(first[0].taken, at(2026, 3, 15, 10 * 60));
    EXPECT_EQ(first[0].transactions, 2);
    EXPECT_EQ(first[0].netWorth, Decimal(1700));
    EXPECT_EQ(first[0].modelVersion, ApplicationModel::shared().version());
    ASSERT_EQ(first[0].balances.size(), 1u);
    EXPECT_EQ(first[0].balances[0], (SnapshotManifest::Balance{"Checking", "USD", Decimal(1700)}));
    EXPECT_EQ(first[0].sha256.size(), 64u);
    EXPECT_EQ(modeOf(session->snapshots()->folder()), 0700u);
    EXPECT_EQ(modeOf(session->snapshots()->pathOf(first[0])), 0600u);
    session.reset();
    // Closed, the store is the file that was copied: the next opening copies nothing.
    EXPECT_EQ(first[0].sourceStamp, StoreSnapshots::stampOf(store()));

    Clock::setFixedNow(at(2026, 3, 15, 11 * 60));
    session = open(store());
    EXPECT_EQ(session->snapshots()->list().size(), 1u) << "nothing changed since";
    Account::firstInContext(session->context())->setName("Main");
    ASSERT_TRUE(session->save());
    EXPECT_EQ(session->snapshots()->list().size(), 1u) << "a save takes no snapshot";
    session.reset();

    Clock::setFixedNow(at(2026, 3, 15, 12 * 60));
    session = open(store());
    const std::vector<SnapshotManifest> after = session->snapshots()->list();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].balances[0].account, "Main");
    EXPECT_EQ(after[1].file, first[0].file);
}

TEST_F(StoreSnapshotsTest, ACopyOfTheSameContentIsDropped) {
    writeLedger(store());
    auto session = open(store());
    ASSERT_EQ(session->snapshots()->list().size(), 1u);
    // The file looks different (another change time) but holds the same.
    ASSERT_EQ(::utime(store().c_str(), nullptr), 0);
    Clock::setFixedNow(at(2026, 3, 15, 10 * 60));
    session->snapshotBeforeBulkChange(SnapshotReason::StatementImport);
    EXPECT_EQ(session->snapshots()->list().size(), 1u);

    Account::firstInContext(session->context())->setName("Main");
    ASSERT_TRUE(session->save());
    session->snapshotBeforeBulkChange(SnapshotReason::StatementImport);
    const std::vector<SnapshotManifest> list = session->snapshots()->list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].reason, SnapshotReason::StatementImport);
}

TEST_F(StoreSnapshotsTest, TheHourlySnapshotNeedsSavedChangesAndAnHour) {
    writeLedger(store());
    auto session = open(store());  // 09:00, the snapshot on opening
    const auto minutes = [](int m) { return at(2026, 3, 15, 9 * 60 + m); };
    Clock::setFixedNow(minutes(90));
    EXPECT_FALSE(session->snapshotIfDue()) << "no changes since opening";

    Account::firstInContext(session->context())->setName("Main");
    ASSERT_TRUE(session->save());
    Clock::setFixedNow(minutes(95));
    Account::firstInContext(session->context())->setName("Main 2");
    EXPECT_FALSE(session->snapshotIfDue()) << "a change not yet saved";
    ASSERT_TRUE(session->save());
    EXPECT_TRUE(session->snapshotIfDue());
    EXPECT_EQ(session->snapshots()->list().size(), 2u);

    Account::firstInContext(session->context())->setName("Main 3");
    ASSERT_TRUE(session->save());
    Clock::setFixedNow(minutes(95 + 59));
    EXPECT_FALSE(session->snapshotIfDue()) << "within the hour";
    Clock::setFixedNow(minutes(95 + 60));
    EXPECT_TRUE(session->snapshotIfDue());
    const std::vector<SnapshotManifest> list = session->snapshots()->list();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].reason, SnapshotReason::Hourly);
    EXPECT_EQ(list[0].balances[0].account, "Main 3");
}

// One snapshot every hour for a year, thinned after each: what is left at the end is all of
// the last day, the last of each of the 13 days before, the last of each of the Sundays
// within eight weeks and the last of each month within twelve.
TEST_F(StoreSnapshotsTest, RetentionOverAYearOfHourlyChanges) {
    std::vector<Date::TimePoint> kept;
    const Date::TimePoint first = at(2026, 1, 1, 30);
    const Date::TimePoint last = at(2026, 12, 31, 23 * 60 + 30);
    for (Date::TimePoint now = first; now <= last; now += std::chrono::hours(1)) {
        kept.push_back(now);
        const std::vector<bool> keep = SnapshotRetention::keep(kept, now);
        std::vector<Date::TimePoint> next;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (keep[i]) {
                next.push_back(kept[i]);
            }
        }
        kept = std::move(next);
    }
    std::vector<Date::TimePoint> expected;
    const int lastHalfHour = 23 * 60 + 30;
    for (int month = 1; month <= 11; ++month) {
        const int ends[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30};
        expected.push_back(at(2026, month, ends[month - 1], lastHalfHour));
    }
    for (int day : {8, 15, 22, 29}) {  // Sundays of November
        expected.push_back(at(2026, 11, day, lastHalfHour));
    }
    for (int day : {6, 13}) {  // Sundays of December before the last 13 days
        expected.push_back(at(2026, 12, day, lastHalfHour));
    }
    for (int day = 18; day <= 30; ++day) {
        expected.push_back(at(2026, 12, day, lastHalfHour));
    }
    for (int hour = 0; hour < 24; ++hour) {
        expected.push_back(at(2026, 12, 31, hour * 60 + 30));
    }
    std::sort(expected.begin(), expected.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept.size(), 54u);
    EXPECT_EQ(kept, expected);
}

TEST_F(StoreSnapshotsTest, ThinningRemovesSnapshotsAndLeavesOtherFiles) {
    writeLedger(store());
    auto session = open(store());  // 2026-03-15 09:00
    const StoreSnapshots& snapshots = *session->snapshots();
    for (int hour : {10, 11}) {
        Clock::setFixedNow(at(2026, 3, 15, hour * 60));
        Account::firstInContext(session->context())->setName("Name " + std::to_string(hour));
        ASSERT_TRUE(session->save());
        session->snapshotBeforeBulkChange(SnapshotReason::Manual);
    }
    const std::string foreign = snapshots.folder() + "/notes.txt";
    ASSERT_FALSE(StoreFile::writeAtomically(foreign, "mine"));
    ASSERT_EQ(snapshots.list().size(), 3u);

    snapshots.prune(at(2026, 3, 17, 0));  // two days later: only the 11:00 one stays
    const std::vector<SnapshotManifest> left = snapshots.list();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].balances[0].account, "Name 11");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(snapshots.folder())) {
        ++files;
    }
    EXPECT_EQ(files, 3u) << "the snapshot, its manifest and the foreign file";
    EXPECT_TRUE(std::filesystem::exists(foreign));
}

// Ways a store file gets damaged, on the file or behind the program's back.
struct Corruption {
    const char* name;
    std::function<void(const std::string& path)> apply;
};

void overwrite(const std::string& path, std::uintmax_t offset, const std::string& bytes) {
    std::string content = *StoreFile::readWhole(path);
    ASSERT_LE(offset + bytes.size(), content.size());
    content.replace(offset, bytes.size(), bytes);
    ASSERT_FALSE(StoreFile::writeAtomically(path, content));
}

void truncateTo(const std::string& path, std::uintmax_t size) {
    std::filesystem::resize_file(path, size);
}

std::uintmax_t pageSize(const std::string& path) {
    const std::string header = StoreFile::readWhole(path)->substr(16, 2);
    const auto size =
        (static_cast<unsigned char>(header[0]) << 8) | static_cast<unsigned char>(header[1]);
    return size == 1 ? 65536 : size;
}

// The first page of the table `name`'s b-tree.
std::uintmax_t rootPage(const std::string& path, const std::string& name) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE name = ?1", -1, &statement,
                       nullptr);
    sqlite3_bind_text(statement, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const std::uintmax_t page =
        sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return page;
}

std::uintmax_t pageOffset(const std::string& path, const std::string& table) {
    return (rootPage(path, table) - 1) * pageSize(path);
}

const Corruption kCorruptions[] = {
    {"truncated to nothing", [](const std::string& p) { truncateTo(p, 0); }},
    {"truncated inside the header", [](const std::string& p) { truncateTo(p, 50); }},
    {"truncated to half",
     [](const std::string& p) { truncateTo(p, std::filesystem::file_size(p) / 2); }},
    {"last page cut off",
     [](const std::string& p) { truncateTo(p, std::filesystem::file_size(p) - pageSize(p)); }},
    {"header magic overwritten", [](const std::string& p) { overwrite(p, 0, "Not a database"); }},
    {"page size ruined",
     [](const std::string& p) { overwrite(p, 16, std::string("\x00\x03", 2)); }},
    {"page type of the transactions flipped",
     [](const std::string& p) { overwrite(p, pageOffset(p, "Transaction"), "\x01"); }},
    {"cell count of the splits flipped",
     [](const std::string& p) { overwrite(p, pageOffset(p, "Split") + 3, "\x7f\x7f"); }},
    {"page of the accounts filled with ones",
     [](const std::string& p) {
         overwrite(p, pageOffset(p, "Node"), std::string(pageSize(p), '\xff'));
     }},
    {"page of the settings zeroed",
     [](const std::string& p) {
         overwrite(p, pageOffset(p, "Global"), std::string(pageSize(p), '\0'));
     }},
    {"a dropped table", [](const std::string& p) { runSQL(p, "DROP TABLE \"Split\""); }},
    {"no model version", [](const std::string& p) { runSQL(p, "DELETE FROM pennora_metadata"); }},
    {"splits that no longer add up",
     [](const std::string& p) {
         runSQL(p, "UPDATE \"Split\" SET amount = '-301' WHERE amount = '-300'");
     }},
    {"a transaction pointing to an account that is gone",
     [](const std::string& p) { runSQL(p, "UPDATE \"Transaction\" SET account_id = 999999"); }},
    {"a split pointing to a transaction that is gone",
     [](const std::string& p) { runSQL(p, "UPDATE \"Split\" SET transaction_id = 999999"); }},
    {"a second settings record",
     [](const std::string& p) {
         runSQL(p,
                "INSERT INTO \"Global\" (id, entity, homeCurrency, internalVersion, nextSortID) "
                "SELECT 999999, entity, homeCurrency, internalVersion, nextSortID FROM "
                "\"Global\"");
     }},
    {"a second root of the account tree",
     [](const std::string& p) {
         runSQL(p,
                "INSERT INTO \"Node\" (id, entity, \"index\", identifier, isExpanded) "
                "VALUES (999999, 'Node', 0, 'accounts', 0)");
     }},
    {"two transactions with one sort ID",
     [](const std::string& p) { runSQL(p, "UPDATE \"Transaction\" SET sortID = 0"); }},
    {"a transaction without an account",
     [](const std::string& p) {
         runSQL(p, "UPDATE \"Transaction\" SET account_id = NULL WHERE title = 'Salary'");
     }},
    {"an amount that is no number",
     [](const std::string& p) {
         runSQL(p, "UPDATE \"Transaction\" SET amount = 'lots' WHERE title = 'Salary'");
     }},
};

TEST_F(StoreSnapshotsTest, DamagedStoresAreCaughtNeverWrittenAndRestored) {
    const std::string good = folder.file("Good.pennorasql");
    writeLedger(good);
    for (const Corruption& corruption : kCorruptions) {
        SCOPED_TRACE(corruption.name);
        presented.clear();
        const std::filesystem::path caseFolder = folder.path() / corruption.name;
        std::filesystem::create_directories(caseFolder);
        const std::string path = (caseFolder / "Database.pennorasql").string();
        std::filesystem::copy_file(good, path);
        open(path).reset();  // the snapshot on opening the sound store
        const std::vector<SnapshotManifest> sound = StoreSnapshots(path).list();
        ASSERT_EQ(sound.size(), 1u);

        corruption.apply(path);
        const std::optional<std::string> damaged = StoreFile::readWhole(path);
        Clock::setFixedNow(at(2026, 3, 15, 10 * 60));
        auto session = open(path);
        ASSERT_TRUE(session->openError()) << "the damage was not caught";
        EXPECT_EQ(presented.size(), 1u);
        EXPECT_FALSE(session->save());
        EXPECT_EQ(StoreSnapshots(path).list(), sound) << "a damaged copy was kept";
        session->snapshotBeforeBulkChange(SnapshotReason::Manual);
        EXPECT_EQ(StoreSnapshots(path).list(), sound);
        session.reset();
        EXPECT_EQ(StoreFile::readWhole(path), damaged) << "the damaged store was written";

        // Restore brings back the last sound state and keeps the damaged file aside.
        session = open(path);
        const std::optional<SnapshotManifest> newest = session->snapshots()->newestPassing();
        ASSERT_TRUE(newest);
        EXPECT_EQ(newest->file, sound[0].file);
        ASSERT_EQ(session->restoreSnapshot(*newest), std::nullopt);
        presented.clear();
        (void)StartSequence(*session).run();
        ASSERT_FALSE(session->openError()) << session->openError()->localizedDescription;
        const Account* checking = Account::firstInContext(session->context());
        ASSERT_NE(checking, nullptr);
        EXPECT_EQ(checking->balance(), Decimal(1700));
        EXPECT_EQ(Transaction::countInContext(session->context()), 2u);
        std::size_t setAside = 0;
        for (const auto& entry : std::filesystem::directory_iterator(caseFolder / "backups")) {
            if (entry.path().filename().string().rfind("damaged-", 0) == 0 &&
                entry.path().extension() == ".pennorasql") {
                ++setAside;
                EXPECT_EQ(StoreFile::readWhole(entry.path().string()), damaged);
            }
        }
        EXPECT_EQ(setAside, 1u);
    }
}

TEST_F(StoreSnapshotsTest, RestoreSnapshotsTheCurrentStoreFirst) {
    writeLedger(store());
    auto session = open(store());
    const SnapshotManifest before = session->snapshots()->list().front();
    Clock::setFixedNow(at(2026, 3, 15, 10 * 60));
    Account::firstInContext(session->context())->setName("Renamed");
    ASSERT_TRUE(session->save());

    ASSERT_EQ(session->restoreSnapshot(before), std::nullopt);
    (void)StartSequence(*session).run();
    EXPECT_EQ(Account::firstInContext(session->context())->name(), "Checking");
    const std::vector<SnapshotManifest> list = session->snapshots()->list();
    ASSERT_EQ(list.size(), 2u) << "the restored content is the first snapshot's";
    EXPECT_EQ(list[0].reason, SnapshotReason::Restore);
    EXPECT_EQ(list[0].balances[0].account, "Renamed");
}

TEST_F(StoreSnapshotsTest, ASnapshotThatChangedIsNotRestored) {
    writeLedger(store());
    auto session = open(store());
    const SnapshotManifest snapshot = session->snapshots()->list().front();
    runSQL(session->snapshots()->pathOf(snapshot), "UPDATE \"Node\" SET name = 'Changed'");
    EXPECT_TRUE(session->snapshots()->verify(snapshot));
    EXPECT_TRUE(session->restoreSnapshot(snapshot));
    EXPECT_FALSE(session->snapshots()->newestPassing());
    EXPECT_EQ(Account::firstInContext(session->context())->name(), "Checking");
}

// A snapshot half a year old whose monthly rent is paid automatically, opened to look at
// today: the day's work (projection, reminders, payments) adds nothing and the file stays as
// it was. Opened to write, the same store pays the six missed months.
TEST_F(StoreSnapshotsTest, AnOldSnapshotOpenedReadOnlyStaysAsItIs) {
    Clock::setFixedNow(at(2025, 9, 15, 9 * 60));
    writeLedger(store());
    {
        auto session = open(store());
        ObjectContext& ctx = session->context();
        auto* rent = ctx.insert<ScheduledItem>();
        rent->setTitle("Rent");
        rent->setAmount(Decimal(-900));
        rent->setRepeatType(std::string("Month"));
        rent->setRepeatInterval(1);
        rent->setNextDueDate(Date::dateWithYear_PN(2025, 10, 1));
        rent->setAccount(Account::firstInContext(ctx));
        rent->setPayAutomatically(true);
        Global::sharedInstanceInContext(ctx)->setProjectedMonths(2);
        ScheduledItem::generateProjections(ctx, Date::today_PN());
        ASSERT_TRUE(session->save()) << presented.back().localizedDescription;
        session->snapshotBeforeBulkChange(SnapshotReason::Manual);
    }
    const SnapshotManifest old = StoreSnapshots(store()).list().front();
    ASSERT_EQ(old.reason, SnapshotReason::Manual) << "the newest of two taken in one second";
    ASSERT_EQ(old.transactions, 2) << "the projected ones do not count";
    const std::string path = StoreSnapshots(store()).pathOf(old);
    const std::optional<std::string> bytes = StoreFile::readWhole(path);
    const std::string copy = folder.file("Copy.pennorasql");
    std::filesystem::copy_file(path, copy);

    Clock::setFixedNow(at(2026, 3, 15, 9 * 60));
    const Date today = Date::today_PN();
    const auto dayWork = [today](StoreSession& session) {
        ObjectContext& ctx = session.context();
        if (ScheduledItem::needsToUpdateProjection(ctx, today)) {
            ScheduledItem::updateProjections(ctx, today);
        }
        (void)ScheduledItem::checkReminders(ctx, today);
        (void)ScheduledItem::processAutomaticPayments(today, ctx);
        (void)session.save();
    };
    {
        auto session = open(path, FileStores::readOnlyOptions(path));
        ASSERT_FALSE(session->openError());
        const std::size_t before = Transaction::countInContext(session->context());
        dayWork(*session);
        EXPECT_EQ(Transaction::countInContext(session->context()), before);
        EXPECT_FALSE(session->context().hasChanges());
        EXPECT_EQ(session->snapshots(), nullptr);
    }
    EXPECT_EQ(StoreFile::readWhole(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));

    auto writable = open(copy);
    dayWork(*writable);
    std::int64_t real = 0;
    for (const Transaction* t : Transaction::allInContext(writable->context())) {
        real += t->isGenerated() ? 0 : 1;
    }
    EXPECT_EQ(real, old.transactions + 6) << "October to March paid";
}

}  // namespace
