#include <gtest/gtest.h>

#include <random>
#include <set>

#include "TestEntities.h"
#include "base/AssertionFailure.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/Savepoint.h"

namespace {

// What the next save would write, as one line: inserted, updated (with change masks), deleted.
std::string describeChanges(const ObjectContext& ctx) {
    const ChangeSet set = ctx.changes();
    std::string text = "inserted";
    for (const ManagedObject* o : set.inserted) {
        text += " #" + std::to_string(o->objectID());
    }
    text += "; updated";
    for (const ObjectChange& c : set.updated) {
        text += " #" + std::to_string(c.object->objectID()) + "/" + std::to_string(c.attributes) +
                "/" + std::to_string(c.relationships);
    }
    text += "; deleted";
    for (const ManagedObject* o : set.deleted) {
        text += " #" + std::to_string(o->objectID());
    }
    return text;
}

// Keeps, from notifications alone, which tracks each album holds and each track's price: a
// stand-in for the indexes other subsystems keep on the context.
class TrackIndex final : public ContextObserver {
public:
    explicit TrackIndex(ObjectContext& ctx) : m_ctx(ctx) { m_ctx.addObserver(this); }
    ~TrackIndex() override { m_ctx.removeObserver(this); }

    std::string describe() const {
        std::string text;
        for (const auto& [album, tracks] : m_tracks) {
            if (tracks.empty()) {
                continue;
            }
            text += "#" + std::to_string(album->objectID()) + ":";
            for (const Track* t : tracks) {
                text += " #" + std::to_string(t->objectID()) + "=" + m_prices.at(t).toString();
            }
            text += "\n";
        }
        return text;
    }
    // The same, computed from the graph.
    static std::string expected(const ObjectContext& ctx) {
        std::string text;
        ctx.forEachObject(Album::entityDescription(), [&](ManagedObject& object) {
            const auto& album = static_cast<const Album&>(object);
            if (!album.tracks().empty()) {
                text += "#" + std::to_string(album.objectID()) + ":";
                for (const Track* t : album.tracks()) {
                    text += " #" + std::to_string(t->objectID()) + "=" + t->price().toString();
                }
                text += "\n";
            }
            return true;
        });
        return text;
    }

    void objectRemoved(ManagedObject& object) override {
        m_prices.erase(dynamic_cast<Track*>(&object));
    }
    void attributeDidChange(ManagedObject& object, const AttributeDescription&) override {
        if (auto* track = dynamic_cast<Track*>(&object)) {
            m_prices[track] = track->price();
        }
    }
    void relationshipLinked(ManagedObject& object, const RelationshipDescription& rel,
                            ManagedObject& target) override {
        if (rel.name == "tracks") {
            auto* track = static_cast<Track*>(&target);
            m_tracks[static_cast<Album*>(&object)].insert(track);
            m_prices[track] = track->price();
        }
    }
    void relationshipUnlinked(ManagedObject& object, const RelationshipDescription& rel,
                              ManagedObject& target) override {
        if (rel.name == "tracks") {
            m_tracks[static_cast<Album*>(&object)].erase(static_cast<Track*>(&target));
        }
    }

private:
    struct ByID {
        bool operator()(const ManagedObject* a, const ManagedObject* b) const {
            return a->objectID() < b->objectID();
        }
    };
    ObjectContext& m_ctx;
    std::map<const Album*, std::set<const Track*, ByID>, ByID> m_tracks;
    std::map<const Track*, Decimal> m_prices;
};

class SavepointTest : public ::testing::Test {
protected:
    void SetUp() override { makeStore(); }

    // A saved store of three albums of three tracks and a genre, in a fresh context.
    void makeStore() {
        ctx = std::make_unique<ObjectContext>(testModel());
        made = 0;
        auto store = std::make_unique<InMemoryStore>();
        memory = store.get();
        ctx->setPersistentStore(std::move(store));
        for (int a = 0; a < 3; ++a) {
            Album* album = insertAlbum();
            for (int t = 0; t < 3; ++t) {
                insertTrack()->setAlbum(album);
            }
        }
        Genre* genre = ctx->insert<Genre>();
        genre->setName("jazz");
        albums()[0]->addLabelsObject(genre);
        ASSERT_FALSE(ctx->save());
        saved = memory->dump();
        ctx->undoManager().removeAllActions();
    }

    Album* insertAlbum() {
        Album* album = ctx->insert<Album>();
        album->setName("Album " + std::to_string(++made));
        return album;
    }
    Track* insertTrack() {
        Track* track = ctx->insert<Track>();
        track->setPrice(Decimal(made++));
        return track;
    }
    std::vector<Album*> albums() { return Album::allInContext(*ctx); }
    std::vector<Track*> tracks() { return Track::allInContext(*ctx); }
    std::vector<Label*> labels() { return Label::allInContext(*ctx); }

    // Unsaved changes of every kind, valid for a save, made before the savepoints.
    void makePendingChanges() {
        UndoGrouping group(ctx->undoManager());
        tracks()[0]->setTitle("pending");
        tracks()[1]->setAlbum(albums()[2]);
        ctx->deleteObject(*tracks()[4]);
        Mood* mood = ctx->insert<Mood>();
        mood->setName("calm");
        mood->addAlbumsObject(albums()[1]);
        insertTrack()->setAlbum(albums()[1]);
    }

    // One random change of any kind to any live object; some leave the graph invalid.
    void randomChange(std::mt19937& random) {
        const auto pick = [&random](const auto& objects) {
            return objects[std::uniform_int_distribution<std::size_t>(0,
                                                                      objects.size() - 1)(random)];
        };
        std::vector<Album*> a = albums();
        std::vector<Track*> t = tracks();
        std::vector<Label*> l = labels();
        switch (std::uniform_int_distribution<int>(0, 13)(random)) {
            case 0:
                insertAlbum();
                break;
            case 1:
                if (!a.empty()) {
                    insertTrack()->setAlbum(pick(a));
                }
                break;
            case 2:
                ctx->insert<Mood>()->setCalm(true);
                break;
            case 3:
                if (!t.empty()) {
                    ctx->deleteObject(*pick(t));
                }
                break;
            case 4:
                if (a.size() > 1) {
                    ctx->deleteObject(*pick(a));  // cascades to its tracks
                }
                break;
            case 5:
                if (!l.empty()) {
                    ctx->deleteObject(*pick(l));
                }
                break;
            case 6:
                if (!t.empty()) {
                    Track* track = pick(t);
                    track->setPrice(track->price() + Decimal(random() % 7) - Decimal(3));
                    track->setRating(static_cast<std::int64_t>(random() % 5));
                }
                break;
            case 7:
                if (!t.empty()) {
                    Track* track = pick(t);
                    track->setNote(random() % 2 ? std::optional<std::string>("n") : std::nullopt);
                    track->setReleased(
                        Date::dateWithYear_PN(2000 + static_cast<int>(random() % 20), 1, 1));
                    track->setBeats({Beat{static_cast<std::int64_t>(random() % 7), "w"}});
                }
                break;
            case 8:
                if (!a.empty()) {
                    pick(a)->setName(random() % 4 ? "renamed" : "");  // blank: invalid
                }
                break;
            case 9:
                if (!a.empty() && !t.empty()) {
                    pick(t)->setAlbum(random() % 3 ? pick(a) : nullptr);
                }
                break;
            case 10:
                if (!a.empty() && !t.empty()) {
                    pick(a)->setSingle(random() % 3 ? pick(t) : nullptr);
                }
                break;
            case 11:
                if (!a.empty() && !l.empty()) {
                    pick(a)->addLabelsObject(pick(l));
                }
                break;
            case 12:
                if (!a.empty()) {
                    Album* album = pick(a);
                    if (!album->labels().empty()) {
                        album->removeLabelsObject(*album->labels().begin());
                    }
                }
                break;
            case 13:
                if (!l.empty()) {
                    pick(l)->setName("label " + std::to_string(random() % 100));
                }
                break;
        }
    }

    std::unique_ptr<ObjectContext> ctx;
    InMemoryStore* memory = nullptr;
    std::string saved;
    int made = 0;
};

TEST_F(SavepointTest, RandomChangesRollBackToTheGraphThePendingChangesAndTheUndoStack) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        makeStore();
        TrackIndex index(*ctx);
        makePendingChanges();
        const std::string graph = dumpObjectGraph(*ctx);
        const std::string pending = describeChanges(*ctx);
        const int saves = memory->saveCount();
        std::mt19937 random(seed);

        ctx->setSavepoint();
        // Nested savepoints, each checked against the graph it was set on when rolled back.
        std::vector<std::string> nested;
        for (int step = 0; step < 150; ++step) {
            randomChange(random);
            const unsigned roll = random() % 20;
            if (roll == 0) {
                nested.push_back(dumpObjectGraph(*ctx));
                ctx->setSavepoint();
            } else if (roll == 1 && !nested.empty()) {
                ctx->rollbackToSavepoint();
                ASSERT_EQ(dumpObjectGraph(*ctx), nested.back());
                nested.pop_back();
            } else if (roll == 2 && !nested.empty()) {
                ASSERT_FALSE(ctx->releaseSavepoint());
                nested.pop_back();
            } else if (roll == 3) {
                (void)ctx->save();  // held back, or refused by validation
            }
        }
        while (!nested.empty()) {
            ASSERT_FALSE(ctx->releaseSavepoint());
            nested.pop_back();
        }
        EXPECT_EQ(memory->saveCount(), saves) << "a save inside a savepoint wrote";
        ctx->rollbackToSavepoint();

        EXPECT_EQ(dumpObjectGraph(*ctx), graph);
        EXPECT_EQ(describeChanges(*ctx), pending);
        EXPECT_EQ(index.describe(), TrackIndex::expected(*ctx));
        ASSERT_FALSE(ctx->save());
        EXPECT_EQ(memory->dump(), graph);
        // The pending changes were one undo group; nothing of the rollback is left above it.
        ctx->undo();
        ASSERT_FALSE(ctx->save());
        EXPECT_EQ(memory->dump(), saved);
    }
}

TEST_F(SavepointTest, ReleasedChangesStayAndAreWrittenByTheOutermostRelease) {
    UndoGrouping action(ctx->undoManager());
    ctx->setSavepoint();
    tracks()[0]->setTitle("kept");
    ctx->setSavepoint();
    Album* added = insertAlbum();
    ASSERT_FALSE(ctx->save());  // held
    EXPECT_EQ(memory->dump(), saved);
    ASSERT_FALSE(ctx->releaseSavepoint());
    EXPECT_EQ(memory->dump(), saved) << "an inner release wrote";
    ASSERT_FALSE(ctx->releaseSavepoint());
    EXPECT_FALSE(ctx->hasChanges());
    EXPECT_EQ(memory->dump(), dumpObjectGraph(*ctx));
    EXPECT_FALSE(added->isDeleted());
    // The released changes are ordinary undo steps.
    ctx->undo();
    EXPECT_EQ(tracks()[0]->title(), "Untitled");
    EXPECT_TRUE(added->isDeleted());
}

TEST_F(SavepointTest, AReleaseWithoutASaveLeavesTheChangesPending) {
    ctx->setSavepoint();
    tracks()[0]->setTitle("pending");
    ASSERT_FALSE(ctx->releaseSavepoint());
    EXPECT_EQ(memory->saveCount(), 1);
    EXPECT_TRUE(ctx->hasChanges());
}

TEST_F(SavepointTest, AFailedReleaseKeepsTheSavepointOpen) {
    struct Case {
        const char* name;
        bool invalid;  // else the store refuses the write
    };
    for (const Case& c : {Case{"invalid", true}, Case{"store refuses", false}}) {
        SCOPED_TRACE(c.name);
        const std::string before = dumpObjectGraph(*ctx);
        ctx->setSavepoint();
        Album* album = insertAlbum();
        ASSERT_FALSE(ctx->save());
        if (c.invalid) {
            album->setName("");  // after the held save, so only the release sees it
        } else {
            memory->failNextSave(storeError(kPersistentStoreSaveErrorCode, "disk full"));
        }
        const std::optional<ValidationError> error = ctx->releaseSavepoint();
        ASSERT_TRUE(error);
        EXPECT_EQ(ctx->savepointDepth(), 1u);
        EXPECT_EQ(memory->saveCount(), 1);
        ctx->rollbackToSavepoint();
        EXPECT_EQ(dumpObjectGraph(*ctx), before);
        EXPECT_FALSE(ctx->hasChanges());
    }
}

TEST_F(SavepointTest, RollbackLeavesTheUndoAndRedoStacksAsAtTheSavepoint) {
    {
        UndoGrouping group(ctx->undoManager());
        tracks()[0]->setTitle("first");
    }
    ctx->undo();
    ctx->setSavepoint();
    tracks()[0]->setTitle("in the sheet");  // clears the redo stack
    EXPECT_FALSE(ctx->undoManager().canUndo());
    EXPECT_FALSE(ctx->undoManager().canRedo());
    EXPECT_THROW(ctx->undo(), AssertionFailure);
    ctx->rollbackToSavepoint();
    ASSERT_TRUE(ctx->undoManager().canRedo());
    ctx->redo();
    EXPECT_EQ(tracks()[0]->title(), "first");

    // A sheet opened inside one user action, changed in a later one, then cancelled: the
    // opening action stays one undo step, without the sheet's changes.
    {
        UndoGrouping opening(ctx->undoManager());
        tracks()[1]->setTitle("before the sheet");
        ctx->setSavepoint();
        tracks()[1]->setTitle("in the sheet");
    }
    {
        UndoGrouping editing(ctx->undoManager());
        insertAlbum();
    }
    ctx->rollbackToSavepoint();
    EXPECT_EQ(tracks()[1]->title(), "before the sheet");
    ctx->undo();
    EXPECT_EQ(tracks()[1]->title(), "Untitled");
    EXPECT_EQ(tracks()[0]->title(), "first");
    ctx->undo();
    EXPECT_EQ(tracks()[0]->title(), "Untitled");
}

TEST_F(SavepointTest, TheGuardRollsBackAnUnfinishedUnitAndChecksItsOrder) {
    const std::string before = dumpObjectGraph(*ctx);
    try {
        Savepoint unit(*ctx);
        insertAlbum();
        ctx->deleteObject(*albums()[0]);
        throw std::runtime_error("failed half way");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(dumpObjectGraph(*ctx), before);
    EXPECT_EQ(ctx->savepointDepth(), 0u);

    Savepoint outer(*ctx);
    {
        Savepoint inner(*ctx);
        EXPECT_THROW((void)outer.release(), AssertionFailure);
        ASSERT_FALSE(inner.release());
        EXPECT_THROW(inner.rollback(), AssertionFailure);
    }
    outer.rollback();
    EXPECT_THROW(ctx->rollbackToSavepoint(), AssertionFailure);
}

TEST_F(SavepointTest, WithUndoOffNothingIsRecordedAndRollbackStillWorks) {
    ctx->undoManager().removeAllActions();
    ctx->undoManager().disableUndoRegistration();
    const std::string before = dumpObjectGraph(*ctx);
    ctx->setSavepoint();
    for (int i = 0; i < 1000; ++i) {
        insertTrack()->setAlbum(albums()[0]);
    }
    albums()[0]->setName("changed");
    ctx->rollbackToSavepoint();
    ctx->undoManager().enableUndoRegistration();
    EXPECT_EQ(dumpObjectGraph(*ctx), before);
    EXPECT_FALSE(ctx->hasChanges());
    EXPECT_FALSE(ctx->undoManager().canUndo());
}

}  // namespace
