#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "TestEntities.h"
#include "base/AssertionFailure.h"
#include "store/EntityBuilder.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

class ObjectContextTest : public ::testing::Test {
protected:
    ObjectContext ctx{testModel()};
};

TEST_F(ObjectContextTest, InsertGivesIncreasingIDsAndRunsAwakeFromInsertOnce) {
    Track* a = ctx.insert<Track>();
    Track* b = ctx.insert<Track>();
    EXPECT_GT(a->objectID(), 0u);
    EXPECT_LT(a->objectID(), b->objectID());
    EXPECT_EQ(a->title(), "Untitled");
    EXPECT_EQ(a->number(), 1);
    EXPECT_EQ(a->managedObjectContext(), &ctx);

    // Neither undoing a delete nor loading runs it again.
    {
        UndoGrouping group(ctx.undoManager());
        ctx.deleteObject(*a);
    }
    ctx.undo();
    ASSERT_FALSE(a->isDeleted());
    EXPECT_EQ(a->number(), 1);

    auto store = std::make_unique<InMemoryStore>();
    InMemoryStore* memory = store.get();
    ctx.setPersistentStore(std::move(store));
    ASSERT_FALSE(ctx.save());
    ObjectContext reloaded(testModel());
    ASSERT_FALSE(memory->load(reloaded));
    EXPECT_EQ(Track::findByID(a->objectID(), reloaded)->number(), 1);
    // Loading is neither a change to save nor a step to undo.
    EXPECT_FALSE(reloaded.hasChanges());
    EXPECT_FALSE(reloaded.undoManager().canUndo());
    // New IDs continue after the loaded ones.
    EXPECT_GT(reloaded.insert<Track>()->objectID(), b->objectID());
}

TEST_F(ObjectContextTest, ToOneAndToManyKeepTheirInversesFromEitherEnd) {
    Album* first = ctx.insert<Album>();
    Album* second = ctx.insert<Album>();
    Track* t1 = ctx.insert<Track>();
    Track* t2 = ctx.insert<Track>();

    t1->setAlbum(first);
    EXPECT_TRUE(first->tracks().contains(t1));
    first->addTracksObject(t2);
    EXPECT_EQ(t2->album(), first);
    EXPECT_EQ(first->tracks().toVector(), (std::vector<Track*>{t1, t2}));

    // Moving from one owner to another leaves the first.
    second->addTracksObject(t1);
    EXPECT_EQ(t1->album(), second);
    EXPECT_EQ(first->tracks().toVector(), std::vector<Track*>{t2});
    t2->setAlbum(nullptr);
    EXPECT_TRUE(first->tracks().empty());
    first->addTracksObject(t2);
    first->removeTracksObject(t2);
    EXPECT_EQ(t2->album(), nullptr);
}

TEST_F(ObjectContextTest, ManyToManyAndOneToOneKeepTheirInverses) {
    Album* album = ctx.insert<Album>();
    Album* other = ctx.insert<Album>();
    Genre* genre = ctx.insert<Genre>();
    Mood* mood = ctx.insert<Mood>();
    album->addLabelsObject(genre);
    mood->addAlbumsObject(album);
    mood->addAlbumsObject(other);
    EXPECT_EQ(album->labels().toVector(), (std::vector<Label*>{genre, mood}));
    EXPECT_EQ(mood->albums().toVector(), (std::vector<Album*>{album, other}));
    album->removeLabelsObject(mood);
    EXPECT_EQ(mood->albums().toVector(), std::vector<Album*>{other});

    // A one-to-one link taken over by another owner is dropped by the first.
    Track* hit = ctx.insert<Track>();
    album->setSingle(hit);
    EXPECT_EQ(hit->singleOf(), album);
    other->setSingle(hit);
    EXPECT_EQ(album->single(), nullptr);
    EXPECT_EQ(hit->singleOf(), other);
    Track* next = ctx.insert<Track>();
    next->setSingleOf(other);
    EXPECT_EQ(hit->singleOf(), nullptr);
    EXPECT_EQ(other->single(), next);
}

TEST_F(ObjectContextTest, DeleteCascadesAndNullifies) {
    Album* album = ctx.insert<Album>();
    Album* keeper = ctx.insert<Album>();
    Track* t1 = ctx.insert<Track>();
    Track* t2 = ctx.insert<Track>();
    Track* loose = ctx.insert<Track>();
    Genre* genre = ctx.insert<Genre>();
    album->addTracksObject(t1);
    album->addTracksObject(t2);
    album->addLabelsObject(genre);
    keeper->addLabelsObject(genre);
    album->setSingle(loose);

    ctx.deleteObject(*album);
    EXPECT_TRUE(album->isDeleted());
    EXPECT_TRUE(t1->isDeleted());
    EXPECT_TRUE(t2->isDeleted());
    EXPECT_FALSE(loose->isDeleted());
    EXPECT_EQ(loose->singleOf(), nullptr);
    EXPECT_FALSE(genre->isDeleted());
    EXPECT_EQ(genre->albums().toVector(), std::vector<Album*>{keeper});
    EXPECT_EQ(Track::countInContext(ctx), 1u);
    EXPECT_EQ(Album::findByID(album->objectID(), ctx), nullptr);

    // Deleting the far end of a nullify relationship leaves the owner without it.
    keeper->addTracksObject(loose);
    ctx.deleteObject(*loose);
    EXPECT_TRUE(keeper->tracks().empty());
    ctx.deleteObject(*loose);  // twice: nothing more happens
    EXPECT_EQ(Track::countInContext(ctx), 0u);
}

TEST_F(ObjectContextTest, TypedQueriesCoverSubEntitiesAndSkipDeletedObjects) {
    Label* plain = ctx.insert<Label>();
    Genre* jazz = ctx.insert<Genre>();
    Genre* rock = ctx.insert<Genre>();
    Mood* calm = ctx.insert<Mood>();
    plain->setName("plain");
    jazz->setName("jazz");
    jazz->setDecade(1950);
    rock->setName("rock");
    rock->setDecade(1970);
    calm->setName("calm");

    std::vector<Label*> all = Label::allInContext(ctx);
    std::sort(all.begin(), all.end());
    std::vector<Label*> expected{plain, jazz, rock, calm};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all, expected);
    EXPECT_EQ(Label::countInContext(ctx), 4u);
    EXPECT_EQ(Genre::countInContext(ctx), 2u);
    EXPECT_EQ(Genre::findByPredicate([](const Genre& g) { return g.decade() > 1960; }, ctx),
              std::vector<Genre*>{rock});
    EXPECT_EQ(Label::countWithPredicate([](const Label& l) { return l.name().size() == 4; }, ctx),
              3u);
    EXPECT_EQ(Label::findFirstByPredicate([](const Label& l) { return l.name() == "calm"; }, ctx),
              calm);
    EXPECT_EQ(Label::findFirstByPredicate([](const Label& l) { return l.name() == "pop"; }, ctx),
              nullptr);

    // findByID answers only for the class and its sub-entities.
    EXPECT_EQ(Label::findByID(jazz->objectID(), ctx), jazz);
    EXPECT_EQ(Genre::findByID(jazz->objectID(), ctx), jazz);
    EXPECT_EQ(Mood::findByID(jazz->objectID(), ctx), nullptr);
    EXPECT_EQ(Album::findByID(jazz->objectID(), ctx), nullptr);

    ctx.deleteObject(*jazz);
    EXPECT_EQ(Genre::allInContext(ctx), std::vector<Genre*>{rock});
    EXPECT_EQ(Label::countInContext(ctx), 3u);
    EXPECT_EQ(Label::findByID(jazz->objectID(), ctx), nullptr);
}

TEST_F(ObjectContextTest, ManyDeletionsAndUndoKeepQueriesRight) {
    // Enough deletions to compact the per-entity lists, then an undo that must bring every
    // object back into its place.
    std::vector<Track*> tracks;
    for (int i = 0; i < 300; ++i) {
        tracks.push_back(ctx.insert<Track>());
    }
    ctx.undoManager().removeAllActions();
    {
        UndoGrouping group(ctx.undoManager());
        for (std::size_t i = 0; i < tracks.size(); i += 2) {
            ctx.deleteObject(*tracks[i]);
        }
    }
    EXPECT_EQ(Track::countInContext(ctx), 150u);
    EXPECT_EQ(Track::findByID(tracks[0]->objectID(), ctx), nullptr);
    EXPECT_EQ(Track::findByID(tracks[1]->objectID(), ctx), tracks[1]);
    ctx.undo();
    EXPECT_EQ(Track::countInContext(ctx), 300u);
    EXPECT_EQ(Track::allInContext(ctx), tracks);
}

TEST_F(ObjectContextTest, GenericAccessReadsAndWritesByDescription) {
    Track* track = ctx.insert<Track>();
    const EntityDescription& entity = Track::entityDescription();
    const AttributeDescription* price = entity.attributeNamed("price");
    const AttributeDescription* rating = entity.attributeNamed("rating");
    ASSERT_TRUE(price && rating);
    EXPECT_EQ(price->kind, AttributeKind::Decimal);
    EXPECT_FALSE(price->optional);
    EXPECT_TRUE(rating->optional);
    EXPECT_EQ(entity.attributeNamed("beats")->kind, AttributeKind::ArchivedList);
    EXPECT_EQ(entity.attributeNamed("nothing"), nullptr);

    ctx.setAttributeValue(*track, *price, Decimal::fromString("1.25"));
    EXPECT_EQ(track->price(), Decimal::fromString("1.25"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rating->accessor->get(*track)));
    ctx.setAttributeValue(*track, *rating, std::int64_t{4});
    EXPECT_EQ(track->rating(), 4);
    ctx.setAttributeValue(*track, *entity.attributeNamed("beats"),
                          ArchivedList{{{"BeatWeekday", std::int64_t{2}}, {"BeatUnit", "d"}}});
    EXPECT_EQ(track->beats(), std::vector<Beat>{(Beat{2, "d"})});

    EXPECT_THROW(ctx.setAttributeValue(*track, *price, std::string("x")), AssertionFailure);
    EXPECT_THROW(ctx.setAttributeValue(*track, *price, AttributeValue{}), AssertionFailure);
    // A property of another entity is refused.
    EXPECT_THROW(ctx.setAttributeValue(*track, *Album::entityDescription().attributeNamed("name"),
                                       std::string("x")),
                 AssertionFailure);

    Album* album = ctx.insert<Album>();
    ctx.setToOne(*track, *entity.relationshipNamed("album"), album);
    EXPECT_TRUE(album->tracks().contains(track));
    // A target of the wrong entity is refused.
    Genre* genre = ctx.insert<Genre>();
    EXPECT_THROW(ctx.setToOne(*track, *entity.relationshipNamed("album"), genre), AssertionFailure);
    EXPECT_EQ(&ctx.insertObjectForEntityName("Mood").entity(), &Mood::entityDescription());
    EXPECT_THROW(ctx.insertObjectForEntityName("Nothing"), AssertionFailure);
    EXPECT_EQ(&Label::entityDescription().relationshipNamed("albums")->inverse(),
              Album::entityDescription().relationshipNamed("labels"));
    EXPECT_EQ(Genre::entityDescription().parent(), &Label::entityDescription());
    EXPECT_TRUE(Genre::entityDescription().isKindOf(Label::entityDescription()));
}

TEST_F(ObjectContextTest, ChangingADeletedObjectIsAnAssertionFailure) {
    Track* track = ctx.insert<Track>();
    ctx.deleteObject(*track);
    EXPECT_THROW(track->setTitle("gone"), AssertionFailure);
    EXPECT_THROW(ctx.insert<Album>()->addTracksObject(track), AssertionFailure);
}

TEST(EntityModel, RejectsARelationshipWhoseInverseIsMissing) {
    // Track without Album: the destination of "album" is not in the model.
    EXPECT_THROW(EntityModel(1, {&Track::entityDescription()}), AssertionFailure);
    EXPECT_THROW(EntityModel(1, {&Album::entityDescription(), &Album::entityDescription()}),
                 AssertionFailure);
}

// A shelf knows its books only by their entity's name, as a lower layer's entity knows a
// higher layer's: the member is untyped, the model resolves the name.
class Book;

class Shelf final : public Entity<Shelf> {
public:
    static const EntityDescription& entityDescription() {
        static const EntityDescription d =
            EntityBuilder<Shelf>("Shelf")
                .toMany("books", &Shelf::m_books, "Book", "shelf", DeleteRule::Cascade)
                .build();
        return d;
    }
    const ObjectSet<ManagedObject>& bookObjects() const { return m_books; }

private:
    ObjectSet<ManagedObject> m_books;
};

class Book final : public Entity<Book> {
public:
    static const EntityDescription& entityDescription() {
        static const EntityDescription d =
            EntityBuilder<Book>("Book")
                .toOne("shelf", &Book::m_shelf, &Shelf::entityDescription, "books")
                .build();
        return d;
    }
    void setShelf(Shelf* shelf) { setToOne(&Book::m_shelf, shelf); }

private:
    Shelf* m_shelf = nullptr;
};

TEST(EntityModel, ResolvesADestinationGivenByName) {
    // Without the named entity the model is refused, before and after it resolved the name.
    EXPECT_THROW(EntityModel(1, {&Shelf::entityDescription()}), AssertionFailure);
    static const EntityModel model(1, {&Shelf::entityDescription(), &Book::entityDescription()});
    EXPECT_THROW(EntityModel(1, {&Shelf::entityDescription()}), AssertionFailure);

    const RelationshipDescription& books = *Shelf::entityDescription().relationshipNamed("books");
    EXPECT_EQ(&books.destination(), &Book::entityDescription());
    EXPECT_EQ(&books.inverse(), Book::entityDescription().relationshipNamed("shelf"));

    // The untyped end follows the typed one, and its delete rule applies.
    ObjectContext ctx(model);
    Shelf* shelf = ctx.insert<Shelf>();
    Book* book = ctx.insert<Book>();
    book->setShelf(shelf);
    EXPECT_EQ(shelf->bookObjects().toVector(), std::vector<ManagedObject*>{book});
    ctx.deleteObject(*shelf);
    EXPECT_TRUE(book->isDeleted());
    EXPECT_EQ(Book::countInContext(ctx), 0u);
}

// A set holds its first member in place and moves to a block from the second: members moved
// between shelves in any order, down to none and up again, and copies and moves at every
// size, must stay the shelf's books in the order of their IDs.
TEST(ObjectSet, KeepsTheMembersInIDOrderThroughEveryInsertEraseCopyAndMove) {
    static const EntityModel model(1, {&Shelf::entityDescription(), &Book::entityDescription()});
    ObjectContext ctx(model);
    Shelf* shelves[] = {ctx.insert<Shelf>(), ctx.insert<Shelf>()};
    std::vector<Book*> books;
    std::map<Book*, int> shelfOf;  // -1: none
    std::mt19937 rng(5);
    const auto expected = [&](int shelf) {
        std::vector<ManagedObject*> members;
        for (Book* book : books) {  // made in the order of their IDs
            if (shelfOf[book] == shelf) {
                members.push_back(book);
            }
        }
        return members;
    };
    ObjectSet<ManagedObject> kept;
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(step);
        if (books.size() < 3 || rng() % 4 == 0) {
            books.push_back(ctx.insert<Book>());
            shelfOf[books.back()] = -1;
        }
        // Shelf 0 is mostly emptied again, so that it often holds none, one or two.
        Book* book = books[rng() % books.size()];
        const int shelf =
            shelfOf[book] == 0 || rng() % 3 == 0 ? static_cast<int>(rng() % 3) - 1 : 0;
        book->setShelf(shelf < 0 ? nullptr : shelves[shelf]);
        shelfOf[book] = shelf;
        for (int s = 0; s < 2; ++s) {
            const ObjectSet<ManagedObject>& set = shelves[s]->bookObjects();
            ASSERT_EQ(set.toVector(), expected(s)) << "shelf " << s;
            ASSERT_EQ(set.size(), expected(s).size());
            for (Book* b : books) {
                ASSERT_EQ(set.contains(b), shelfOf[b] == s);
            }
        }
        ObjectSet<ManagedObject> copy = shelves[0]->bookObjects();
        ASSERT_EQ(copy.toVector(), expected(0));
        ObjectSet<ManagedObject> moved = std::move(copy);
        ASSERT_EQ(moved.toVector(), expected(0));
        ASSERT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): a move empties the set
        kept = step % 2 == 0 ? moved : shelves[1]->bookObjects();
        ASSERT_EQ(kept.toVector(), expected(step % 2 == 0 ? 0 : 1));
    }
}

}  // namespace

namespace {

// An index of track titles per album, kept only from observer callbacks; it must always equal
// what the graph says, however the graph changed.
class TitleIndex final : public ContextObserver {
public:
    std::map<ObjectID, std::multiset<std::string>> byAlbum;

    void attributeWillChange(ManagedObject& object, const AttributeDescription& a) override {
        if (a.name == "title") {
            forget(object);
        }
    }
    void attributeDidChange(ManagedObject& object, const AttributeDescription& a) override {
        if (a.name == "title") {
            remember(object);
        }
    }
    void relationshipLinked(ManagedObject& object, const RelationshipDescription& r,
                            ManagedObject&) override {
        if (r.name == "album") {
            remember(object);
        }
    }
    void relationshipUnlinked(ManagedObject& object, const RelationshipDescription& r,
                              ManagedObject& target) override {
        if (r.name == "album") {
            byAlbum[target.objectID()].erase(
                byAlbum[target.objectID()].find(static_cast<Track&>(object).title()));
        }
    }

    static std::map<ObjectID, std::multiset<std::string>> fromGraph(ObjectContext& ctx) {
        std::map<ObjectID, std::multiset<std::string>> index;
        for (Album* album : Album::allInContext(ctx)) {
            for (Track* t : album->tracks()) {
                index[album->objectID()].insert(t->title());
            }
        }
        return index;
    }
    std::map<ObjectID, std::multiset<std::string>> nonEmpty() const {
        std::map<ObjectID, std::multiset<std::string>> out;
        for (const auto& [id, titles] : byAlbum) {
            if (!titles.empty()) {
                out[id] = titles;
            }
        }
        return out;
    }

private:
    void forget(ManagedObject& object) {
        Track& t = static_cast<Track&>(object);
        if (t.album()) {
            auto& titles = byAlbum[t.album()->objectID()];
            titles.erase(titles.find(t.title()));
        }
    }
    void remember(ManagedObject& object) {
        Track& t = static_cast<Track&>(object);
        if (t.album()) {
            byAlbum[t.album()->objectID()].insert(t.title());
        }
    }
};

TEST(ContextObserver, SeesEveryChangeIncludingUndoRedoAndLoading) {
    ObjectContext ctx(testModel());
    auto store = std::make_unique<InMemoryStore>();
    InMemoryStore* memory = store.get();
    ctx.setPersistentStore(std::move(store));
    TitleIndex index;
    ctx.addObserver(&index);
    const auto check = [&](const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(index.nonEmpty(), TitleIndex::fromGraph(ctx));
    };

    Album* a = ctx.insert<Album>();
    Album* b = ctx.insert<Album>();
    Track* t1 = ctx.insert<Track>();
    Track* t2 = ctx.insert<Track>();
    t1->setAlbum(a);
    b->addTracksObject(t2);
    check("linked");
    {
        UndoGrouping group(ctx.undoManager());
        t1->setTitle("one");
        a->addTracksObject(t2);
        ctx.deleteObject(*a);
    }
    check("deleted with cascade");
    ctx.undo();
    check("undone");
    ctx.redo();
    check("redone");
    ctx.undo();
    ASSERT_FALSE((b->setName("b"), a->setName("a"), ctx.save()));

    ObjectContext loaded(testModel());
    TitleIndex loadedIndex;
    loaded.addObserver(&loadedIndex);
    ASSERT_FALSE(memory->load(loaded));
    EXPECT_EQ(loadedIndex.nonEmpty(), TitleIndex::fromGraph(loaded));
    EXPECT_EQ(loadedIndex.nonEmpty(), index.nonEmpty());
    ctx.removeObserver(&index);
}

}  // namespace
