#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "SampleHousehold.h"
#include "SessionTestFolder.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/DefaultCategories.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "store/GraphDump.h"
#include "store/StoreFile.h"

namespace {

// The start sequence over real SQLite stores in a private data folder, with the shipped
// currencies file.
class StartSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        setLogSink([](std::string_view) {});
    }
    void TearDown() override {
        setLogSink(nullptr);
        UserLocale::reset();
        Clock::reset();
    }

    std::unique_ptr<StoreSession> makeSession() {
        StoreSession::Options options = FileStores::sessionOptions();
        options.dataFolder = folder.file("Pennora");
        options.presentError = [this](const ValidationError& e) { presented.push_back(e); };
        return std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(options));
    }
    // A fresh session on the data folder's store, started under `locale`.
    StartSequence::Outcome start(const std::string& locale) {
        UserLocale::set(locale);
        session = makeSession();
        return StartSequence(*session).run();
    }
    Global& global() { return *Global::sharedInstanceInContext(session->context()); }
    std::string databaseFile() const {
        return folder.file("Pennora/" + std::string(StoreSession::kDatabaseName));
    }
    // A store set up under `locale`, then stamped with the application-level `version`.
    void makeVersion(const std::string& locale, std::int64_t version) {
        start(locale);
        global().setInternalVersion(version);
        ASSERT_TRUE(session->save());
    }

    SessionTestFolder folder;
    std::unique_ptr<StoreSession> session;
    std::vector<ValidationError> presented;
};

TEST_F(StartSequenceTest, NewStoreGetsTheLocalesHomeCurrencyTheDefaultCategoriesAndVersionOne) {
    struct Case {
        const char* locale;
        const char* home;
    };
    // "en" names no country and so no currency: the new store keeps its "USD".
    const Case cases[] = {{"de_DE", "EUR"}, {"ja_JP", "JPY"}, {"en_US", "USD"}, {"en", "USD"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        std::filesystem::remove_all(folder.file("Pennora"));
        const StartSequence::Outcome outcome = start(c.locale);
        EXPECT_FALSE(outcome.homeCurrencyAlert);
        ASSERT_NE(outcome.accountsRoot, nullptr);
        EXPECT_EQ(outcome.accountsRoot->identifier(), std::optional<std::string>("accounts"));
        EXPECT_EQ(global().homeCurrency(), c.home);
        EXPECT_EQ(global().internalVersion(), std::optional<std::int64_t>(1));
        std::set<std::string> names;
        for (Category* category : Category::allInContext(session->context())) {
            names.insert(category->name());
        }
        EXPECT_EQ(names, std::set<std::string>(DefaultCategories::kNames.begin(),
                                               DefaultCategories::kNames.end()));
        EXPECT_FALSE(session->context().hasChanges());
        EXPECT_FALSE(session->context().undoManager().canUndo());

        // A second start changes nothing, even under another locale: the locale rule is only
        // for new and older stores.
        const std::string graph = dumpObjectGraph(session->context());
        session.reset();  // closed, so that the file holds everything
        const std::optional<std::string> bytes = StoreFile::readWhole(databaseFile());
        EXPECT_FALSE(start("en_GB").homeCurrencyAlert);
        EXPECT_EQ(dumpObjectGraph(session->context()), graph);
        EXPECT_FALSE(session->context().hasChanges());
        session.reset();
        EXPECT_EQ(StoreFile::readWhole(databaseFile()), bytes);
    }
    EXPECT_TRUE(presented.empty());
    std::filesystem::perms mode = std::filesystem::status(databaseFile()).permissions();
    EXPECT_EQ(mode & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(StartSequenceTest, VersionZeroFollowsTheLocaleAndNamesBothCodesWhenTheHomeChanges) {
    struct Case {
        const char* storedUnder;
        std::int64_t version;
        const char* locale;
        const char* expectedHome;
        const char* alert;  // nullptr: none
    };
    const Case cases[] = {
        {"en_US", 0, "de_DE", "EUR", "Your home currency has been changed from USD to EUR."},
        {"de_DE", 0, "en_US", "USD", "Your home currency has been changed from EUR to USD."},
        {"de_DE", 0, "de_AT", "EUR", nullptr},
        {"ja_JP", 0, "en", "JPY", nullptr},     // the locale names no currency
        {"en_US", 2, "de_DE", "USD", nullptr},  // a later version is left as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.storedUnder) + " store under " + c.locale);
        std::filesystem::remove_all(folder.file("Pennora"));
        makeVersion(c.storedUnder, c.version);
        const std::size_t categories = Category::countInContext(session->context());

        const StartSequence::Outcome outcome = start(c.locale);
        EXPECT_EQ(global().homeCurrency(), c.expectedHome);
        if (c.alert) {
            ASSERT_TRUE(outcome.homeCurrencyAlert);
            EXPECT_EQ(outcome.homeCurrencyAlert->message, c.alert);
            EXPECT_EQ(outcome.homeCurrencyAlert->informativeText,
                      CurrencyUpdater::kHomeCurrencyChangedInformativeText);
        } else {
            EXPECT_FALSE(outcome.homeCurrencyAlert);
        }
        EXPECT_EQ(global().internalVersion(),
                  std::optional<std::int64_t>(std::max<std::int64_t>(c.version, 1)));
        // An older store is not set up again.
        EXPECT_EQ(Category::countInContext(session->context()), categories);
        EXPECT_FALSE(session->context().hasChanges());
    }
}

TEST_F(StartSequenceTest, AStoreThatCannotBeOpenedIsReportedOnceAndLeftAlone) {
    std::filesystem::create_directory(folder.file("Pennora"));
    const std::string garbage = "SQLite format 3, or so it claims";
    std::ofstream(databaseFile()) << garbage;
    const StartSequence::Outcome outcome = start("de_DE");
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_NE(presented[0].localizedDescription.find("could not be read"), std::string::npos)
        << presented[0].localizedDescription;
    // The window still gets a tree to show; what the user adds cannot be saved over the file.
    EXPECT_NE(outcome.accountsRoot, nullptr);
    EXPECT_EQ(Category::countInContext(session->context()), 0u);
    EXPECT_FALSE(session->save());
    EXPECT_EQ(presented.size(), 2u);
    EXPECT_TRUE(session->context().hasChanges());
    session.reset();
    EXPECT_EQ(StoreFile::readWhole(databaseFile()), garbage);
}

TEST_F(StartSequenceTest, AGivenStoreFileIsUsedWithoutMakingTheDataFolder) {
    UserLocale::set("en_US");
    StoreSession::Options options = FileStores::sessionOptions();
    options.dataFolder = folder.file("Pennora");
    options.databasePath = folder.file("Elsewhere.pennorasql");
    StoreSession given(ApplicationModel::shared(), std::move(options));
    (void)StartSequence(given).run();
    EXPECT_EQ(given.storePath(), folder.file("Elsewhere.pennorasql"));
    EXPECT_TRUE(std::filesystem::exists(folder.file("Elsewhere.pennorasql")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Pennora")));
}

TEST_F(StartSequenceTest, TheShippedSampleIsWhatTheGeneratorWrites) {
    const std::string written = folder.file("SampleDatabase.xml");
    ASSERT_EQ(SampleHousehold::write(written, CurrenciesFile::defaultPath()), std::nullopt);
    EXPECT_TRUE(StoreFile::readWhole(written) ==
                StoreFile::readWhole(FileStores::sampleResourcePath()))
        << "resources/SampleDatabase.xml is out of date: build the target sample-database";
}

// The sample as the desktop opens it: a fresh copy, dates moved to the present, nothing to
// migrate, the household the welcome window promises. Save As continues on an SQLite copy
// that the next start opens like any store.
TEST_F(StartSequenceTest, SampleModeOpensACurrentHouseholdAndSaveAsContinuesOnSQLite) {
    UserLocale::set("de_DE");
    session = makeSession();
    session->setSampleMode(true);
    const StartSequence::Outcome outcome = StartSequence(*session).run();
    ObjectContext& context = session->context();
    EXPECT_TRUE(presented.empty());
    EXPECT_FALSE(outcome.homeCurrencyAlert);
    EXPECT_EQ(global().homeCurrency(), "USD");
    EXPECT_EQ(Transaction::dateOfLatestTransactionInContext(context).month_PN(), 3);
    ASSERT_EQ(Budget::countInContext(context), 1u);
    EXPECT_EQ(Budget::allInContext(context).front()->name(), "2026 Budget");
    std::vector<ScheduledItem*> items = ScheduledItem::allInContext(context);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(
        (*std::min_element(items.begin(), items.end(),
                           [](auto* a, auto* b) { return a->nextDueDate() < b->nextDueDate(); }))
            ->nextDueDate(),
        Date::dateWithYear_PN(2026, 3, 15));
    EXPECT_FALSE(context.hasChanges());
    const std::vector<Account*> accounts = Account::allInContext(context);
    EXPECT_EQ(accounts.size(), 5u);
    EXPECT_EQ(
        std::count_if(accounts.begin(), accounts.end(), [](auto* a) { return a->isForeign(); }), 1);
    EXPECT_GE(CategoryGroup::countInContext(context), 4u);
    std::vector<Transaction*> all = Transaction::allInContext(context);
    const auto count = [&](auto predicate) {
        return std::count_if(all.begin(), all.end(), predicate);
    };
    EXPECT_GT(count([](Transaction* t) { return t->isImported(); }), 0);
    EXPECT_GT(count([](Transaction* t) { return t->isMatched(); }), 0);
    EXPECT_GT(count([](Transaction* t) { return t->splits().size() > 1; }), 0);
    EXPECT_GT(count([](Transaction* t) { return t->isPending(); }), 0);
    EXPECT_EQ(count([](Transaction* t) { return t->isGenerated(); }), 0);

    session->saveAs();
    const std::string copy = folder.file("Pennora/" + std::string(StoreSession::kSaveAsName));
    EXPECT_EQ(session->storePath(), copy);
    global().setProjectedMonths(3);
    ASSERT_TRUE(session->save());
    session.reset();
    StoreSession::Options options = FileStores::sessionOptions();
    options.databasePath = copy;
    StoreSession reopened(ApplicationModel::shared(), std::move(options));
    EXPECT_NE(StartSequence(reopened).run().accountsRoot, nullptr);
    EXPECT_FALSE(reopened.openError());
    EXPECT_EQ(Transaction::countInContext(reopened.context()), all.size());
    EXPECT_EQ(Global::sharedInstanceInContext(reopened.context())->projectedMonths(),
              std::optional<std::int64_t>(3));
    EXPECT_FALSE(reopened.context().hasChanges());
}

}  // namespace
