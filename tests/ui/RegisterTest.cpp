// The register's table, model and controller offscreen: what the rows show, the commands
// with their alerts, the row editor opening and closing in place, search, and the keys.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "FakeRowEditor.h"
#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/StickyDate.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/SearchResultsController.h"
#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"

namespace {

Date day(int d) {
    return Date::dateWithYear_PN(2026, 3, d);
}

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

class RegisterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        Clock::setFixedToday(day(15));
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        root = ctx.insert<Node>();
        root->setIdentifier(std::string("accounts"));
        account = ctx.insert<Account>();
        account->moveTo(root, 0);
        account->setName("Checking");
        account->setStartBalance(dec("100"));
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        editor = new FakeRowEditor;
        controller =
            new TransactionsTableController(ctx, alerts, sticky, save(), editor, window.get());
        layout->addWidget(&controller->table());
        window->resize(760, 480);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        Clock::reset();
        UserLocale::reset();
    }
    TransactionsTableController::SaveFunction save() {
        return [this] {
            ++saves;
            return !ctx.save().has_value();
        };
    }
    Transaction* add(int date, const char* title, const char* amount, Account* in = nullptr) {
        Transaction* t = (in ? in : account)
                             ->createTransactionWithDate(day(date), std::string(title), dec(amount),
                                                         nullptr, std::nullopt, std::nullopt);
        t->setIsPending(false);
        return t;
    }
    Transaction* imported(int date, const char* title, const char* amount) {
        Transaction* t = add(date, title, amount);
        t->setIsImported(true);
        t->setIsNew(true);
        t->setOfxAmount(dec(amount));
        t->setOfxTitle(std::string(title));
        t->setOfxDate(day(date));
        return t;
    }
    Transaction* projected(int date, const char* title) {
        Transaction* t = add(date, title, "-10.00");
        t->setType(std::string(kTransactionTypeGenerated));
        ScheduledItem* item = ctx.insert<ScheduledItem>();
        ctx.setToOne(*t, *Transaction::entityDescription().relationshipNamed("scheduledItem"),
                     item);
        return t;
    }
    RegisterModel& model() { return controller->model(); }
    TransactionsTable& table() { return controller->table(); }
    int rowOf(const Transaction* t) { return model().rowOf(*t); }
    void select(std::initializer_list<const Transaction*> transactions) {
        QItemSelection selection;
        for (const Transaction* t : transactions) {
            selection.select(model().index(rowOf(t), 0), model().index(rowOf(t), 5));
        }
        table().selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        table().selectionModel()->setCurrentIndex(model().index(rowOf(*transactions.begin()), 2),
                                                  QItemSelectionModel::NoUpdate);
    }
    QString text(const Transaction* t, int column, int role = Qt::DisplayRole) {
        return model().index(rowOf(t), column).data(role).toString();
    }
    QPoint flagPoint(const Transaction* t) {
        return table().visualRect(model().index(rowOf(t), RegisterModel::FlagColumn)).center();
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
    Account* account = nullptr;
    ScriptedAlerts alerts;
    StickyDate sticky;
    int saves = 0;
    std::unique_ptr<QWidget> window;
    FakeRowEditor* editor = nullptr;
    TransactionsTableController* controller = nullptr;
};

TEST_F(RegisterTest, ModelStaysConsistentThroughInsertsMovesAndRemovals) {
    for (int d = 1; d <= 9; ++d) {
        add(d, "Item", "-1.00");
    }
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    controller->showTransactionsForAccount(*account);
    EXPECT_EQ(model().rowCount(), 9);
    controller->addTransaction();
    Transaction* added = editor->transaction();
    ASSERT_NE(added, nullptr);
    editor->edit = [](Transaction& t) { t.setDate(day(2)); };
    controller->commitEditing();
    EXPECT_EQ(rowOf(added), 7);  // dated 2 March, entered last: above the one of 2 March
    select({added});
    alerts.answers = {0};
    controller->deleteSelectedTransactions();
    EXPECT_EQ(model().rowCount(), 9);
    controller->showAllTransactions();
}

TEST_F(RegisterTest, RowsShowTextsColoursSplitsAndCheckNumbers) {
    Transaction* pay = add(3, "Payroll", "1500.00");
    Transaction* shop = add(2, "Shop", "-96.00");
    shop->setCheckNumber(1042);
    shop->setNotes(std::string("weekly\nand more"));
    Category* food = ctx.insert<Category>();
    food->setName("Food");
    Category* home = ctx.insert<Category>();
    home->setName("Home");
    Split* first = *shop->splits().begin();
    first->setCategory(food);
    first->setAmount(dec("-60.00"));
    for (auto [category, amount] :
         {std::pair{home, "-30.00"}, std::pair{static_cast<Category*>(nullptr), "-6.00"}}) {
        Split* s = ctx.insert<Split>();
        s->setCategory(category);
        s->setAmount(dec(amount));
        shop->addSplitsObject(s);
    }
    controller->showTransactionsForAccount(*account);

    EXPECT_EQ(text(pay, RegisterModel::AmountColumn), "$1,500.00");
    EXPECT_EQ(text(pay, RegisterModel::DateColumn), "Mar 03, 2026");
    EXPECT_EQ(text(pay, RegisterModel::BalanceColumn), "$1,504.00");
    EXPECT_EQ(text(pay, RegisterModel::AmountColumn, RegisterModel::TextColorRole), "237F00");
    EXPECT_EQ(text(pay, RegisterModel::AmountColumn, RegisterModel::HighlightedTextColorRole),
              "FFFFFF");
    EXPECT_EQ(text(shop, RegisterModel::AmountColumn, RegisterModel::HighlightedTextColorRole),
              "000000");
    EXPECT_EQ(model()
                  .index(rowOf(shop), RegisterModel::CategoryColumn)
                  .data(RegisterModel::CategoryLabelsRole)
                  .toStringList(),
              (QStringList{"Home: ", "Food: ", "Uncategorized: "}));
    EXPECT_EQ(model()
                  .index(rowOf(shop), RegisterModel::CategoryColumn)
                  .data(RegisterModel::CategoryAmountsRole)
                  .toStringList(),
              (QStringList{"-30.00", "-60.00", "-6.00"}));
    EXPECT_EQ(text(shop, RegisterModel::DescriptionColumn, RegisterModel::CheckNumberRole), "1042");
    // Three category lines make the row taller than one with a title alone; notes too.
    EXPECT_GT(table().rowHeight(rowOf(shop)), table().rowHeight(rowOf(pay)));
}

// In a narrow list (a report's, a budget's) the category column gives way so that the
// description is never the narrower of the two; a wide register keeps it at its full width,
// and a width set by hand is kept.
TEST_F(RegisterTest, CategoryColumnGivesWayToTheDescriptionWhenNarrow) {
    controller->showTransactionsForAccount(*account);
    QHeaderView& header = *table().header();
    const auto width = [&](int column) { return header.sectionSize(column); };
    const int full = width(RegisterModel::CategoryColumn);
    window->resize(1200, 480);
    QApplication::processEvents();
    EXPECT_EQ(width(RegisterModel::CategoryColumn), full);
    EXPECT_GT(width(RegisterModel::DescriptionColumn), full);

    window->resize(520, 480);
    QApplication::processEvents();
    EXPECT_LT(width(RegisterModel::CategoryColumn), full);
    EXPECT_GE(width(RegisterModel::DescriptionColumn), width(RegisterModel::CategoryColumn));
    int sum = 0;
    for (int column = 0; column < header.count(); ++column) {
        sum += header.isSectionHidden(column) ? 0 : width(column);
    }
    EXPECT_LE(sum, table().viewport()->width()) << "nothing is pushed out of sight";

    header.resizeSection(RegisterModel::CategoryColumn, 90);
    window->resize(1200, 480);
    QApplication::processEvents();
    EXPECT_EQ(width(RegisterModel::CategoryColumn), 90);
}

TEST_F(RegisterTest, StatusLineCountsRowsAndTotalsTheSelection) {
    QSignalSpy status(controller, &TransactionsTableController::statusMessageChanged);
    Transaction* a = add(1, "A", "-12.50");
    Transaction* b = add(2, "B", "-1.00");
    a->setIsPending(true);
    controller->showTransactionsForAccount(*account);
    EXPECT_EQ(controller->statusMessage(), "2 transactions, $86.50 ledger balance");
    select({a, b});
    EXPECT_EQ(controller->statusMessage(), "2 of 2 transactions, -$13.50 selected");
    select({a});
    controller->toggleStatusMessage();
    EXPECT_EQ(controller->statusMessage(), "2 transactions, $99.00 reconciled balance");
    EXPECT_EQ(status.last().first().toString(), controller->statusMessage());
    controller->showAllTransactions();
    controller->toggleStatusMessage();  // only an account's register switches
    EXPECT_EQ(controller->statusMessage(), "2 transactions, $86.50 ledger balance");
    controller->showTransactions({b});
    EXPECT_EQ(controller->statusMessage(), "1 transaction");
}

TEST_F(RegisterTest, FlagClicksByKind) {
    Transaction* typed = add(1, "Typed", "-1.00");
    Transaction* bank = imported(2, "Bank", "-2.00");
    Transaction* plan = projected(3, "Plan");
    ASSERT_FALSE(ctx.save().has_value());
    controller->showTransactionsForAccount(*account);
    QWidget* viewport = table().viewport();

    QTest::mouseMove(viewport, flagPoint(typed));
    EXPECT_EQ(table().mouseOverFlag(), rowOf(typed));
    EXPECT_EQ(text(typed, RegisterModel::FlagColumn, RegisterModel::FlagImageRole),
              "pendingFlagGray");
    QTest::mouseClick(viewport, Qt::LeftButton, {}, flagPoint(typed));
    EXPECT_TRUE(typed->isPending());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, flagPoint(bank));
    EXPECT_FALSE(bank->isNew());
    EXPECT_FALSE(bank->isPending());
    const int savesBefore = saves;
    QTest::mouseClick(viewport, Qt::LeftButton, {}, flagPoint(plan));
    EXPECT_FALSE(plan->isPending());
    EXPECT_EQ(saves, savesBefore);
    EXPECT_FALSE(ctx.hasChanges());
    // A flag click does not select.
    EXPECT_TRUE(controller->selectedTransactions().empty());

    select({bank});
    EXPECT_EQ(controller->toggleTransactionFlagMenuItem().title, "Mark as New");
    controller->toggleTransactionFlag();
    EXPECT_TRUE(bank->isNew());
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(RegisterTest, EditingAnImportedNewTransactionReviewsIt) {
    add(1, "Older", "-1.00");
    Transaction* bank = imported(5, "Bank", "-2.00");
    add(9, "Newer", "-3.00");
    controller->showAllTransactions();
    select({bank});
    QSignalSpy closed(controller, &TransactionsTableController::didCloseEditPanelForTransaction);
    controller->showEditPanel();
    ASSERT_TRUE(controller->editPanelIsOpen());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->showedAccountRow);  // not one account's register
    EXPECT_EQ(table().rowHeight(rowOf(bank)), editor->height());
    EXPECT_EQ(editor->geometry().top(), table().rowRect(rowOf(bank)).top());

    // The panel grows: the row follows.
    editor->setFixedHeight(170);
    QApplication::processEvents();
    EXPECT_EQ(table().rowHeight(rowOf(bank)), 170);

    editor->edit = [](Transaction& t) { t.setDate(day(12)); };
    editor->pressReturn();
    EXPECT_FALSE(controller->editPanelIsOpen());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(bank->isNew());
    EXPECT_FALSE(ctx.hasChanges());
    ASSERT_EQ(closed.size(), 1);
    // Re-sorted to the top and still selected.
    EXPECT_EQ(rowOf(bank), 0);
    EXPECT_EQ(controller->selectedTransactions(), std::vector<Transaction*>{bank});
    EXPECT_LT(table().rowHeight(0), 170);
}

TEST_F(RegisterTest, SelectingAnotherRowWhileEditingSavesAndKeepsTheNewSelection) {
    Transaction* edited = add(1, "Edited", "-1.00");
    Transaction* other = add(5, "Other", "-2.00");
    controller->showTransactionsForAccount(*account);
    select({edited});
    controller->showEditPanel();
    editor->edit = [](Transaction& t) { t.setDate(day(9)); };  // moves above `other`
    select({other});
    EXPECT_FALSE(controller->editPanelIsOpen());
    EXPECT_EQ(editor->writes, 1);
    EXPECT_EQ(edited->date(), day(9));
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(controller->selectedTransactions(), std::vector<Transaction*>{other});
}

TEST_F(RegisterTest, DeletingAsksAndLeavesProjectedTransactionsAlone) {
    Transaction* rent = add(1, "Rent", "-1.00");
    Transaction* food = add(2, "Food", "-1.00");
    Transaction* plan = projected(3, "Plan");
    ASSERT_FALSE(ctx.save().has_value());
    controller->showTransactionsForAccount(*account);

    select({plan});
    const int savesBefore = saves;
    controller->deleteSelectedTransactions();
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(saves, savesBefore);
    EXPECT_FALSE(plan->isDeleted());

    select({rent, plan, food});
    alerts.answers = {1};  // Cancel
    controller->deleteSelectedTransactions();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message,
              "Are you sure you want to delete the selected 2 transactions?");
    EXPECT_EQ(alerts.shown[0].buttons, (QStringList{"Delete", "Cancel"}));
    EXPECT_EQ(model().rowCount(), 3);

    select({rent});
    alerts.answers = {0};
    QTest::keyClick(&table(), Qt::Key_Delete);
    EXPECT_EQ(alerts.shown.back().message,
              "Are you sure you want to delete the transaction \"Rent\"?");
    EXPECT_TRUE(rent->isDeleted());
    EXPECT_EQ(model().rowCount(), 2);
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(controller->statusMessage(), "2 transactions, $89.00 ledger balance");
}

TEST_F(RegisterTest, AddingUsesTheStickyDateAndOpeningAProjectionRevealsItsSchedule) {
    add(1, "Old", "-1.00");
    sticky.setIsOn(true);
    sticky.setLastEnteredDate(day(4));
    controller->showTransactionsForAccount(*account);
    controller->addTransaction();
    Transaction* added = editor->transaction();
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(editor->wasAdding);
    EXPECT_FALSE(editor->showedAccountRow);
    EXPECT_EQ(added->date(), day(4));
    EXPECT_EQ(controller->selectedTransactions(), std::vector<Transaction*>{added});
    editor->edit = [](Transaction& t) { t.setDate(day(7)); };
    editor->pressEscape();
    EXPECT_FALSE(controller->editPanelIsOpen());
    EXPECT_EQ(sticky.lastEnteredDate(), day(7));

    Transaction* plan = projected(20, "Plan");
    controller->refreshTransactionsView();
    QSignalSpy reveal(controller, &TransactionsTableController::revealScheduledItemRequested);
    select({plan});
    QTest::keyClick(&table(), Qt::Key_Return);
    EXPECT_FALSE(controller->editPanelIsOpen());
    ASSERT_EQ(reveal.size(), 1);
}

TEST_F(RegisterTest, MatchingByHandAsksAndMerges) {
    Transaction* typed = add(1, "Typed", "-49.00");
    typed->setIsPending(true);
    Transaction* bank = imported(2, "BANK", "-50.00");
    Transaction* other = add(3, "Other", "-1.00");
    controller->showTransactionsForAccount(*account);

    select({typed, other});
    controller->matchTransactions();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message, "You must select a pending and an imported transaction.");

    select({bank, typed});
    alerts.answers = {0, 2};  // Match, then Use Pending Amount
    controller->matchTransactions();
    ASSERT_EQ(alerts.shown.size(), 3u);
    EXPECT_EQ(alerts.shown[1].message, "Are you sure you want to match these two transactions?");
    EXPECT_EQ(alerts.shown[2].buttons,
              (QStringList{"Use Imported Amount", "Cancel", "Use Pending Amount"}));
    EXPECT_TRUE(bank->isDeleted());
    EXPECT_TRUE(typed->isMatched());
    EXPECT_EQ(typed->amount(), dec("-49.00"));
    EXPECT_EQ(model().rowCount(), 2);
    EXPECT_EQ(controller->selectedTransactions(), std::vector<Transaction*>{typed});
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(RegisterTest, KeysMoveEditAndCloseAndUndoKeepsThePlace) {
    for (int d = 1; d <= 40; ++d) {
        add(d % 28 + 1, "Row", "-1.00");
    }
    controller->showTransactionsForAccount(*account);
    controller->focus();
    select({model().transactionAt(0)});
    QTest::keyClick(&table(), Qt::Key_Down);
    QTest::keyClick(&table(), Qt::Key_Down);
    EXPECT_EQ(controller->selectedRows(), std::vector<int>{2});
    QTest::keyClick(&table(), Qt::Key_End);
    EXPECT_EQ(controller->selectedRows(), std::vector<int>{39});
    EXPECT_GT(table().verticalScrollBar()->value(), 0);

    QTest::keyClick(&table(), Qt::Key_Return);
    EXPECT_TRUE(controller->editPanelIsOpen());
    QTest::keyClick(&table(), Qt::Key_Escape);
    EXPECT_FALSE(controller->editPanelIsOpen());

    Transaction* selected = controller->selectedTransactions().front();
    Transaction* top = model().transactionAt(table().rowAt(0));
    {
        UndoGrouping group(ctx.undoManager());
        ctx.deleteObject(*model().transactionAt(0));
    }
    controller->refreshTransactionsView();
    EXPECT_EQ(model().rowCount(), 39);
    EXPECT_EQ(model().transactionAt(table().rowAt(0)), top);
    ctx.undo();
    controller->refreshTransactionsView();
    EXPECT_EQ(model().rowCount(), 40);
    EXPECT_EQ(controller->selectedTransactions(), std::vector<Transaction*>{selected});
    EXPECT_EQ(model().transactionAt(table().rowAt(0)), top);
}

// A report lists its figure's transactions again after each edit: the person stays where
// they were. An editor whose transaction an undo took away writes nothing back.
TEST_F(RegisterTest, ListReloadKeepsThePlaceAndAGoneEditedRowIsNotWrittenBack) {
    std::vector<Transaction*> listed;
    for (int d = 1; d <= 40; ++d) {
        listed.push_back(add(d % 28 + 1, "Row", "-1.00"));
    }
    controller->showTransactions(listed);
    Transaction* selected = model().transactionAt(30);
    select({selected});
    table().scrollTo(model().index(39, 0));
    ASSERT_GT(table().verticalScrollBar()->value(), 0);
    Transaction* top = model().transactionAt(table().rowAt(0));
    listed.erase(std::find(listed.begin(), listed.end(), model().transactionAt(0)));
    controller->reloadTransactions(listed);
    EXPECT_EQ(model().rowCount(), 39);
    EXPECT_EQ(controller->selectedTransactions(), std::vector<Transaction*>{selected});
    EXPECT_EQ(model().transactionAt(table().rowAt(0)), top);

    controller->showEditPanel();
    ASSERT_TRUE(controller->editPanelIsOpen());
    const int writes = editor->writes;
    {
        UndoGrouping group(ctx.undoManager());
        ctx.deleteObject(*selected);
    }
    EXPECT_TRUE(controller->commitEditing());
    EXPECT_FALSE(controller->editPanelIsOpen());
    EXPECT_EQ(editor->writes, writes);
}

TEST_F(RegisterTest, SearchFindsWordsCategoriesAndAmounts) {
    Category* car = ctx.insert<Category>();
    car->setName("Rental car");
    add(1, "Rent", "-1200.00");
    Transaction* hertz = add(2, "Hertz", "-80.00");
    (*hertz->splits().begin())->setCategory(car);
    add(3, "Cafe", "-4.00");
    add(4, "Bakery", "-45.50");
    SearchResultsController search(ctx, alerts, sticky, save(), new FakeRowEditor);
    QSignalSpy status(&search, &SearchResultsController::statusMessageChanged);
    struct Case {
        const char* text;
        const char* status;
    };
    const Case cases[] = {
        {"rent", "Found 2 transactions"},
        {"café", "Found 1 transaction"},
        {"45.5", "Found 1 transaction"},
        {"nothing", "Found 0 transactions"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        search.searchWithString(QString::fromUtf8(c.text), {});
        EXPECT_EQ(status.last().first().toString(), c.status);
        EXPECT_TRUE(search.tableController().selectedTransactions().empty());
    }
    search.searchWithString("rent", {});
    EXPECT_EQ(search.tableController().model().transactionAt(0), hertz);
}

}  // namespace
