#include <gtest/gtest.h>

#include <algorithm>

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
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "store/StoreFile.h"

namespace {

TEST(SampleDatabase, TheShippedFileIsWhatTheGeneratorWrites) {
    SessionTestFolder folder;
    const std::string written = folder.file("SampleDatabase.xml");
    ASSERT_EQ(SampleHousehold::write(written, CurrenciesFile::defaultPath()), std::nullopt);
    EXPECT_TRUE(StoreFile::readWhole(written) ==
                StoreFile::readWhole(FileStores::sampleResourcePath()))
        << "resources/SampleDatabase.xml is out of date: build the target sample-database";
}

// The sample as the desktop opens it: a fresh copy, dates moved to the present, nothing to
// migrate, and the household the welcome window promises.
TEST(SampleDatabase, OpensInSampleModeAsACurrentHousehold) {
    SessionTestFolder folder;
    Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
    UserLocale::set("de_DE");
    setLogSink([](std::string_view) {});
    std::vector<ValidationError> presented;
    StoreSession::Options options = FileStores::sessionOptions();
    options.dataFolder = folder.file("Pennora");
    options.presentError = [&](const ValidationError& e) { presented.push_back(e); };
    StoreSession session(ApplicationModel::shared(), std::move(options));
    session.setSampleMode(true);
    const StartSequence::Outcome outcome = StartSequence(session).run();
    ObjectContext& context = session.context();
    setLogSink(nullptr);
    UserLocale::reset();
    Clock::reset();

    EXPECT_TRUE(presented.empty());
    EXPECT_FALSE(outcome.homeCurrencyAlert);
    EXPECT_EQ(Global::sharedInstanceInContext(context)->homeCurrency(), "USD");
    EXPECT_EQ(Transaction::dateOfLatestTransactionInContext(context).month_PN(), 3);
    ASSERT_EQ(Budget::countInContext(context), 1u);
    EXPECT_EQ(Budget::allInContext(context).front()->name(), "2026 Budget");
    std::vector<ScheduledItem*> items = ScheduledItem::allInContext(context);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(std::min_element(items.begin(), items.end(),
                               [](auto* a, auto* b) { return a->nextDueDate() < b->nextDueDate(); })
                  [0]->nextDueDate(),
              Date::dateWithYear_PN(2026, 3, 15));
    EXPECT_FALSE(context.hasChanges());

    const std::vector<Account*> accounts = Account::allInContext(context);
    EXPECT_EQ(accounts.size(), 5u);
    EXPECT_EQ(std::count_if(accounts.begin(), accounts.end(), [](auto* a) { return a->isForeign(); }),
              1);
    EXPECT_GE(CategoryGroup::countInContext(context), 4u);
    std::vector<Transaction*> all = Transaction::allInContext(context);
    const auto count = [&](auto predicate) { return std::count_if(all.begin(), all.end(), predicate); };
    EXPECT_GT(count([](Transaction* t) { return t->isImported(); }), 0);
    EXPECT_GT(count([](Transaction* t) { return t->isMatched(); }), 0);
    EXPECT_GT(count([](Transaction* t) { return t->splits().size() > 1; }), 0);
    EXPECT_GT(count([](Transaction* t) { return t->isPending(); }), 0);
    EXPECT_EQ(count([](Transaction* t) { return t->isGenerated(); }), 0);
}

}  // namespace
