#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "StatementCorpus.h"
#include "TestApplicationModel.h"
#include "import/ImportFromApp.h"
#include "import/ImportFromAppSheet.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"

namespace {

namespace fs = std::filesystem;

// A two-account export (its Invst section is skipped) with split lines and notes.
constexpr const char* kExport = R"(!Account
NEveryday
TBank
^
!Type:Bank
D3/10/2024
T-50.00
LNot used
SFood
Elunch
$-30.00
SHousehold
Esoap
$-20.00
^
D3/11/2024
PCorner Shop
T-50.00
Mmemo
SFOOD
Elunch
$-30.00
SHousehold
$-20.00
^
D3/12/2024
P   
MNo payee
T1,200.00
LSalary
SIgnored
$5.00
^
!Account
NBrokerage
TInvst
^
!Type:Invst
D3/1/2024
T100.00
^
!Account
NWallet
TCash
^
!Type:Cash
D3/13/2024
PMarket
T-4.50
^
)";

// "date amount title | notes | categories" of one transaction; split amounts shown only when
// there are several; "!" marks a transaction that is pending, imported, new or has bank data.
std::string describe(const Transaction& t) {
    std::string text = t.date().toISOString() + " " + t.amount().toString(2) + " " +
                       std::string(t.title().value_or("-")) + " | " +
                       std::string(t.notes().value_or("-")) + " |";
    for (const Split* split : t.sortedSplits()) {
        text += " " + (split->category() ? split->category()->name() : std::string("none"));
        if (t.splits().size() > 1) {
            text += " " + split->amount().toString(2);
        }
    }
    if (t.isPending() || t.isImported() || t.isNew() || t.ofxAmount() || t.ofxFitID()) {
        text += " !";
    }
    return text;
}

// The top-level accounts in tree order, each with its transactions in creation order.
std::string describeTree(ObjectContext& ctx) {
    Node& root = AccountsRoot::setup(ctx);
    std::string text;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(root.children().size()); ++i) {
        auto* account = static_cast<Account*>(root.childAtIndex(i));
        text += account->name() + ":\n";
        std::vector<Transaction*> transactions = account->transactions().toVector();
        std::sort(transactions.begin(), transactions.end(),
                  [](auto* a, auto* b) { return a->sortID() < b->sortID(); });
        for (const Transaction* t : transactions) {
            text += "  " + describe(*t) + "\n";
        }
    }
    return text;
}

std::string categoryNames(ObjectContext& ctx) {
    std::vector<std::string> names;
    for (const Category* category : Category::allInContext(ctx)) {
        names.push_back(category->name());
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) {
        text += name + ";";
    }
    return text;
}

// A store that already holds an account with one transaction and the category "food".
void fillStore(ObjectContext& ctx) {
    Account* savings = ctx.insert<Account>();
    savings->setName("Savings");
    savings->moveTo(&AccountsRoot::setup(ctx), 0);
    savings->createTransactionWithDate(Date::dateWithYear_PN(2024, 1, 2), std::string("Deposit"),
                                       Decimal::fromString("10.00"), nullptr, std::nullopt,
                                       std::nullopt);
    ctx.insert<Category>()->setName("food");
}

std::string readBytes(const fs::path& path) {
    return StoreFile::readWhole(path.string()).value_or("");
}

TEST(ImportFromApp, TwoAccountExportWithSplitsAndNotesGoesAfterTheExistingAccounts) {
    ObjectContext ctx(applicationModel());
    ctx.setPersistentStore(std::make_unique<InMemoryStore>());
    fillStore(ctx);
    ASSERT_FALSE(ctx.save());

    ImportFromAppResult result = ImportFromApp::importText(kExport, ctx);

    ASSERT_TRUE(result.succeeded()) << *result.error;
    ASSERT_EQ(result.accounts.size(), 2u);
    EXPECT_EQ(result.accounts[0].name, "Everyday");
    EXPECT_EQ(result.accounts[0].transactionCount, 3u);
    EXPECT_EQ(result.accounts[1].name, "Wallet");
    EXPECT_EQ(result.accounts[1].transactionCount, 1u);
    EXPECT_EQ(describeTree(ctx),
              "Savings:\n"
              "  2024-01-02 10.00 Deposit | - | none !\n"
              "Everyday:\n"
              "  2024-03-10 -50.00 Untitled | lunch / soap | Household -20.00 food -30.00\n"
              "  2024-03-11 -50.00 Corner Shop | memo / lunch | Household -20.00 food -30.00\n"
              "  2024-03-12 1200.00 Untitled | No payee | Salary\n"
              "Wallet:\n"
              "  2024-03-13 -4.50 Market | - | none\n");
    // "Food" and "FOOD" found the existing "food"; the single split line made nothing.
    EXPECT_EQ(categoryNames(ctx), "Household;Salary;food;");
    EXPECT_FALSE(ctx.hasChanges());
}

// An outcome is the tree and the category names after the import, or the error.
std::string importOutcome(const std::string& path) {
    ObjectContext ctx(applicationModel());
    ctx.setPersistentStore(std::make_unique<InMemoryStore>());
    ImportFromAppResult result = ImportFromApp::importFile(path, ctx);
    if (!result.succeeded()) {
        EXPECT_EQ(Account::countInContext(ctx), 0u);
        EXPECT_FALSE(ctx.hasChanges());
        return "error: " + *result.error;
    }
    return describeTree(ctx) + categoryNames(ctx);
}

std::string testData(const std::string& name) {
    return std::string(PENNORA_TEST_DATA_DIR) + "/import/app/" + name;
}

// Exports as other programs write them, and a file that is not there.
TEST(ImportFromApp, ExportsImportOrAreRefused) {
    const struct {
        std::string path;
        std::string outcome;
    } kCases[] = {
        // An account repeated, and splits into one category.
        {testData("repeated-account.qif"),
         "Savings Jar:\n"
         "  2021-02-03 420.00 Bake Sale | Cakes / Cookies | Fundraising 300.00 Fundraising 120.00\n"
         "Petty Cash:\n"
         "  2021-02-05 -35.00 Hardware Store | Hinges | Repairs\n"
         "Savings Jar:\n"
         "  2021-02-09 -2.50 Bank Fee | - | Fees\n"
         "Fees;Fundraising;Repairs;"},
        // A whole-file export: only bank, cash and card accounts are kept.
        {testData("whole-file.qif"),
         "Everyday:\n"
         "  2009-07-01 0.00 Opening Balance | - | [Everyday]\n"
         "  2009-07-03 2150.00 Employer Ltd | July | Wages 2600.00 Tax:Income -150.00"
         " Home:Rates -300.00\n"
         "  2009-07-20 -84.20 Grocer | - | Home\n"
         "Purse:\n"
         "  2009-07-01 0.00 Opening Balance | - | [Purse]\n"
         "Store Card:\n"
         "  2009-07-04 -45.99 Garden Centre | - | Home\n"
         "Home;Home:Rates;Tax:Income;Wages;[Everyday];[Purse];"},
        // Day-first dates such as 25/04/2019 do not read as month first; the file is refused
        // rather than dated today.
        {testData("day-first.qif"),
         "error: Transaction 2 of account \"Travel Money\" has no readable date."},
        {testing::TempDir() + "/none.qif",
         "error: The file " + testing::TempDir() + "/none.qif could not be read."},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(importOutcome(c.path), c.outcome);
    }
}

// Real exports of the statements corpus.
TEST(ImportFromApp, RealExportsImportOrAreRefused) {
    const std::optional<fs::path> corpus = StatementCorpus::path();
    if (!corpus) {
        GTEST_SKIP() << StatementCorpus::missingMessage();
    }
    const std::string qif = (*corpus / "qif").string() + "/";
    const struct {
        std::string path;
        std::string outcome;
    } kCases[] = {
        // An account repeated, and splits into one category.
        {qif + "csv2ofx__xero.qif",
         "Income:\n"
         "  2015-01-23 149000.00 Sales | Bicycle Office / Charger Office |"
         " Cash 113000.00 Cash 36000.00\n"
         "Cash:\n"
         "  2015-01-25 -113000.00 Baisikeli | Bicycle | John\n"
         "Checking:\n"
         "  2015-02-14 -209000.00 Transfer from Cash | - | none\n"
         "Cash:\n"
         "  2015-01-24 -30000.00 Charger-baisikeli (distributor price) | Charger | Office\n"
         "  2015-01-25 -30000.00 Charger-baisikeli (distributor price) | Charger | John\n"
         "Cash;John;Office;"},
        // A whole-file export: only bank, cash and card accounts are kept.
        {qif + "financeqif__test.qif",
         "Bank:\n"
         "  2006-01-10 0.00 Opening Balance | - | [Bank]\n"
         "  2006-01-10 1690.00 Paycheck | - | Salary 2000.00 Payroll Taxes, Self:Medicare"
         " -10.00 Payroll Taxes, Self:Soc Sec -50.00 Payroll Taxes, Self:Federal -250.00\n"
         "  2006-01-17 -100.00 Safeway | - | Groceries\n"
         "  2006-02-17 -125.00 Safeway | - | Misc -25.00 Groceries -100.00\n"
         "  2006-03-17 -100.00 Safeway | - | Groceries\n"
         "  2006-03-17 -100.00   QFC   | - | Groceries\n"
         "Cash:\n"
         "  2006-01-10 0.00 Opening Balance | - | [Cash]\n"
         "Credit Card:\n"
         "  2006-01-10 0.00 Opening Balance | - | [Credit Card]\n"
         "Groceries;Misc;Payroll Taxes, Self:Federal;Payroll Taxes, Self:Medicare;"
         "Payroll Taxes, Self:Soc Sec;Salary;[Bank];[Cash];[Credit Card];"},
        // Day-first dates such as 23/10/2013 do not read as month first; the file is refused
        // rather than dated today.
        {qif + "qifparse__file.qif",
         "error: Transaction 1 of account \"My Cash\" has no readable date."},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(importOutcome(c.path), c.outcome);
    }
}

// A failed import must leave the store file as it was, and nothing in the context for a
// later save to write.
class FailedImportFromApp : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(FailedImportFromApp, LeavesTheStoreFileByteIdentical) {
    const fs::path folder =
        fs::path(testing::TempDir()) / ("import-app-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path path = folder / "Database.pennorasql";
    auto opened = SQLiteStore::open(path.string(), applicationModel());
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<SQLiteStore>>(opened));
    ObjectContext ctx(applicationModel());
    ctx.setPersistentStore(std::move(std::get<std::unique_ptr<SQLiteStore>>(opened)));
    fillStore(ctx);
    ASSERT_FALSE(ctx.save());
    const std::string before = readBytes(path) + readBytes(path.string() + "-wal");
    const std::string tree = describeTree(ctx);

    // The broken part comes after a valid account, so a careless import would have made it.
    std::string text = std::string(kExport) + GetParam().first;
    ImportFromAppResult result = ImportFromApp::importText(text, ctx);

    ASSERT_FALSE(result.succeeded());
    EXPECT_NE(result.error->find(GetParam().second), std::string::npos) << *result.error;
    EXPECT_TRUE(result.accounts.empty());
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(describeTree(ctx), tree);
    EXPECT_EQ(categoryNames(ctx), "food;");
    ASSERT_FALSE(ctx.save());
    EXPECT_EQ(readBytes(path) + readBytes(path.string() + "-wal"), before);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    BrokenExports, FailedImportFromApp,
    ::testing::Values(
        // Two records in an account's header block: the reader rejects the file.
        std::pair{"!Account\nNBroken\nTBank\n^\nNMore\n^\n!Type:Bank\nD3/1/2024\nT1\n^\n",
                  "Expected 1 records, but got 2"},
        std::pair{"!Account\nNLast\nTBank\n^\n!Type:Bank\nD3/1/2024\nT-5.00\n^\n"
                  "D3/2/2024\nT-50.00\nSFood\n$-30.00\nSHousehold\n$-19.99\n^\n",
                  "Transaction 2 of account \"Last\" has splits that add up to -49.99"},
        std::pair{"!Account\nNLast\nTCCard\n^\n!Type:CCard\nDnever\nT-5.00\n^\n",
                  "Transaction 1 of account \"Last\" has no readable date."},
        std::pair{"!Account\nNLast\nTCash\n^\n!Type:Cash\nD3/1/2024\nTabc\n^\n",
                  "has no readable amount."}));

TEST(ImportFromApp, AFailedSaveTakesBackEverythingTheImportInserted) {
    ObjectContext ctx(applicationModel());  // no store: every save fails
    fillStore(ctx);
    const std::int64_t nextSortID = Global::sharedInstanceInContext(ctx)->nextSortID();
    const std::string tree = describeTree(ctx);

    ImportFromAppResult result = ImportFromApp::importText(kExport, ctx);

    EXPECT_FALSE(result.succeeded());
    EXPECT_EQ(describeTree(ctx), tree);
    EXPECT_EQ(categoryNames(ctx), "food;");
    EXPECT_EQ(Account::countInContext(ctx), 1u);
    EXPECT_EQ(Transaction::countInContext(ctx), 1u);
    EXPECT_EQ(Split::countInContext(ctx), 1u);
    EXPECT_EQ(Global::sharedInstanceInContext(ctx)->nextSortID(), nextSortID);
}

TEST(ImportFromAppSheet, ImportsTheChosenFileOnlyWhenEndedWithImport) {
    ObjectContext ctx(applicationModel());
    ctx.setPersistentStore(std::make_unique<InMemoryStore>());
    ImportFromAppSheet sheet(ctx);
    sheet.show();
    EXPECT_FALSE(sheet.canImport());
    EXPECT_FALSE(sheet.didEndSheet(ImportFromAppSheet::kReturnImport));
    sheet.chooseFile(testData("repeated-account.qif"));
    EXPECT_TRUE(sheet.canImport());
    EXPECT_FALSE(sheet.didEndSheet(0));
    EXPECT_EQ(Account::countInContext(ctx), 0u);
    std::optional<ImportFromAppResult> result =
        sheet.didEndSheet(ImportFromAppSheet::kReturnImport);
    ASSERT_TRUE(result && result->succeeded());
    EXPECT_EQ(result->accounts.size(), 3u);
    sheet.show();
    EXPECT_FALSE(sheet.filename());
}

}  // namespace
