#include <gtest/gtest.h>

#include <sqlite3.h>

#include <unistd.h>
#include <filesystem>
#include <sstream>

#include "TestApplicationModel.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/migration/LedgerModel0.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"
#include "store/XMLStore.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    return StoreFile::readWhole(path.string()).value_or("");
}

// Writes a version-0 store the way the version-0 program did: through its own model.
// Root, a group "Banks" (second in the sidebar) holding "Checking" in euros, a cash
// "Wallet" (first), three transactions, one of them split over two categories.
class OldStoreWriter final {
public:
    OldStoreWriter() : m_context(LedgerModel0::model()) {}

    void build() {
        ManagedObject& root = make(LedgerModel0::node());
        set(root, "identifier", std::string("accounts"));
        ManagedObject& banks = make(LedgerModel0::accountGroup());
        set(banks, "name", std::string("Banks"));
        link(banks, "parent", root);
        position(LedgerModel0::accountGroupIndex(), "group", banks, 1);
        ManagedObject& euro = make(LedgerModel0::currency());
        set(euro, "code", std::string("EUR"));
        set(euro, "name", std::string("Euro"));
        set(euro, "rate", Decimal::fromString("1.08"));
        ManagedObject& wallet = account("Wallet", true, root, 0, "20.00");
        ManagedObject& checking = account("Checking", false, banks, 0, "1500.50");
        link(checking, "currency", euro);
        ManagedObject& food = make(LedgerModel0::categoryGroup());
        set(food, "name", std::string("Food"));
        ManagedObject& groceries = category("Groceries", food);
        ManagedObject& dining = category("Dining", food);
        transaction(wallet, 3, "Coffee", "-3.50", {{"-3.50", &dining}});
        transaction(checking, 5, "Market", "-80.00", {{"-60.00", &groceries}, {"-20.00", &dining}});
        transaction(checking, 9, "Salary", "2500.00", {});
        ManagedObject& global = make(LedgerModel0::global());
        set(global, "homeCurrency", std::string("USD"));
        set(global, "nextSortID", std::int64_t{4});
    }

    ObjectContext& context() { return m_context; }

    void saveSQLite(const fs::path& path) {
        auto opened = SQLiteStore::open(path.string(), LedgerModel0::model());
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<SQLiteStore>>(opened));
        m_context.setPersistentStore(std::get<std::unique_ptr<SQLiteStore>>(std::move(opened)));
        ASSERT_FALSE(m_context.save());
        m_context.setPersistentStore(nullptr);
    }

    void saveXML(const fs::path& path) {
        m_context.setPersistentStore(
            std::make_unique<XMLStore>(path.string(), LedgerModel0::model()));
        ASSERT_FALSE(m_context.save());
        m_context.setPersistentStore(nullptr);
    }

private:
    ManagedObject& make(const EntityDescription& entity) { return m_context.insertObject(entity); }
    void set(ManagedObject& object, const char* name, AttributeValue value) {
        m_context.setAttributeValue(object, *object.entity().attributeNamed(name), value);
    }
    void link(ManagedObject& object, const char* name, ManagedObject& target) {
        m_context.setToOne(object, *object.entity().relationshipNamed(name), &target);
    }
    void position(const EntityDescription& entity, const char* owner, ManagedObject& node,
                  std::int64_t at) {
        ManagedObject& index = make(entity);
        set(index, "position", at);
        link(index, owner, node);
    }
    ManagedObject& account(const char* name, bool isCash, ManagedObject& parent, std::int64_t at,
                           const char* startBalance) {
        ManagedObject& a = make(LedgerModel0::account());
        set(a, "name", std::string(name));
        set(a, "isCash", isCash);
        set(a, "startBalance", Decimal::fromString(startBalance));
        link(a, "parent", parent);
        position(LedgerModel0::accountIndex(), "account", a, at);
        return a;
    }
    ManagedObject& category(const char* name, ManagedObject& group) {
        ManagedObject& c = make(LedgerModel0::category());
        set(c, "name", std::string(name));
        link(c, "group", group);
        return c;
    }
    void transaction(ManagedObject& account, int day, const char* title, const char* amount,
                     std::vector<std::pair<const char*, ManagedObject*>> splits) {
        ManagedObject& t = make(LedgerModel0::transaction());
        set(t, "date", Date::dateWithYear_PN(2025, 11, day));
        set(t, "title", std::string(title));
        set(t, "amount", Decimal::fromString(amount));
        set(t, "sortID", std::int64_t{day});
        set(t, "isPending", false);
        link(t, "account", account);
        for (const auto& [splitAmount, category] : splits) {
            ManagedObject& s = make(LedgerModel0::split());
            set(s, "amount", Decimal::fromString(splitAmount));
            link(s, "transaction", t);
            link(s, "category", *category);
        }
    }

    ObjectContext m_context;
};

class LedgerMigrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("pennora-migration-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 14));
        applicationModel();  // installs the migrations
    }
    void TearDown() override {
        Clock::reset();
        fs::remove_all(m_folder);
    }

    // Every account, group and transaction as one line each, in a stable order.
    static std::string render(ObjectContext& context) {
        std::ostringstream out;
        for (AccountGroup* g : AccountGroup::allInContext(context)) {
            out << "group " << g->name() << " #" << g->index() << " in "
                << g->parent()->identifier().value_or("?") << "\n";
        }
        for (Account* a : Account::allInContext(context)) {
            const Node* parent = a->parent();
            const auto* group = dynamic_cast<const AccountGroup*>(parent);
            out << "account " << a->name() << " " << a->type().value_or("-") << " #" << a->index()
                << " in " << (group ? group->name() : parent->identifier().value_or("?"))
                << " from " << a->startBalance().toString(2) << " on "
                << a->startBalanceDate().toISOString() << " "
                << (a->currency() ? a->currency()->code() : "home") << "\n";
            for (Transaction* t : a->orderedTransactions()) {
                out << "  " << t->date().toISOString() << " " << t->title().value_or("") << " "
                    << t->amount().toString(2);
                for (Split* s : t->splits()) {
                    out << " [" << s->amount().toString(2) << " " << s->category()->name() << "/"
                        << s->category()->group()->name() << "]";
                }
                out << "\n";
            }
        }
        return out.str();
    }

    fs::path m_folder;
};

const char* const kMigrated =
    "group Banks #1 in accounts\n"
    "account Wallet cash #0 in accounts from 20.00 on 2026-03-14 home\n"
    "  2025-11-03 Coffee -3.50 [-3.50 Dining/Food]\n"
    "account Checking - #0 in Banks from 1500.50 on 2026-03-14 EUR\n"
    "  2025-11-09 Salary 2500.00\n"
    "  2025-11-05 Market -80.00 [-60.00 Groceries/Food] [-20.00 Dining/Food]\n";

TEST_F(LedgerMigrationTest, OldSQLiteStoreMigratesInPlaceWhenOpened) {
    const fs::path path = m_folder / "Database.pennorasql";
    OldStoreWriter writer;
    writer.build();
    writer.saveSQLite(path);

    auto opened = SQLiteStore::open(path.string(), applicationModel());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<SQLiteStore>>(opened))
        << std::get<ValidationError>(opened).localizedDescription;
    auto& store = std::get<std::unique_ptr<SQLiteStore>>(opened);
    EXPECT_EQ(store->fileModelVersion(), 1);
    ObjectContext context(applicationModel());
    ASSERT_FALSE(store->load(context));
    EXPECT_EQ(render(context), kMigrated);
    EXPECT_EQ(Transaction::countInContext(context), 3u);
    EXPECT_EQ(Split::countInContext(context), 3u);
    ASSERT_EQ(Global::allInContext(context).size(), 1u);
    EXPECT_EQ(Global::allInContext(context).front()->nextSortID(), 4);
    EXPECT_FALSE(fs::exists(path.string() + ".migrating"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(LedgerMigrationTest, OldXMLStoreMigratesInPlaceWhenOpened) {
    const fs::path path = m_folder / "SampleDatabase.xml";
    OldStoreWriter writer;
    writer.build();
    writer.saveXML(path);

    XMLStore store(path.string(), applicationModel());
    ObjectContext context(applicationModel());
    ASSERT_FALSE(store.load(context));
    EXPECT_EQ(render(context), kMigrated);
    EXPECT_NE(readBytes(path).find("modelVersion=\"1\""), std::string::npos);
}

// Damage that the reading or the mapping finds: the file stays byte for byte as it was and
// the store does not open.
TEST_F(LedgerMigrationTest, FailedMigrationLeavesTheOriginalUntouched) {
    const struct {
        const char* name;
        const char* sql;
    } cases[] = {
        {"dangling reference", "UPDATE \"Split\" SET \"transaction_id\" = 999"},
        {"account without its sidebar position",
         "DELETE FROM \"AccountIndex\" WHERE \"account_id\" IN "
         "(SELECT id FROM \"Node\" WHERE name = 'Wallet'); "
         "UPDATE \"Node\" SET \"sidebarIndex_id\" = NULL WHERE name = 'Wallet'"},
        {"account without a parent",
         "UPDATE \"Node\" SET \"parent_id\" = NULL WHERE name = 'Wallet'"},
        {"account under an account",
         "UPDATE \"Node\" SET \"parent_id\" = (SELECT id FROM \"Node\" WHERE name = 'Checking') "
         "WHERE name = 'Wallet'"},
        {"value of the wrong kind", "UPDATE \"Transaction\" SET \"amount\" = 'lots'"},
        {"newer model version", "UPDATE pennora_metadata SET value = '2'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = m_folder / "Database.pennorasql";
        fs::remove(path);
        OldStoreWriter writer;
        writer.build();
        writer.saveSQLite(path);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, c.sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        const std::string before = readBytes(path);

        auto opened = SQLiteStore::open(path.string(), applicationModel());
        ASSERT_TRUE(std::holds_alternative<ValidationError>(opened));
        EXPECT_EQ(std::get<ValidationError>(opened).code, kPersistentStoreOpenErrorCode);
        EXPECT_EQ(readBytes(path), before);
        EXPECT_FALSE(fs::exists(path.string() + ".migrating"));
    }
}

}  // namespace
