// The register's figures without a display: its status line, rows, colours, flags, row
// heights and the commands on its transactions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/RegisterEditing.h"
#include "ledger/RegisterRowHeight.h"
#include "ledger/RegisterRowLook.h"
#include "ledger/RegisterRows.h"
#include "ledger/RegisterStatus.h"
#include "ledger/RegisterTexts.h"
#include "ledger/Split.h"
#include "ledger/StickyDate.h"
#include "ledger/Transaction.h"
#include "ledger/TransactionDeletion.h"
#include "ledger/TransactionFlag.h"
#include "store/ObjectContext.h"

namespace {

using Look = RegisterRowLook;

class RegisterFiguresTest : public ::testing::Test {
protected:
    void SetUp() override {
        UserLocale::set("en_US");
        Clock::setFixedToday(ymd(2026, 3, 15));
        account->setName("Checking");
        Global::sharedInstanceInContext(ctx)->setHomeCurrency("USD");
    }
    void TearDown() override {
        Clock::reset();
        UserLocale::reset();
    }
    Transaction* add(Date date, const char* amount, const char* title = "Rent",
                     Account* in = nullptr) {
        return (in ? in : account)
            ->createTransactionWithDate(date, std::string(title), dec(amount), nullptr,
                                        std::nullopt, std::nullopt);
    }
    Category* category(const char* name) {
        Category* c = ctx.insert<Category>();
        c->setName(name);
        return c;
    }
    void split(Transaction* t, const std::vector<std::pair<Category*, const char*>>& parts) {
        bool first = true;
        for (const auto& [c, amount] : parts) {
            Split* s = first ? *t->splits().begin() : ctx.insert<Split>();
            s->setCategory(c);
            s->setAmount(dec(amount));
            if (!first) {
                t->addSplitsObject(s);
            }
            first = false;
        }
    }
    std::vector<Transaction*> rowsOf(const RegisterRows& rows) {
        std::vector<Transaction*> shown;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            shown.push_back(rows.at(i));
        }
        return shown;
    }

    ObjectContext ctx{applicationModel()};
    Account* account = ctx.insert<Account>();
};

TEST_F(RegisterFiguresTest, StatusMessages) {
    account->setStartBalance(dec("100"));
    std::vector<Transaction*> t;
    for (int i = 0; i < 14; ++i) {
        t.push_back(add(ymd(2026, 3, 1 + i), i == 0 ? "-12.50" : "-1.00"));
    }
    t[1]->setIsPending(false);
    RegisterRows rows(ctx);
    rows.showAccount(*account);
    EXPECT_EQ(RegisterStatus::message(rows, {}, false, false),
              "14 transactions, $74.50 ledger balance");
    EXPECT_EQ(RegisterStatus::message(rows, {t[0]}, false, false),
              "14 transactions, $74.50 ledger balance");
    // Every transaction but one is still pending.
    EXPECT_EQ(RegisterStatus::message(rows, {}, false, true),
              "14 transactions, $99.00 reconciled balance");
    EXPECT_EQ(RegisterStatus::message(rows, {t[0], t[1]}, false, false),
              "2 of 14 transactions, -$13.50 selected");

    rows.showList({t[3]});
    EXPECT_EQ(RegisterStatus::message(rows, {}, false, false), "1 transaction");
    EXPECT_EQ(RegisterStatus::message(rows, {}, true, false), "Found 1 transaction");
    rows.showList({});
    EXPECT_EQ(RegisterStatus::message(rows, {}, true, false), "Found 0 transactions");
}

TEST_F(RegisterFiguresTest, GroupAllAndForeignStatusUseTheirCurrencies) {
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("EUR");
    euro->setRate(dec("0.8"));
    Account* abroad = ctx.insert<Account>();
    abroad->setCurrency(euro);
    Transaction* a = add(ymd(2026, 3, 1), "-8.00", "Bread", abroad);
    Transaction* b = add(ymd(2026, 3, 2), "-4.00", "Milk", abroad);
    add(ymd(2026, 3, 3), "10.00", "Refund");

    RegisterRows rows(ctx);
    rows.showAccount(*abroad);
    EXPECT_EQ(RegisterStatus::message(rows, {}, false, false),
              "2 transactions, -€12.00 ledger balance");
    EXPECT_EQ(RegisterStatus::message(rows, {a, b}, false, false),
              "2 of 2 transactions, -€12.00 selected");
    rows.showAll();
    // 12 euros are 15 dollars at 0.8 euros to the dollar.
    EXPECT_EQ(RegisterStatus::message(rows, {}, false, false),
              "3 transactions, -$5.00 ledger balance");
    EXPECT_EQ(RegisterStatus::message(rows, {a, b}, false, false),
              "2 of 3 transactions, -$15.00 selected");
}

TEST_F(RegisterFiguresTest, RowsAreNewestFirstAndFollowTheRegistersOwnChanges) {
    Transaction* march1 = add(ymd(2026, 3, 1), "-1");
    Transaction* march5 = add(ymd(2026, 3, 5), "-2");
    Transaction* march5Later = add(ymd(2026, 3, 5), "-3");
    RegisterRows rows(ctx);
    rows.showAccount(*account);
    EXPECT_EQ(rowsOf(rows), (std::vector<Transaction*>{march5Later, march5, march1}));

    // A new transaction shows at its place; a date change moves it on resort.
    Transaction* added = add(ymd(2026, 3, 3), "-4");
    EXPECT_EQ(rows.insertionRow(*added), 2u);
    EXPECT_EQ(rows.insert(*added), 2u);
    march1->setDate(ymd(2026, 3, 9));
    EXPECT_EQ(rows.resortedRow(3), 0u);
    EXPECT_EQ(rows.resort(3), 0u);
    EXPECT_EQ(rowsOf(rows), (std::vector<Transaction*>{march1, march5Later, march5, added}));
    march5Later->setDate(ymd(2026, 2, 1));
    EXPECT_EQ(rows.resortedRow(1), 3u);
    EXPECT_EQ(rows.rowOf(*march5Later), std::optional<std::size_t>(1));
    EXPECT_EQ(rows.resort(1), 3u);
    EXPECT_EQ(rows.rowOf(*march5Later), std::optional<std::size_t>(3));

    // A list drops what was deleted when fetched again; only list mode reloads a list.
    rows.showList({march5, march1});
    EXPECT_EQ(rowsOf(rows), (std::vector<Transaction*>{march1, march5}));
    ctx.deleteObject(*march1);
    rows.refetch();
    EXPECT_EQ(rowsOf(rows), (std::vector<Transaction*>{march5}));
    rows.showAll();
    EXPECT_EQ(assertionMessage([&] { rows.reloadList({}); }),
              "reloadTransactions needs a register showing a list");
}

TEST_F(RegisterFiguresTest, GroupRowsHoldTheTransactionsOfItsAccounts) {
    AccountGroup* group = ctx.insert<AccountGroup>();
    Account* card = ctx.insert<Account>();
    card->moveTo(group, 0);
    account->moveTo(group, 1);
    Transaction* a = add(ymd(2026, 3, 1), "-1", "A", card);
    Transaction* b = add(ymd(2026, 3, 2), "-1", "B");
    add(ymd(2026, 3, 3), "-1", "Elsewhere", ctx.insert<Account>());
    RegisterRows rows(ctx);
    rows.showGroup(*group);
    EXPECT_EQ(rowsOf(rows), (std::vector<Transaction*>{b, a}));
}

// All accounts' rows come from merging each account's order: interleaved dates over an odd
// number of accounts, one of them empty, same-day transactions by sort ID, a deleted
// transaction left out, and a transaction in no account still shown (taken by sorting all).
TEST_F(RegisterFiguresTest, AllAccountsInterleavesEveryAccountsTransactions) {
    Account* card = ctx.insert<Account>();
    Account* cash = ctx.insert<Account>();
    ctx.insert<Account>();  // empty
    Transaction* checking2 = add(ymd(2026, 3, 2), "-1", "checking 2");
    Transaction* card1 = add(ymd(2026, 3, 1), "-1", "card 1", card);
    Transaction* cash5 = add(ymd(2026, 3, 5), "-1", "cash 5", cash);
    Transaction* card5 = add(ymd(2026, 3, 5), "-1", "card 5", card);
    Transaction* checking5 = add(ymd(2026, 3, 5), "-1", "checking 5");
    Transaction* cash3 = add(ymd(2026, 3, 3), "-1", "cash 3", cash);
    Transaction* gone = add(ymd(2026, 3, 4), "-1", "deleted", card);
    ctx.deleteObject(*gone);
    RegisterRows rows(ctx);
    rows.showAll();
    EXPECT_EQ(rowsOf(rows),
              (std::vector<Transaction*>{checking5, card5, cash5, cash3, checking2, card1}));

    Transaction* loose = ctx.insert<Transaction>();
    loose->setDate(ymd(2026, 3, 4));
    rows.refetch();
    EXPECT_EQ(rowsOf(rows),
              (std::vector<Transaction*>{checking5, card5, cash5, loose, cash3, checking2, card1}));
}

TEST_F(RegisterFiguresTest, ColorsByKindAndHighlight) {
    Transaction* income = add(ymd(2026, 3, 1), "25.00");
    Transaction* expense = add(ymd(2026, 3, 1), "-25.00");
    Transaction* generated = add(ymd(2026, 3, 1), "25.00");
    generated->setType(std::string(kTransactionTypeGenerated));
    struct Case {
        Transaction* transaction;
        Look::Column column;
        bool highlighted;
        Look::Colors expected;
    };
    const Case cases[] = {
        {income, Look::Column::Amount, false, {"237F00", ""}},
        {income, Look::Column::Amount, true, {"FFFFFF", ""}},
        {expense, Look::Column::Amount, false, {"000000", ""}},
        {expense, Look::Column::Amount, true, {"000000", ""}},
        {generated, Look::Column::Amount, false, {"444444", ""}},
        {generated, Look::Column::Amount, true, {"FFFFFF", ""}},
        {generated, Look::Column::Balance, false, {"444444", ""}},
        {expense, Look::Column::Date, true, {"000000", ""}},
        {expense, Look::Column::Description, false, {"000000", "555555"}},
        {expense, Look::Column::Description, true, {"FFFFFF", "FFFFFF"}},
        {generated, Look::Column::Description, false, {"444444", "444444"}},
        {expense, Look::Column::Category, false, {"000000", "808080"}},
        {generated, Look::Column::Category, false, {"444444", "444444"}},
        {generated, Look::Column::Category, true, {"FFFFFF", "FFFFFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.column) * 10 + (c.highlighted ? 1 : 0));
        EXPECT_EQ(Look::colors(c.column, *c.transaction, c.highlighted), c.expected);
    }
}

TEST_F(RegisterFiguresTest, FlagsByKindAndTheGreyFlagUnderTheMouse) {
    Transaction* pending = add(ymd(2026, 3, 1), "-1");
    Transaction* cleared = add(ymd(2026, 3, 1), "-1");
    cleared->setIsPending(false);
    Transaction* imported = add(ymd(2026, 3, 1), "-1");
    imported->setIsPending(false);
    imported->setIsImported(true);
    imported->setIsNew(true);
    Transaction* matched = add(ymd(2026, 3, 1), "-1");
    matched->setIsPending(false);
    matched->setOfxAmount(dec("-1"));
    Transaction* generated = add(ymd(2026, 3, 1), "-1");
    generated->setIsPending(false);
    generated->setType(std::string(kTransactionTypeGenerated));
    struct Case {
        Transaction* transaction;
        const char* plain;
        const char* underMouse;
        const char* menuTitle;
        const char* afterToggle;
    };
    const Case cases[] = {
        {pending, "pendingFlag", "pendingFlag", "Mark as Not Pending", ""},
        {cleared, "", "pendingFlagGray", "Mark as Pending", "pendingFlag"},
        {imported, "newFlag", "newFlag", "Mark as Not New", ""},
        {matched, "", "newFlagGray", "Mark as New", "newFlag"},
        {generated, "generatedFlag", "generatedFlag", "Mark as Pending", "generatedFlag"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plain + std::string("/") + c.underMouse);
        Transaction& t = *c.transaction;
        EXPECT_STREQ(Look::imageName(Look::flag(t, false)), c.plain);
        EXPECT_STREQ(Look::imageName(Look::flag(t, true)), c.underMouse);
        EXPECT_EQ(TransactionFlag::menuItem({&t}).title, c.menuTitle);
        EXPECT_EQ(TransactionFlag::menuItem({&t}).enabled, !t.isGenerated());
        EXPECT_EQ(TransactionFlag::toggle(t), !t.isGenerated());
        EXPECT_STREQ(Look::imageName(Look::flag(t, false)), c.afterToggle);
    }
    EXPECT_FALSE(imported->isPending());  // an imported transaction's flag is its new state
    EXPECT_EQ(TransactionFlag::menuItem({pending, cleared}),
              (TransactionFlag::MenuItem{"Mark as Pending", false}));
    EXPECT_EQ(TransactionFlag::menuItem({}), (TransactionFlag::MenuItem{"Mark as Pending", false}));
}

TEST_F(RegisterFiguresTest, CategoryLinesAndRowHeights) {
    Category* food = category("Food");
    Category* fuel = category("Fuel");
    Transaction* three = add(ymd(2026, 3, 1), "-1234.56");
    split(three, {{food, "-1200.00"}, {nullptr, "-4.56"}, {fuel, "-30.00"}});
    Transaction* single = add(ymd(2026, 3, 1), "-5.00");
    single->setNotes(std::string("first line\nsecond line\n"));
    Transaction* blankNotes = add(ymd(2026, 3, 1), "-5.00");
    blankNotes->setNotes(std::string("  \n "));

    RegisterTexts texts(ctx);
    std::vector<std::string> lines;
    for (const RegisterTexts::CategoryLine& line : texts.categoryLines(*three)) {
        lines.push_back(line.label + line.amount);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Fuel: -30.00", "Food: -1,200.00",
                                               "Uncategorized: -4.56"}));
    ASSERT_EQ(texts.categoryLines(*single).size(), 1u);
    EXPECT_EQ(texts.categoryLines(*single).front().label, "");
    EXPECT_EQ(texts.categoryLines(*single).front().amount, "");
    EXPECT_EQ(texts.amount(*three), "-$1,234.56");

    using Height = RegisterRowHeight;
    EXPECT_EQ(Height::lines(*three), (Height::Lines{0, 3}));
    EXPECT_EQ(Height::lines(*single), (Height::Lines{2, 1}));
    EXPECT_EQ(Height::lines(*blankNotes), (Height::Lines{0, 1}));
    const Height::Metrics metrics{15, 13, 15};
    // Title alone: 15 + 21. Title and two notes lines: 15 + 5 + 26 + 21. Three categories:
    // 45 + 8 + 21, taller than the title.
    EXPECT_DOUBLE_EQ(Height::height({0, 1}, metrics), 36);
    EXPECT_DOUBLE_EQ(Height::height({2, 1}, metrics), 67);
    EXPECT_DOUBLE_EQ(Height::height({0, 3}, metrics), 74);
    EXPECT_DOUBLE_EQ(Height::height({2, 3}, metrics), 74);
}

TEST_F(RegisterFiguresTest, DeletingLeavesProjectedTransactionsAndAsksByCount) {
    Transaction* rent = add(ymd(2026, 3, 1), "-1");
    Transaction* food = add(ymd(2026, 3, 2), "-1", "Food");
    Transaction* projected = add(ymd(2026, 4, 1), "-1");
    projected->setType(std::string(kTransactionTypeGenerated));
    EXPECT_TRUE(TransactionDeletion::deletable({projected}).empty());
    EXPECT_EQ(TransactionDeletion::deletable({projected, rent}), std::vector<Transaction*>{rent});

    EXPECT_EQ(TransactionDeletion::confirmation({rent}),
              (Alert{"Are you sure you want to delete the transaction \"Rent\"?",
                     "A deleted transaction will be permanently removed from its account.",
                     {"Delete", "Cancel"}}));
    EXPECT_EQ(TransactionDeletion::confirmation({rent, food}).message,
              "Are you sure you want to delete the selected 2 transactions?");
    TransactionDeletion::perform({rent, food});
    EXPECT_TRUE(rent->isDeleted());
    EXPECT_EQ(account->transactions().size(), 1u);
}

TEST_F(RegisterFiguresTest, AddingAndClosingTheEditorWithTheStickyDate) {
    StickyDate sticky;
    Transaction& plain = RegisterEditing::addTransaction(*account, sticky);
    EXPECT_EQ(plain.date(), ymd(2026, 3, 15));
    EXPECT_TRUE(plain.isPending());
    EXPECT_EQ(plain.account(), account);

    // The option remembers dates only while on.
    plain.setDate(ymd(2026, 1, 2));
    RegisterEditing::finishEditing(plain, sticky);
    EXPECT_FALSE(sticky.lastEnteredDate().has_value());
    sticky.setIsOn(true);
    EXPECT_EQ(RegisterEditing::addTransaction(*account, sticky).date(), ymd(2026, 3, 15));
    RegisterEditing::finishEditing(plain, sticky);
    Account* cash = ctx.insert<Account>();
    cash->setType(std::string(kAccountTypeCash));
    Transaction& inCash = RegisterEditing::addTransaction(*cash, sticky);
    EXPECT_EQ(inCash.date(), ymd(2026, 1, 2));
    EXPECT_FALSE(inCash.isPending());

    // Closing on an imported new transaction reviews it; splits that do not add up get the
    // difference.
    Transaction* imported = add(ymd(2026, 3, 1), "-100.00");
    imported->setIsImported(true);
    imported->setIsNew(true);
    split(imported, {{category("Food"), "-60.00"}, {nullptr, "-30.00"}});
    RegisterEditing::finishEditing(*imported, sticky);
    EXPECT_FALSE(imported->isNew());
    EXPECT_EQ(imported->splits().size(), 3u);
    std::optional<ValidationError> error;
    EXPECT_TRUE(imported->validateSplits(error));
}

}  // namespace
