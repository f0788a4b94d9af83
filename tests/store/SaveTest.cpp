#include <gtest/gtest.h>

#include "TestEntities.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

// A context over an in-memory store that already holds one saved album with a track.
class SaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto store = std::make_unique<InMemoryStore>();
        memory = store.get();
        ctx.setPersistentStore(std::move(store));
        album = ctx.insert<Album>();
        album->setName("Blue");
        track = ctx.insert<Track>();
        track->setAlbum(album);
        ASSERT_FALSE(ctx.save());
    }

    std::string reloadedDump() {
        ObjectContext fresh(testModel());
        EXPECT_FALSE(memory->load(fresh));
        return dumpObjectGraph(fresh);
    }

    ObjectContext ctx{testModel()};
    InMemoryStore* memory = nullptr;
    Album* album = nullptr;
    Track* track = nullptr;
};

TEST_F(SaveTest, SaveWritesEveryChangeAndClearsTracking) {
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(memory->dump(), dumpObjectGraph(ctx));

    track->setPrice(Decimal::fromString("0.99"));
    track->setReleased(Date::dateWithYear_PN(1959, 8, 17));
    track->setBeats({Beat{2, "w"}, Beat{1, "m"}});
    Genre* genre = ctx.insert<Genre>();
    album->addLabelsObject(genre);
    Track* second = ctx.insert<Track>();
    second->setAlbum(album);
    ASSERT_TRUE(ctx.hasChanges());
    ASSERT_FALSE(ctx.save());
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(memory->dump(), dumpObjectGraph(ctx));
    EXPECT_EQ(reloadedDump(), dumpObjectGraph(ctx));

    // Unset optionals and an emptied list survive as well.
    track->setReleased(std::nullopt);
    track->setBeats({});
    ctx.deleteObject(*second);
    ASSERT_FALSE(ctx.save());
    EXPECT_EQ(reloadedDump(), dumpObjectGraph(ctx));
    EXPECT_EQ(memory->rowCount(), 3u);
}

TEST_F(SaveTest, ChangeSetListsOnlyWhatChanged) {
    track->setTitle(track->title());  // equal value: no change
    EXPECT_FALSE(ctx.hasChanges());

    track->setPrice(Decimal(3));
    track->setNote("live");
    Track* fresh = ctx.insert<Track>();
    ChangeSet changes = ctx.changes();
    EXPECT_EQ(changes.inserted, std::vector<ManagedObject*>{fresh});
    ASSERT_EQ(changes.updated.size(), 1u);
    const ObjectChange& change = changes.updated[0];
    EXPECT_EQ(change.object, track);
    const EntityDescription& e = Track::entityDescription();
    EXPECT_EQ(change.attributes, (1ull << e.attributeNamed("price")->index) |
                                     (1ull << e.attributeNamed("note")->index));
    EXPECT_EQ(change.relationships, 0u);

    // Inserted and deleted before any save: nothing to write for it.
    ctx.deleteObject(*fresh);
    changes = ctx.changes();
    EXPECT_TRUE(changes.inserted.empty());
    EXPECT_TRUE(changes.deleted.empty());

    // Moving the track marks both ends; deleting a saved object lists it as deleted.
    Album* other = ctx.insert<Album>();
    ASSERT_FALSE((other->setName("Other"), ctx.save()));
    track->setAlbum(other);
    changes = ctx.changes();
    ASSERT_EQ(changes.updated.size(), 3u);
    for (const ObjectChange& c : changes.updated) {
        EXPECT_EQ(c.attributes, 0u);
        EXPECT_NE(c.relationships, 0u);
    }
    ctx.deleteObject(*album);
    EXPECT_EQ(ctx.changes().deleted, std::vector<ManagedObject*>{album});
}

TEST_F(SaveTest, FailingValidationWritesNothingAndKeepsTheChanges) {
    const std::string before = memory->dump();
    album->setName("");
    track->setPrice(Decimal(-1));
    Track* added = ctx.insert<Track>();
    added->setPrice(Decimal(-2));

    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->isMultipleValidationErrors());
    std::vector<int> codes;
    for (const ValidationError& detail : error->detailedErrors) {
        codes.push_back(detail.code);
    }
    // Inserted objects are validated first, then updated ones in ID order (album, track);
    // the combined list runs newest first.
    EXPECT_EQ(codes, (std::vector<int>{20, 10, 20}));
    EXPECT_EQ(error->detailedErrors[1].localizedDescription, "Name cannot be blank");

    EXPECT_EQ(memory->dump(), before);
    EXPECT_EQ(memory->saveCount(), 1);
    EXPECT_TRUE(ctx.hasChanges());
    EXPECT_EQ(track->price(), Decimal(-1));
    EXPECT_TRUE(ctx.isInserted(*added));

    album->setName("Blue again");
    track->setPrice(Decimal(1));
    added->setPrice(Decimal(2));
    EXPECT_FALSE(ctx.save());
    EXPECT_EQ(reloadedDump(), dumpObjectGraph(ctx));
}

TEST_F(SaveTest, OneFailingRuleIsReportedAsItself) {
    track->setPrice(Decimal(-1));
    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, 20);
    EXPECT_EQ(error->localizedDescription, "Price cannot be negative");
}

TEST_F(SaveTest, RelationshipValidatorsRunForObjectsChangedOnlyThroughALink) {
    Album* other = ctx.insert<Album>();
    other->setName("Other");
    ASSERT_FALSE(ctx.save());
    // Only the link changes: the album is updated through it and its validator runs.
    other->setSingle(track);
    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, 30);
    track->setAlbum(other);
    EXPECT_FALSE(ctx.save());
}

TEST_F(SaveTest, StoreFailureKeepsChangesForTheNextSave) {
    const std::string before = memory->dump();
    track->setTitle("Take two");
    ctx.deleteObject(*album);  // cascades to the track
    memory->failNextSave(
        ValidationError{kStoreErrorDomain, kPersistentStoreSaveErrorCode, "disk full", {}, {}});
    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->localizedDescription, "disk full");
    EXPECT_EQ(memory->dump(), before);
    EXPECT_TRUE(ctx.hasChanges());
    EXPECT_EQ(ctx.changes().deleted.size(), 2u);

    EXPECT_FALSE(ctx.save());
    EXPECT_EQ(memory->rowCount(), 0u);
}

TEST(SaveWithoutStore, FailsAndKeepsChanges) {
    ObjectContext ctx(testModel());
    EXPECT_FALSE(ctx.save());  // nothing to save: fine even without a store
    ctx.insert<Track>();
    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, kPersistentStoreSaveErrorCode);
    EXPECT_TRUE(ctx.hasChanges());
}

TEST_F(SaveTest, ChangeSetListsObjectsInTheOrderOfTheirIDs) {
    std::vector<Track*> saved;
    for (int i = 0; i < 40; ++i) {
        saved.push_back(ctx.insert<Track>());
    }
    ASSERT_FALSE(ctx.save());
    std::vector<ManagedObject*> inserted;
    for (int i = 0; i < 40; ++i) {
        inserted.push_back(ctx.insert<Track>());
    }
    // Deleted newest first, so that the order of deleting is not the order of the IDs.
    std::vector<ManagedObject*> deleted;
    for (int i = 39; i >= 0; i -= 3) {
        ctx.deleteObject(*saved[static_cast<std::size_t>(i)]);
        deleted.insert(deleted.begin(), saved[static_cast<std::size_t>(i)]);
    }
    const ChangeSet changes = ctx.changes();
    EXPECT_EQ(changes.inserted, inserted);
    EXPECT_EQ(changes.deleted, deleted);
}

}  // namespace
