#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "TestEntities.h"
#include "store/GraphDump.h"
#include "store/ObjectContext.h"
#include "store/StoreFile.h"
#include "store/XMLStore.h"

namespace {

class XMLStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("pennora-xml-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        path = (folder / "Store.xml").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // A context over the XML store at `path`, loaded from it.
    std::unique_ptr<ObjectContext> open(std::optional<ValidationError>* error = nullptr) {
        auto context = std::make_unique<ObjectContext>(testModel());
        auto store = std::make_unique<XMLStore>(path, testModel());
        std::optional<ValidationError> result = store->load(*context);
        if (error) {
            *error = result;
        } else {
            EXPECT_FALSE(result) << result->localizedDescription;
        }
        context->setPersistentStore(std::move(store));
        return context;
    }

    void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

    std::filesystem::path folder;
    std::string path;
};

// Every attribute kind, set and unset, awkward text, an archived list, to-one, to-many and
// sub-entities.
void fillGraph(ObjectContext& ctx) {
    Album* album = ctx.insert<Album>();
    album->setName("Blue \"&\" <Green>\n\ttab");
    Track* a = ctx.insert<Track>();
    a->setAlbum(album);
    a->setPrice(Decimal::fromString("0.0050"));
    a->setReleased(Date::dateWithYear_PN(1999, 12, 31));
    a->setExplicit(true);
    a->setRating(0);
    a->setNote(std::string());
    a->setBeats({Beat{2, "0"}, Beat{-7, " spaced "}});
    Track* b = ctx.insert<Track>();
    b->setAlbum(album);
    b->setTitle("");
    b->setNumber(-9'000'000'000'000);
    album->setSingle(b);
    Genre* genre = ctx.insert<Genre>();
    genre->setDecade(1970);
    album->addLabelsObject(genre);
    Mood* mood = ctx.insert<Mood>();
    mood->setCalm(true);
    album->addLabelsObject(mood);
}

TEST_F(XMLStoreTest, RoundTripKeepsEveryAttributeAndLink) {
    auto ctx = open();
    fillGraph(*ctx);
    ASSERT_FALSE(ctx->save());
    std::string saved = dumpObjectGraph(*ctx);
    EXPECT_EQ(dumpObjectGraph(*open()), saved);

    // Later saves (update, delete) are seen by the next load too.
    Track* first = Track::allInContext(*ctx).front();
    first->setRating(std::nullopt);
    first->setBeats({});
    ctx->deleteObject(*Mood::allInContext(*ctx).front());
    ASSERT_FALSE(ctx->save());
    EXPECT_EQ(dumpObjectGraph(*open()), dumpObjectGraph(*ctx));
    EXPECT_NE(dumpObjectGraph(*ctx), saved);
}

TEST_F(XMLStoreTest, MissingFileIsEmptyStoreAndSavedFileIsPrivate) {
    auto ctx = open();
    EXPECT_EQ(Album::countInContext(*ctx), 0u);
    ctx->insert<Album>()->setName("A");
    ASSERT_FALSE(ctx->save());
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(XMLStoreTest, FailedWriteReportsErrorAndKeepsChanges) {
    path = (folder / "missing-folder" / "Store.xml").string();
    auto ctx = open();
    ctx->insert<Album>()->setName("A");
    std::optional<ValidationError> error = ctx->save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, kPersistentStoreSaveErrorCode);
    EXPECT_TRUE(ctx->hasChanges());
}

TEST_F(XMLStoreTest, UnreadableFilesAreReportedAndLeftUntouched) {
    const std::string head =
        "<pennora-store modelVersion=\"" + std::to_string(testModel().version()) + "\">";
    const std::string album =
        "<object entity=\"Album\" id=\"1\"><attribute name=\"name\" "
        "value=\"A\"/></object>";
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"garbage", std::string("\x00\xff\x13garbage", 10)},
        {"truncated", head + album.substr(0, 30)},
        {"sqlite header", std::string("SQLite format 3\0", 16) + "xxxx"},
        {"other root", "<plist version=\"1.0\"/>"},
        {"other version", "<pennora-store modelVersion=\"999\"/>"},
        {"unknown entity", head + "<object entity=\"Nope\" id=\"1\"/></pennora-store>"},
        {"repeated id", head + album + album + "</pennora-store>"},
        {"zero id", head + "<object entity=\"Album\" id=\"0\"/></pennora-store>"},
        {"missing required", head + "<object entity=\"Album\" id=\"1\"/></pennora-store>"},
        {"bad decimal", head + "<object entity=\"Track\" id=\"1\"><attribute name=\"price\" "
                               "value=\"1,5\"/></object></pennora-store>"},
        {"unknown attribute", head + "<object entity=\"Album\" id=\"1\"><attribute "
                                     "name=\"x\" value=\"1\"/></object></pennora-store>"},
        {"dangling link", head + "<object entity=\"Album\" id=\"1\"><attribute name=\"name\" "
                                 "value=\"A\"/><relationship name=\"tracks\" ids=\"7\"/>"
                                 "</object></pennora-store>"},
        {"link to wrong entity", head + album.substr(0, album.size() - 9) +
                                     "<relationship name=\"labels\" ids=\"1\"/></object>"
                                     "</pennora-store>"},
        {"bad ids", head + album.substr(0, album.size() - 9) +
                        "<relationship name=\"labels\" ids=\"1x\"/></object></pennora-store>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.bytes);
        std::optional<ValidationError> error;
        std::unique_ptr<ObjectContext> ctx = open(&error);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->code, kPersistentStoreOpenErrorCode);
        // Even a save on the store that failed to load leaves the file alone.
        ObjectContext other(testModel());
        other.insert<Album>()->setName("B");
        EXPECT_TRUE(ctx->persistentStore()->save(other.changes()));
        EXPECT_EQ(StoreFile::readWhole(path), c.bytes);
    }
}

}  // namespace
