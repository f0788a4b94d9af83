// Saves that fail half way, through SQLite on a disk that fails on request (SQLiteFaults):
// whichever write of a save fails, and however, the file must be as before the save, the
// context must keep every change, the caller must hear of it, and the next save must work.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

#include "SQLiteFaults.h"
#include "TestEntities.h"
#include "store/GraphDump.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    return StoreFile::readWhole(path.string()).value_or("");
}

// What the next save would write, as one line.
std::string describeChanges(const ObjectContext& ctx) {
    const ChangeSet set = ctx.changes();
    std::string text = std::to_string(set.inserted.size()) + " inserted;";
    for (const ObjectChange& c : set.updated) {
        text += " #" + std::to_string(c.object->objectID()) + "/" + std::to_string(c.attributes) +
                "/" + std::to_string(c.relationships);
    }
    for (const ManagedObject* o : set.deleted) {
        text += " -#" + std::to_string(o->objectID());
    }
    return text;
}

struct Edit {
    const char* name;
    void (*apply)(ObjectContext& ctx);
};

// A deletion, an insertion (with a note long enough to take pages of its own) and updates.
void smallEdit(ObjectContext& ctx) {
    std::vector<Track*> tracks = Track::allInContext(ctx);
    std::vector<Album*> albums = Album::allInContext(ctx);
    tracks[0]->setTitle("Blue in Green");
    tracks[1]->setAlbum(albums[1]);
    ctx.deleteObject(*tracks[2]);
    Track* added = ctx.insert<Track>();
    added->setNote(std::string(20000, 'n'));
    added->setAlbum(albums[0]);
}

void largeImport(ObjectContext& ctx) {
    Album* album = ctx.insert<Album>();
    album->setName("Imported");
    for (int i = 0; i < 400; ++i) {
        Track* track = ctx.insert<Track>();
        track->setTitle("Imported track " + std::to_string(i) + std::string(40, 'x'));
        track->setNote("a note long enough to fill pages " + std::to_string(i));
        track->setBeats({Beat{i % 7, "w"}, Beat{i % 5, "m"}});
        track->setAlbum(album);
    }
}

class SQLiteSaveFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pennora-fault-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder / "Store.sqlite";
        base = folder / "Base.sqlite";
        {
            ObjectContext ctx(testModel());
            for (int a = 0; a < 3; ++a) {
                Album* album = ctx.insert<Album>();
                album->setName("Album " + std::to_string(a));
                for (int t = 0; t < 5; ++t) {
                    ctx.insert<Track>()->setAlbum(album);
                }
            }
            ctx.setPersistentStore(open(base));
            ASSERT_FALSE(ctx.save());
        }  // closing moves everything from the WAL into the file
        baseBytes = settledBytes(base);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::unique_ptr<SQLiteStore> open(const fs::path& file) {
        auto opened = SQLiteStore::open(file.string(), testModel());
        if (auto* error = std::get_if<ValidationError>(&opened)) {
            ADD_FAILURE() << error->localizedDescription;
            return nullptr;
        }
        return std::move(std::get<std::unique_ptr<SQLiteStore>>(opened));
    }

    // A context over a fresh copy of the base store, with `edit` made and not yet saved.
    std::unique_ptr<ObjectContext> editedCopy(const Edit& edit) {
        fs::remove(path.string() + "-wal");
        fs::remove(path.string() + "-shm");
        fs::copy_file(base, path, fs::copy_options::overwrite_existing);
        auto ctx = std::make_unique<ObjectContext>(testModel());
        std::unique_ptr<SQLiteStore> store = open(path);
        EXPECT_FALSE(store->load(*ctx));
        ctx->setPersistentStore(std::move(store));
        edit.apply(*ctx);
        return ctx;
    }

    // The file as anyone opening it now would find it, byte for byte: the file and its WAL
    // are copied aside, opened (SQLite recovers what the WAL holds of committed saves) and
    // closed again (which moves that into the file).
    std::string settledBytes(const fs::path& file) {
        const fs::path copy = folder / "Settled.sqlite";
        for (const char* suffix : {"", "-wal", "-shm"}) {
            fs::remove(copy.string() + suffix);
        }
        fs::copy_file(file, copy);
        if (fs::exists(file.string() + "-wal")) {
            fs::copy_file(file.string() + "-wal", copy.string() + "-wal");
        }
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open_v2(copy.c_str(), &db, SQLITE_OPEN_READWRITE, "unix"), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
        return readBytes(copy);
    }

    static long pageCount(const fs::path& file) {
        sqlite3* db = nullptr;
        sqlite3_stmt* statement = nullptr;
        long count = 0;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, "unix") == SQLITE_OK &&
            sqlite3_prepare_v2(db, "PRAGMA page_count", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            count = static_cast<long>(sqlite3_column_int64(statement, 0));
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return count;
    }

    // Saves `ctx` while `disk` fails as armed, then checks that the save was refused and left
    // the file and the context as they were, frees the disk and checks that a save works.
    void expectSaveFailsAndLeavesEverythingAsItWas(ObjectContext& ctx, SQLiteFaults& disk) {
        const std::string graph = dumpObjectGraph(ctx);
        const std::string changes = describeChanges(ctx);
        const std::optional<ValidationError> error = ctx.save();
        ASSERT_TRUE(error) << "a failed write was reported as a save";
        EXPECT_EQ(error->code, kPersistentStoreSaveErrorCode);
        EXPECT_EQ(error->localizedDescription.rfind("The store could not be written: ", 0), 0u)
            << error->localizedDescription;
        disk.disarm();
        EXPECT_TRUE(settledBytes(path) == baseBytes) << "the file changed";
        EXPECT_EQ(dumpObjectGraph(ctx), graph);
        EXPECT_EQ(describeChanges(ctx), changes);

        ASSERT_FALSE(ctx.save()) << "the save after the fault failed";
        EXPECT_FALSE(ctx.hasChanges());
        ObjectContext reread(testModel());
        ASSERT_FALSE(open(path)->load(reread));
        EXPECT_EQ(dumpObjectGraph(reread), graph);
    }

    // Fails each write of the edit's save to a file in turn, as `fault`.
    void failEveryWriteOfTheSave(const Edit& edit, SQLiteFaults::Fault fault) {
        SQLiteFaults disk;
        long total = 0;
        {
            std::unique_ptr<ObjectContext> ctx = editedCopy(edit);
            disk.resetCount();
            ASSERT_FALSE(ctx->save());
            total = disk.writes();
        }
        ASSERT_GT(total, 2) << "the save wrote almost nothing";
        for (long n = 1; n <= total; ++n) {
            SCOPED_TRACE("write " + std::to_string(n) + " of " + std::to_string(total));
            std::unique_ptr<ObjectContext> ctx = editedCopy(edit);
            disk.failWrite(n, fault);
            expectSaveFailsAndLeavesEverythingAsItWas(*ctx, disk);
            EXPECT_TRUE(disk.hasFailed());
        }
    }

    // Lets the edit's save add each number of pages in turn short of what it needs: the
    // statement that needs one more fails in the middle of the save.
    void fillTheDiskAtEveryPageOfTheSave(const Edit& edit) {
        SQLiteFaults disk;
        long pages = 0;
        {
            std::unique_ptr<ObjectContext> ctx = editedCopy(edit);
            const long before = pageCount(path);
            ASSERT_FALSE(ctx->save());
            pages = pageCount(path) - before;
        }
        ASSERT_GT(pages, 2) << "the save added almost nothing";
        for (long allowed = 0; allowed < pages; ++allowed) {
            SCOPED_TRACE(std::to_string(allowed) + " of " + std::to_string(pages) + " pages");
            disk.limitGrowth(allowed);
            std::unique_ptr<ObjectContext> ctx = editedCopy(edit);
            expectSaveFailsAndLeavesEverythingAsItWas(*ctx, disk);
        }
    }

    // Refuses each row the edit's save writes in turn, in the middle of its transaction.
    void refuseEveryRowOfTheSave(const Edit& edit) {
        SQLiteFaults disk;
        long rows = 0;
        {
            disk.refuseRow(std::numeric_limits<long>::max());
            std::unique_ptr<ObjectContext> ctx = editedCopy(edit);
            ASSERT_FALSE(ctx->save());
            rows = disk.rowsWritten();
            disk.disarm();
        }
        ASSERT_GT(rows, 2) << "the save wrote almost nothing";
        // Some forty rows spread over the save, the first and the last among them, keep a large
        // save quick to test.
        const long step = std::max(1L, rows / 40);
        for (long n = 1; n <= rows; n = n == rows || n + step <= rows ? n + step : rows) {
            SCOPED_TRACE("row " + std::to_string(n) + " of " + std::to_string(rows));
            disk.refuseRow(n);
            std::unique_ptr<ObjectContext> ctx = editedCopy(edit);
            expectSaveFailsAndLeavesEverythingAsItWas(*ctx, disk);
        }
    }

    fs::path folder;
    fs::path path;
    fs::path base;
    std::string baseBytes;
};

const Edit kSmallEdit{"small edit", smallEdit};
const Edit kLargeImport{"large import", largeImport};

TEST_F(SQLiteSaveFaultTest, AFullDiskAtAnyWriteOfASmallEditLeavesTheFileAsItWas) {
    failEveryWriteOfTheSave(kSmallEdit, SQLiteFaults::Fault::DiskFull);
}

TEST_F(SQLiteSaveFaultTest, AnIOErrorAtAnyWriteOfASmallEditLeavesTheFileAsItWas) {
    failEveryWriteOfTheSave(kSmallEdit, SQLiteFaults::Fault::IOError);
}

TEST_F(SQLiteSaveFaultTest, AFullDiskAtAnyWriteOfALargeImportLeavesTheFileAsItWas) {
    failEveryWriteOfTheSave(kLargeImport, SQLiteFaults::Fault::DiskFull);
}

TEST_F(SQLiteSaveFaultTest, AnIOErrorAtAnyWriteOfALargeImportLeavesTheFileAsItWas) {
    failEveryWriteOfTheSave(kLargeImport, SQLiteFaults::Fault::IOError);
}

TEST_F(SQLiteSaveFaultTest, ADiskFillingUpInTheMiddleOfASmallEditLeavesTheFileAsItWas) {
    fillTheDiskAtEveryPageOfTheSave(kSmallEdit);
}

TEST_F(SQLiteSaveFaultTest, ADiskFillingUpInTheMiddleOfALargeImportLeavesTheFileAsItWas) {
    fillTheDiskAtEveryPageOfTheSave(kLargeImport);
}

TEST_F(SQLiteSaveFaultTest, ARowRefusedInTheMiddleOfASmallEditLeavesTheFileAsItWas) {
    refuseEveryRowOfTheSave(kSmallEdit);
}

TEST_F(SQLiteSaveFaultTest, ARowRefusedInTheMiddleOfALargeImportLeavesTheFileAsItWas) {
    refuseEveryRowOfTheSave(kLargeImport);
}

}  // namespace
