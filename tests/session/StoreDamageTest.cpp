// Stores whose file is damaged, SQLite and XML alike: opened as the program opens them and
// brought through the start sequence, each must be reported as "could not be read" with what
// is damaged, and its file must stay byte for byte as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

#include "SessionTestFolder.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"
#include "store/StoreRows.h"
#include "store/XMLStore.h"

namespace {

// The objects of a small sound ledger, for the damage to work on.
struct Ledger {
    Global* global = nullptr;
    Node* root = nullptr;
    Account* checking = nullptr;
    Account* savings = nullptr;
    Transaction* rent = nullptr;
    Currency* euro = nullptr;
};

struct Damage {
    const char* name;
    std::function<void(ObjectContext&, Ledger&)> apply;
    // What the error names, given the ledger's objects.
    std::function<std::string(const Ledger&)> reason;
};

std::string value(const char* property, const ManagedObject& object) {
    return "the value of " + std::string(property) + " of " + object.entity().name() + " " +
           std::to_string(object.objectID()) + " is damaged";
}

const Date kDay = Date::dateWithYear_PN(2026, 3, 2);

const Damage kDamages[] = {
    {"no settings record", [](ObjectContext& c, Ledger& l) { c.deleteObject(*l.global); },
     [](const Ledger&) {
         return std::string("it holds accounts or transactions but no settings record");
     }},
    {"two settings records", [](ObjectContext& c, Ledger&) { c.insert<Global>(); },
     [](const Ledger&) { return std::string("it holds more than one settings record"); }},
    {"two account roots",
     [](ObjectContext& c, Ledger&) {
         c.insert<Node>()->setIdentifier(std::string(AccountsRoot::kIdentifier));
     },
     [](const Ledger&) { return std::string("it holds more than one root of the account tree"); }},
    {"projection of two thousand million months",
     [](ObjectContext&, Ledger& l) {
         l.global->setProjectedMonths(2'000'000'000);
         l.global->setProjectionEndDate(kDay);
     },
     [](const Ledger& l) { return value("projectedMonths", *l.global); }},
    {"projection without its end",
     [](ObjectContext&, Ledger& l) { l.global->setProjectedMonths(3); },
     [](const Ledger& l) { return value("projectionEndDate", *l.global); }},
    {"unset projection months (shown) without an end",
     [](ObjectContext&, Ledger& l) { l.global->setProjectedMonths(std::nullopt); },
     [](const Ledger& l) { return value("projectionEndDate", *l.global); }},
    {"an account its own parent",
     [](ObjectContext&, Ledger& l) { l.checking->setParent(l.checking); },
     [](const Ledger& l) { return value("parent", *l.checking); }},
    {"a cycle of parents",
     [](ObjectContext&, Ledger& l) {
         l.checking->setParent(l.savings);
         l.savings->setParent(l.checking);
     },
     [](const Ledger& l) { return value("parent", *l.checking); }},
    {"next sort ID at the top of its range",
     [](ObjectContext&, Ledger& l) {
         l.global->setNextSortID(std::numeric_limits<std::int64_t>::max());
     },
     [](const Ledger& l) { return value("nextSortID", *l.global); }},
    {"next sort ID taken",
     [](ObjectContext&, Ledger& l) { l.global->setNextSortID(l.rent->sortID()); },
     [](const Ledger& l) { return value("nextSortID", *l.global); }},
    {"unknown account type",
     [](ObjectContext&, Ledger& l) { l.savings->setType(std::string("piggy bank")); },
     [](const Ledger& l) { return value("type", *l.savings); }},
    {"a date after the year 9999",
     [](ObjectContext&, Ledger& l) { l.rent->setDate(Date::dateWithYear_PN(10000, 1, 1)); },
     [](const Ledger& l) { return value("date", *l.rent); }},
    {"a date before the year 1",
     [](ObjectContext&, Ledger& l) {
         l.checking->setStartBalanceDate(Date::dateWithYear_PN(0, 12, 31));
     },
     [](const Ledger& l) { return value("startBalanceDate", *l.checking); }},
    {"a transaction without an account",
     [](ObjectContext&, Ledger& l) { l.rent->setAccount(nullptr); },
     [](const Ledger& l) { return value("account", *l.rent); }},
    {"a home currency the currencies file does not list",
     [](ObjectContext&, Ledger& l) { l.global->setHomeCurrency("XYZ"); },
     [](const Ledger& l) { return value("homeCurrency", *l.global); }},
    {"an amount of 34 digits",
     [](ObjectContext& c, Ledger& l) {
         // Past the setter, which would fail to round it.
         c.setAttributeValue(*l.rent, *l.rent->entity().attributeNamed("amount"),
                             Decimal::fromString("1e33"));
     },
     [](const Ledger& l) { return value("amount", *l.rent); }},
    {"a split of sixteen whole digits",
     [](ObjectContext&, Ledger& l) {
         l.rent->splits().toVector().front()->setAmount(Decimal::fromString("-1e15"));
     },
     [](const Ledger& l) { return value("amount", *l.rent->splits().toVector().front()); }},
    {"an exchange rate of zero", [](ObjectContext&, Ledger& l) { l.euro->setRate(Decimal()); },
     [](const Ledger& l) { return value("rate", *l.euro); }},
};

class StoreDamageTest : public ::testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override {
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        UserLocale::set("en_US");
        setLogSink([](std::string_view) {});
    }
    void TearDown() override {
        setLogSink(nullptr);
        UserLocale::reset();
        Clock::reset();
    }

    // A sound ledger, as the program makes one.
    static Ledger build(ObjectContext& ctx) {
        Ledger l;
        l.global = Global::sharedInstanceInContext(ctx);
        l.root = &AccountsRoot::setup(ctx);
        l.euro = ctx.insert<Currency>();
        l.euro->setCode("EUR");
        l.euro->setName("Euro");
        l.euro->setRate(Decimal::fromString("0.9"));
        l.checking = ctx.insert<Account>();
        l.checking->setName("Checking");
        l.checking->setType(std::string(kAccountTypeChecking));
        l.checking->moveTo(l.root, 0);
        l.savings = ctx.insert<Account>();
        l.savings->setName("Savings");
        l.savings->moveTo(l.root, 1);
        l.rent = l.checking->createTransactionWithDate(kDay, std::string("Rent"), Decimal(-900),
                                                       nullptr, std::nullopt, std::nullopt);
        return l;
    }

    // Writes the graph as it is, without validation, to a store file of the test's kind.
    std::string write(ObjectContext& ctx) {
        const std::string path =
            folder.file(GetParam() == StoreKind::XML ? "Damaged.xml" : "Damaged.pennorasql");
        for (const char* suffix : {"", "-wal", "-shm"}) {
            std::filesystem::remove(path + suffix);
        }
        std::unique_ptr<PersistentStore> store;
        if (GetParam() == StoreKind::XML) {
            store = std::make_unique<XMLStore>(path, ApplicationModel::shared());
        } else {
            store = std::move(std::get<0>(SQLiteStore::open(path, ApplicationModel::shared())));
        }
        EXPECT_FALSE(store->save(wholeGraphAsInsertions(ctx)));
        return path;
    }

    // Opens `path` as the program would (the sample store is opened from a copy) and, with
    // `startSequence`, runs the start sequence. Answers the file that was opened.
    std::string open(const std::string& path, bool startSequence) {
        StoreSession::Options options = FileStores::sessionOptions();
        options.dataFolder = folder.file("Pennora");
        options.presentError = [this](const ValidationError& e) { presented.push_back(e); };
        if (GetParam() == StoreKind::XML) {
            options.sampleResource = path;
        } else {
            options.databasePath = path;
        }
        session = std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(options));
        session->setSampleMode(GetParam() == StoreKind::XML);
        if (startSequence) {
            (void)StartSequence(*session).run();
        } else {
            (void)session->context();
        }
        return session->storePath();
    }

    SessionTestFolder folder;
    std::unique_ptr<StoreSession> session;
    std::vector<ValidationError> presented;
};

TEST_P(StoreDamageTest, ASoundStoreOpens) {
    ObjectContext ctx(ApplicationModel::shared());
    Ledger ledger = build(ctx);
    ledger.global->setProjectedMonths(2);
    ledger.global->setProjectionEndDate(Date::dateWithYear_PN(2026, 4, 30));
    open(write(ctx), false);
    EXPECT_FALSE(session->openError()) << session->openError()->localizedDescription;
    EXPECT_EQ(Account::countInContext(session->context()), 2u);
}

TEST_P(StoreDamageTest, DamageIsReportedAndTheFileIsNeverWritten) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        session.reset();
        presented.clear();
        ObjectContext ctx(ApplicationModel::shared());
        Ledger ledger = build(ctx);
        damage.apply(ctx, ledger);
        const std::string written = write(ctx);
        const std::optional<std::string> before = StoreFile::readWhole(written);
        const std::string path = open(written, true);

        ASSERT_EQ(presented.size(), 1u);
        EXPECT_EQ(presented[0].localizedDescription,
                  "The store file \"" + path + "\" could not be read: " + damage.reason(ledger));
        EXPECT_FALSE(session->save()) << "a damaged store took a save";
        session.reset();
        EXPECT_EQ(StoreFile::readWhole(path), before);
    }
}

std::string storeKindName(const ::testing::TestParamInfo<StoreKind>& kind) {
    return kind.param == StoreKind::XML ? "XML" : "SQLite";
}

INSTANTIATE_TEST_SUITE_P(BothStores, StoreDamageTest,
                         ::testing::Values(StoreKind::SQLite, StoreKind::XML), storeKindName);

}  // namespace
