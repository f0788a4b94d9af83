#include <gtest/gtest.h>

#include <sys/stat.h>

#include "SessionTestFolder.h"
#include "TestEntities.h"
#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "session/StoreSession.h"
#include "store/GraphDump.h"
#include "store/StoreFile.h"
#include "store/XMLStore.h"

namespace {

// The session over a private data folder. The SQLite kind is stood in by an XML store on
// "<path>.xml", so these tests exercise the session's choices of file, mode and flow (the
// real SQLite files are opened in StartSequenceTest).
class StoreSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        setLogSink([this](std::string_view line) { log.emplace_back(line); });
    }
    void TearDown() override { setLogSink(nullptr); }

    StoreSession::Options options() {
        StoreSession::Options o;
        o.dataFolder = folder;
        o.sampleResource = resource;
        o.makeStore = [](StoreKind kind, const std::string& path) {
            return std::make_unique<XMLStore>(kind == StoreKind::XML ? path : path + ".xml",
                                              testModel());
        };
        o.presentError = [this](const ValidationError& e) { presented.push_back(e); };
        o.commitEditing = [this] { return commits; };
        return o;
    }

    // Writes a sample resource holding one album named `name`.
    void makeResource(const std::string& name) {
        ObjectContext ctx(testModel());
        ctx.setPersistentStore(std::make_unique<XMLStore>(resource, testModel()));
        ctx.insert<Album>()->setName(name);
        ASSERT_FALSE(ctx.save());
    }

    std::string file(const char* name) const { return folder + "/" + name; }

    SessionTestFolder base;
    std::string folder = base.file("Pennora");
    std::string resource = base.file("SampleDatabase.xml");
    std::vector<std::string> log;
    std::vector<ValidationError> presented;
    bool commits = true;
};

unsigned modeOf(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST_F(StoreSessionTest, SampleModeOpensAFreshCopyOfTheResource) {
    makeResource("Sample");
    StoreSession session(testModel(), options());
    session.setSampleMode(true);
    session.context().insert<Album>()->setName("Added");
    EXPECT_TRUE(session.save());
    EXPECT_EQ(session.storePath(), file(StoreSession::kSampleDatabaseName));
    EXPECT_EQ(modeOf(session.storePath()), 0600u);

    // The next start in sample mode begins again from the shipped content.
    session.reset();
    std::vector<Album*> albums = Album::allInContext(session.context());
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums.front()->name(), "Sample");
}

TEST_F(StoreSessionTest, SaveErrorLogsDescriptionAndEachDetail) {
    StoreSession session(testModel(), options());
    ObjectContext& ctx = session.context();
    ctx.insert<Album>()->setName("");                          // blank name
    ctx.insert<Track>()->setPrice(Decimal::fromString("-1"));  // negative price
    EXPECT_FALSE(session.save());
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "Failed to save to data store: " + presented[0].localizedDescription,
                       "DetailedError: {}", "DetailedError: {}"}));
    EXPECT_TRUE(ctx.hasChanges());

    log.clear();
    session.outputSaveError(ValidationError{"D", 5, "Disk full", {}, {{"path", "/x"}}});
    EXPECT_EQ(log, (std::vector<std::string>{"Failed to save to data store: Disk full",
                                             "  { path = /x }"}));
}

TEST_F(StoreSessionTest, TerminationDecision) {
    StoreSession none(testModel(), options());
    EXPECT_EQ(none.applicationShouldTerminate(), TerminateReply::Now);

    StoreSession session(testModel(), options());
    ObjectContext& ctx = session.context();
    EXPECT_EQ(session.applicationShouldTerminate(), TerminateReply::Now);  // no changes

    Album* album = ctx.insert<Album>();
    album->setName("A");
    commits = false;
    EXPECT_EQ(session.applicationShouldTerminate(), TerminateReply::Cancel);
    EXPECT_TRUE(ctx.hasChanges());
    commits = true;

    album->setName("");
    EXPECT_EQ(session.applicationShouldTerminate(), TerminateReply::Cancel);  // save fails
    EXPECT_FALSE(log.empty());
    album->setName("B");
    EXPECT_EQ(session.applicationShouldTerminate(), TerminateReply::Now);  // save ok
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(StoreSessionTest, SaveRequiresContextAndCommittedEdits) {
    StoreSession session(testModel(), options());
    EXPECT_THROW((void)session.save(), AssertionFailure);
    session.context();
    commits = false;
    EXPECT_THROW((void)session.save(), AssertionFailure);
}

TEST_F(StoreSessionTest, SaveAsMovesSavedStateAndPendingChangesToNewFile) {
    StoreSession session(testModel(), options());
    ObjectContext& ctx = session.context();
    ctx.insert<Album>()->setName("Saved");
    ASSERT_TRUE(session.save());
    const std::string before = *StoreFile::readWhole(file(StoreSession::kDatabaseName) + ".xml");
    ctx.insert<Album>()->setName("Pending");

    session.saveAs();
    EXPECT_EQ(session.storePath(), file(StoreSession::kSaveAsName));
    EXPECT_EQ(modeOf(file(StoreSession::kSaveAsName) + ".xml"), 0600u);
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(StoreFile::readWhole(file(StoreSession::kDatabaseName) + ".xml"), before);

    ObjectContext reread(testModel());
    XMLStore copy(file(StoreSession::kSaveAsName) + ".xml", testModel());
    ASSERT_FALSE(copy.load(reread));
    EXPECT_EQ(dumpObjectGraph(reread), dumpObjectGraph(ctx));
}

}  // namespace
