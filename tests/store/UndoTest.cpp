#include <gtest/gtest.h>

#include "TestEntities.h"
#include "base/AssertionFailure.h"
#include "base/NotificationCenter.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto store = std::make_unique<InMemoryStore>();
        memory = store.get();
        ctx.setPersistentStore(std::move(store));
        UndoGrouping group(ctx.undoManager());
        album = ctx.insert<Album>();
        album->setName("Kind of Blue");
        for (int i = 0; i < 3; ++i) {
            Track* t = ctx.insert<Track>();
            t->setAlbum(album);
            t->setPrice(Decimal(i));
            tracks.push_back(t);
        }
        genre = ctx.insert<Genre>();
        genre->setName("jazz");
        album->addLabelsObject(genre);
        album->setSingle(tracks[1]);
    }

    // One user action touching attributes, relationships, inserts and a cascading delete.
    void mixedAction() {
        UndoGrouping group(ctx.undoManager());
        tracks[0]->setTitle("So What");
        tracks[0]->setRating(5);
        tracks[0]->setBeats({Beat{3, "w"}});
        Album* other = ctx.insert<Album>();
        other->setName("Sketches");
        tracks[2]->setAlbum(other);
        Mood* mood = ctx.insert<Mood>();
        mood->addAlbumsObject(album);
        other->setSingle(tracks[1]);  // takes the single over from `album`
        ctx.deleteObject(*genre);
        ctx.deleteObject(*album);  // cascades to tracks 0 and 1
    }

    ObjectContext ctx{testModel()};
    InMemoryStore* memory = nullptr;
    Album* album = nullptr;
    Genre* genre = nullptr;
    std::vector<Track*> tracks;
};

TEST_F(UndoTest, MixedGroupUndoesAndRedoesExactly) {
    const std::string before = dumpObjectGraph(ctx);
    mixedAction();
    const std::string after = dumpObjectGraph(ctx);
    ASSERT_NE(before, after);
    ASSERT_TRUE(tracks[0]->isDeleted());

    ctx.undo();
    EXPECT_EQ(dumpObjectGraph(ctx), before);
    EXPECT_TRUE(ctx.undoManager().canRedo());
    ctx.redo();
    EXPECT_EQ(dumpObjectGraph(ctx), after);
    ctx.undo();
    EXPECT_EQ(dumpObjectGraph(ctx), before);
    // Undoing the set-up group empties the context.
    ctx.undo();
    EXPECT_EQ(dumpObjectGraph(ctx), "");
    EXPECT_FALSE(ctx.undoManager().canUndo());
}

TEST_F(UndoTest, UndoAfterSaveMakesNewChangesThatSaveCorrectly) {
    ASSERT_FALSE(ctx.save());
    const std::string saved = dumpObjectGraph(ctx);
    mixedAction();
    ASSERT_FALSE(ctx.save());
    ASSERT_EQ(memory->dump(), dumpObjectGraph(ctx));

    ctx.undo();
    EXPECT_TRUE(ctx.hasChanges());
    EXPECT_EQ(dumpObjectGraph(ctx), saved);
    ASSERT_FALSE(ctx.save());
    EXPECT_EQ(memory->dump(), saved);

    ctx.redo();
    ASSERT_FALSE(ctx.save());
    EXPECT_EQ(memory->dump(), dumpObjectGraph(ctx));
    ObjectContext fresh(testModel());
    ASSERT_FALSE(memory->load(fresh));
    EXPECT_EQ(dumpObjectGraph(fresh), dumpObjectGraph(ctx));
}

// Undo takes inserted objects out of the next save and redo puts them back, each time: the
// context lists each of them once however often that happens.
TEST_F(UndoTest, ObjectsInsertedAndTakenBackOverAndOverAreSavedOnce) {
    ASSERT_FALSE(ctx.save());
    std::vector<ObjectID> made;
    {
        UndoGrouping group(ctx.undoManager());
        for (int i = 0; i < 1500; ++i) {
            made.push_back(ctx.insert<Track>()->objectID());
        }
    }
    for (int round = 0; round < 4; ++round) {
        ctx.undo();
        ctx.redo();
    }
    std::vector<ObjectID> listed;
    for (const ManagedObject* object : ctx.changes().inserted) {
        listed.push_back(object->objectID());
    }
    EXPECT_EQ(listed, made);
    ctx.undo();
    EXPECT_FALSE(ctx.hasChanges());
    ctx.redo();
    ASSERT_FALSE(ctx.save());
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(memory->dump(), dumpObjectGraph(ctx));
}

TEST_F(UndoTest, UndoAndRedoPostNotifications) {
    std::vector<std::string> posted;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    auto onUndo = center.observe(kUndoManagerDidUndoChange,
                                 [&](const std::string& name) { posted.push_back(name); });
    auto onRedo = center.observe(kUndoManagerDidRedoChange,
                                 [&](const std::string& name) { posted.push_back(name); });
    mixedAction();
    ctx.undo();
    ctx.redo();
    EXPECT_EQ(posted,
              (std::vector<std::string>{kUndoManagerDidUndoChange, kUndoManagerDidRedoChange}));
}

TEST_F(UndoTest, GroupsNestAndLooseChangesFormOneGroup) {
    const std::string start = dumpObjectGraph(ctx);
    {
        UndoGrouping outer(ctx.undoManager());
        tracks[0]->setTitle("a");
        {
            UndoGrouping inner(ctx.undoManager());
            tracks[1]->setTitle("b");
        }
        EXPECT_EQ(ctx.undoManager().groupingLevel(), 1);
    }
    const std::string afterGroup = dumpObjectGraph(ctx);
    tracks[0]->setTitle("c");  // outside any group
    tracks[1]->setTitle("d");
    ctx.undo();  // both loose changes at once
    EXPECT_EQ(dumpObjectGraph(ctx), afterGroup);
    ctx.undo();  // the nested groups as one
    EXPECT_EQ(dumpObjectGraph(ctx), start);
    EXPECT_THROW(ctx.undoManager().endUndoGrouping(), AssertionFailure);
}

TEST_F(UndoTest, UndoAndRedoWorkInsideAnOpenGroup) {
    const std::string start = dumpObjectGraph(ctx);
    mixedAction();
    const std::string afterMixed = dumpObjectGraph(ctx);
    {
        // The Undo command runs as a user action of its own, after a change in it.
        UndoGrouping action(ctx.undoManager());
        tracks[2]->setTitle("typed before undo");
        ctx.undo();  // takes back the title only
        EXPECT_EQ(dumpObjectGraph(ctx), afterMixed);
        ctx.undo();
        EXPECT_EQ(dumpObjectGraph(ctx), start);
        ctx.redo();
        EXPECT_EQ(dumpObjectGraph(ctx), afterMixed);
    }
    EXPECT_EQ(ctx.undoManager().groupingLevel(), 0);
    ctx.undo();
    EXPECT_EQ(dumpObjectGraph(ctx), start);
}

TEST_F(UndoTest, ANewChangeClearsRedoAndDisabledRegistrationRecordsNothing) {
    mixedAction();
    ctx.undo();
    tracks[2]->setTitle("fresh");
    EXPECT_FALSE(ctx.undoManager().canRedo());

    ctx.undoManager().removeAllActions();
    ctx.undoManager().disableUndoRegistration();
    tracks[2]->setTitle("unrecorded");
    ctx.undoManager().enableUndoRegistration();
    EXPECT_FALSE(ctx.undoManager().canUndo());
    EXPECT_EQ(tracks[2]->title(), "unrecorded");
}

}  // namespace
