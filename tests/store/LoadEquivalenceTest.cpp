// Randomised rounds of load, edit, undo, save and reload: after every save, the store loaded
// in bulk must be the graph the context saved, and the graph a plain reference loader (one
// object and one value at a time, every link after all rows) reads from the same file.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>

#include "TestEntities.h"
#include "store/GraphDump.h"
#include "store/ObjectContext.h"
#include "store/ObjectIDMap.h"
#include "store/SQLiteSchema.h"
#include "store/SQLiteStatement.h"
#include "store/SQLiteStore.h"
#include "store/SQLiteValueCodec.h"
#include "store/UndoGrouping.h"

namespace {

namespace fs = std::filesystem;

// The reference: each table in the schema's order, each value through loadAttribute, each
// link once every row is in.
std::string dumpLoadedOneByOne(const fs::path& file) {
    ObjectContext ctx(testModel());
    const SQLiteSchema schema(testModel());
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    struct Link {
        ManagedObject* object;
        const RelationshipDescription* relationship;
        ObjectID target;
    };
    std::vector<Link> links;
    for (const SQLiteSchema::Table& table : schema.tables()) {
        SQLiteStatement rows(db, "SELECT * FROM " + quoteSQLName(table.name) + " ORDER BY id");
        std::map<std::string, int> column;
        for (int i = 0; i < rows.columnCount(); ++i) {
            column[rows.columnName(i)] = i;
        }
        while (rows.step()) {
            const EntityDescription& entity = *testModel().entityNamed(rows.text(column["entity"]));
            ManagedObject& object =
                ctx.loadObject(entity, static_cast<ObjectID>(rows.integer(column["id"])));
            const SQLiteSchema::EntityLayout& layout = schema.layoutOf(entity);
            for (const AttributeDescription& a : entity.attributes()) {
                const int c = column.at(layout.attributeColumns[a.index]);
                ctx.loadAttribute(object, a, *SQLiteValueCodec::read(rows, c, a.kind, a.optional));
            }
            for (const RelationshipDescription& r : entity.relationships()) {
                const std::string& name = layout.relationshipColumns[r.index];
                if (!name.empty() && !rows.isNull(column.at(name))) {
                    links.push_back(
                        {&object, &r, static_cast<ObjectID>(rows.integer(column.at(name)))});
                }
            }
        }
    }
    for (const SQLiteSchema::JoinTable& join : schema.joinTables()) {
        SQLiteStatement rows(db, "SELECT source, target FROM " + quoteSQLName(join.name));
        while (rows.step()) {
            links.push_back({ctx.objectWithID(static_cast<ObjectID>(rows.integer(0))),
                             join.relationship, static_cast<ObjectID>(rows.integer(1))});
        }
    }
    for (const Link& link : links) {
        ctx.loadLink(*link.object, *link.relationship, *ctx.objectWithID(link.target));
    }
    sqlite3_close(db);
    return dumpObjectGraph(ctx);
}

// Random user actions on the test entities, valid so that every save succeeds.
class RandomEditor {
public:
    RandomEditor(ObjectContext& ctx, std::mt19937& random) : m_ctx(ctx), m_random(random) {}

    void action() {
        UndoGrouping group(m_ctx.undoManager());
        for (int n = pick(1, 5); n > 0; --n) {
            edit();
        }
    }

    void edit() {
        std::vector<Album*> albums = Album::allInContext(m_ctx);
        std::vector<Track*> tracks = Track::allInContext(m_ctx);
        std::vector<Label*> labels = Label::allInContext(m_ctx);
        switch (pick(0, 9)) {
            case 0:
                m_ctx.insert<Album>()->setName("Album " + std::to_string(pick(0, 999)));
                break;
            case 1:
            case 2: {
                Track* track = m_ctx.insert<Track>();
                if (!albums.empty()) {
                    track->setAlbum(any(albums));
                }
                break;
            }
            case 3: {
                Label* label = pick(0, 2) == 0   ? m_ctx.insert<Label>()
                               : pick(0, 1) == 0 ? static_cast<Label*>(m_ctx.insert<Genre>())
                                                 : m_ctx.insert<Mood>();
                label->setName("Label \"" + std::to_string(pick(0, 99)) + "\"\n");
                if (auto* genre = dynamic_cast<Genre*>(label)) {
                    genre->setDecade(1950 + 10 * pick(0, 7));
                } else if (auto* mood = dynamic_cast<Mood*>(label)) {
                    mood->setCalm(pick(0, 1) == 1);
                }
                break;
            }
            case 4: {
                std::vector<ManagedObject*> all(albums.begin(), albums.end());
                all.insert(all.end(), tracks.begin(), tracks.end());
                all.insert(all.end(), labels.begin(), labels.end());
                if (!all.empty()) {
                    m_ctx.deleteObject(*any(all));
                }
                break;
            }
            case 5:
            case 6:
                if (!tracks.empty()) {
                    changeTrack(*any(tracks));
                }
                break;
            case 7:
                if (!albums.empty() && !labels.empty()) {
                    Album* album = any(albums);
                    Label* label = any(labels);
                    if (album->labels().contains(label)) {
                        album->removeLabelsObject(label);
                    } else {
                        album->addLabelsObject(label);
                    }
                }
                break;
            case 8:
                if (!tracks.empty()) {
                    Track* track = any(tracks);
                    track->setSingleOf(nullptr);  // a single stays on its own album
                    track->setAlbum(albums.empty() || pick(0, 3) == 0 ? nullptr : any(albums));
                }
                break;
            default:
                if (!albums.empty()) {
                    Album* album = any(albums);
                    const std::vector<Track*> own = album->tracks().toVector();
                    album->setSingle(own.empty() ? nullptr : any(own));
                }
                break;
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    template <class T>
    T* any(const std::vector<T*>& objects) {
        return objects[static_cast<std::size_t>(pick(0, static_cast<int>(objects.size()) - 1))];
    }

    void changeTrack(Track& track) {
        switch (pick(0, 7)) {
            case 0:
                track.setTitle(pick(0, 1) ? "Track " + std::to_string(pick(0, 99)) : "Ünïcode ✓");
                break;
            case 1:
                track.setPrice(Decimal(pick(0, 100000)) / Decimal(100));
                break;
            case 2:
                track.setReleased(pick(0, 2) == 0 ? std::nullopt
                                                  : std::optional<Date>(Date::dateWithYear_PN(
                                                        1900 + pick(0, 200), pick(1, 12), 28)));
                break;
            case 3:
                track.setNumber(pick(-5, 5000));
                break;
            case 4:
                track.setExplicit(!track.isExplicit());
                break;
            case 5:
                track.setRating(pick(0, 1) ? std::nullopt
                                           : std::optional<std::int64_t>(pick(1, 5)));
                break;
            case 6:
                track.setNote(pick(0, 1) ? std::nullopt
                                         : std::optional<std::string>(std::string(
                                               static_cast<std::size_t>(pick(0, 40)), 'n')));
                break;
            default:
                track.setBeats({Beat{pick(1, 7), "w"}, Beat{pick(1, 31), "m"}});
                break;
        }
    }

    ObjectContext& m_ctx;
    std::mt19937& m_random;
};

class LoadEquivalenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("pennora-load-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::unique_ptr<ObjectContext> open(const fs::path& file) {
        auto ctx = std::make_unique<ObjectContext>(testModel());
        auto opened = SQLiteStore::open(file.string(), testModel());
        auto store = std::move(std::get<std::unique_ptr<SQLiteStore>>(opened));
        EXPECT_FALSE(store->load(*ctx));
        ctx->setPersistentStore(std::move(store));
        return ctx;
    }

    // A Genre row far beyond every ID the context handed out, as a file written elsewhere may
    // hold: it must load (and later inserts count on from it).
    static void addFarOutGenre(const fs::path& file, ObjectID id) {
        const SQLiteSchema schema(testModel());
        const SQLiteSchema::EntityLayout& layout = schema.layoutOf(Genre::entityDescription());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        sqliteExecute(db, "INSERT INTO " + quoteSQLName(layout.table) + " (id, entity, " +
                              quoteSQLName(layout.attributeColumns[0]) + ", " +
                              quoteSQLName(layout.attributeColumns[1]) + ") VALUES (" +
                              std::to_string(id) + ", 'Genre', 'far out', 1970)");
        sqlite3_close(db);
    }

    fs::path folder;
};

TEST_F(LoadEquivalenceTest, ReloadedStoresAreTheGraphsSavedAndWhatAPlainLoaderReads) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const fs::path file = folder / ("Store-" + std::to_string(seed) + ".sqlite");
        for (int round = 0; round < 6; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            if (round == 3 && seed % 3 == 0) {
                addFarOutGenre(file, 1'000'000'000'000ull + seed);
            }
            std::unique_ptr<ObjectContext> ctx = open(file);
            const std::string loaded = dumpObjectGraph(*ctx);
            if (round > 0) {
                ASSERT_EQ(loaded, dumpLoadedOneByOne(file));
            }
            RandomEditor editor(*ctx, random);
            const int actions = round == 0 ? 60 : editor.pick(5, 25);
            for (int a = 0; a < actions; ++a) {
                editor.action();
            }
            for (int undos = editor.pick(0, 6); undos > 0 && ctx->undoManager().canUndo();
                 --undos) {
                ctx->undo();
            }
            if (editor.pick(0, 1) == 1 && ctx->undoManager().canRedo()) {
                ctx->redo();
            }
            // A unit of change taken back whole leaves nothing behind.
            const std::string beforeSavepoint = dumpObjectGraph(*ctx);
            ctx->setSavepoint();
            for (int a = editor.pick(1, 4); a > 0; --a) {
                editor.edit();
            }
            ctx->rollbackToSavepoint();
            ASSERT_EQ(dumpObjectGraph(*ctx), beforeSavepoint);

            ASSERT_FALSE(ctx->save());
            const std::string saved = dumpObjectGraph(*ctx);
            ctx.reset();
            ASSERT_EQ(dumpObjectGraph(*open(file)), saved);
            ASSERT_EQ(dumpLoadedOneByOne(file), saved);
        }
    }
}

TEST_F(LoadEquivalenceTest, ContextLeavingItsObjectsToTheExitStillClosesItsStore) {
    const fs::path file = folder / "Left.sqlite";
    std::string saved;
    {
        std::unique_ptr<ObjectContext> ctx = open(file);
        Album* album = ctx->insert<Album>();
        album->setName("Left behind");
        ctx->insert<Track>()->setAlbum(album);
        ASSERT_FALSE(ctx->save());
        saved = dumpObjectGraph(*ctx);
        ASSERT_TRUE(fs::exists(file.string() + "-wal"));  // open while the store is
        ctx->leaveObjectsToProcessExit();
    }
    // Closing the last connection moves the log into the file and removes it.
    EXPECT_FALSE(fs::exists(file.string() + "-wal"));
    EXPECT_EQ(dumpObjectGraph(*open(file)), saved);
}

// Rows are read a batch ahead of the objects made from them: damage found by either side,
// early or late in a table of many batches, ends the load with its reason and leaves no
// reader behind (a load that hung would time the test out).
TEST_F(LoadEquivalenceTest, DamageAnywhereInALargeTableEndsTheLoadWithItsReason) {
    const fs::path file = folder / "Large.sqlite";
    std::vector<ObjectID> tracks;
    {
        std::unique_ptr<ObjectContext> ctx = open(file);
        Album* album = ctx->insert<Album>();
        album->setName("Many tracks");
        for (int i = 0; i < 5000; ++i) {
            Track* track = ctx->insert<Track>();
            track->setNumber(i);
            track->setNote(i % 2 == 0 ? std::nullopt
                                      : std::optional<std::string_view>("a note of some length"));
            track->setAlbum(album);
            tracks.push_back(track->objectID());
        }
        ASSERT_FALSE(ctx->save());
    }
    const SQLiteSchema schema(testModel());
    const SQLiteSchema::EntityLayout& layout = schema.layoutOf(Track::entityDescription());
    const auto column = [&](std::string_view name) {
        for (const AttributeDescription& a : Track::entityDescription().attributes()) {
            if (a.name == name) {
                return quoteSQLName(layout.attributeColumns[a.index]);
            }
        }
        for (const RelationshipDescription& r : Track::entityDescription().relationships()) {
            if (r.name == name) {
                return quoteSQLName(layout.relationshipColumns[r.index]);
            }
        }
        ADD_FAILURE() << "no column " << name;
        return std::string();
    };
    const struct {
        const char* name;
        std::string change;
        ObjectID row;
        std::string reason;
    } kCases[] = {
        {"a value late in the table", column("number") + " = 'seven'", tracks[4000],
         "the value of number of Track " + std::to_string(tracks[4000]) + " is damaged"},
        {"a real where a whole number belongs", column("number") + " = 1.5", tracks[2500],
         "the value of number of Track " + std::to_string(tracks[2500]) + " is damaged"},
        {"a blob where a text belongs", column("note") + " = x'00ff'", tracks[1],
         "the value of note of Track " + std::to_string(tracks[1]) + " is damaged"},
        {"a reference early in the table", column("album") + " = 999999", tracks[10],
         "a reference of Track " + std::to_string(tracks[10]) + " points nowhere"},
        {"a text where a reference belongs", column("album") + " = 'one'", tracks[3],
         "a reference of Track " + std::to_string(tracks[3]) + " is damaged"},
        {"the last row's entity", "entity = 'Nothing'", tracks.back(),
         "row " + std::to_string(tracks.back()) + " of " + layout.table + " is damaged"},
    };
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        SCOPED_TRACE(kCases[i].name);
        const fs::path damaged = folder / ("Damaged-" + std::to_string(i) + ".sqlite");
        fs::copy_file(file, damaged, fs::copy_options::overwrite_existing);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(damaged.c_str(), &db), SQLITE_OK);
        sqliteExecute(db, "UPDATE " + quoteSQLName(layout.table) + " SET " + kCases[i].change +
                              " WHERE id = " + std::to_string(kCases[i].row));
        sqlite3_close(db);

        ObjectContext ctx(testModel());
        auto opened = SQLiteStore::open(damaged.string(), testModel());
        auto store = std::move(std::get<std::unique_ptr<SQLiteStore>>(opened));
        const std::optional<ValidationError> error = store->load(ctx);
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->localizedDescription.ends_with(kCases[i].reason))
            << error->localizedDescription;
    }
}

TEST(ObjectIDMapTest, FindsFarOutIDsAlsoAfterTheArrayGrewPastThem) {
    std::vector<std::byte> storage(8);  // only the addresses matter
    const auto object = [&](std::size_t n) {
        return reinterpret_cast<ManagedObject*>(storage.data() + n);
    };
    ObjectIDMap map;
    map.insert(50'000, object(1));  // far beyond what one object justifies
    map.insert(1'000'000'000'000ull, object(2));
    for (ObjectID id = 1; id <= 30'000; ++id) {
        map.insert(id, object(3));
    }
    EXPECT_EQ(map.find(50'000), object(1));
    EXPECT_EQ(map.find(1'000'000'000'000ull), object(2));
    EXPECT_EQ(map.find(30'000), object(3));
    EXPECT_EQ(map.find(30'001), nullptr);
    EXPECT_EQ(map.find(1'000'000'000'001ull), nullptr);
    map.reserve(100'000, 50'000);
    EXPECT_EQ(map.find(50'000), object(1));
    map.insert(50'000, object(4));
    EXPECT_EQ(map.find(50'000), object(4));
}

}  // namespace
