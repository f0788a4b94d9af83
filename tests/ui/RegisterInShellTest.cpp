// The register and its editor inside the main window: what the source list shows, the menu
// commands on its rows, the status line, and pictures of the editor open over a row.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "ShellFixture.h"
#include "WidgetInput.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Transaction.h"
#include "session/MenuCommand.h"
#include "store/ObjectContext.h"
#include "ui/breakdown/BreakdownController.h"
#include "ui/breakdown/BreakdownView.h"
#include "ui/common/AmountField.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/UserDefaults.h"
#include "ui/editor/EditViewController.h"
#include "ui/preferences/CategoriesController.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterTransactionList.h"
#include "ui/register/RegisterViewController.h"
#include "ui/register/StatusField.h"
#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/MainWindow.h"
#include "ui/welcome/WelcomeController.h"

namespace {

class RegisterInShell : public ShellFixture {
protected:
    void startOnSample() {
        start();
        m_delegate->welcomeController().showSample();
        m_delegate->sizeForScreenshot();
        QApplication::processEvents();
    }
    AppController& controller() { return m_delegate->appController(); }
    TransactionsTableController& table() {
        return dynamic_cast<RegisterViewController&>(controller().registerController())
            .tableController();
    }
    EditViewController& editor() { return dynamic_cast<EditViewController&>(*table().editor()); }
    QString status() { return m_delegate->window().statusField()->text(); }
    Account& checking() {
        return *Account::findFirstByPredicate(
            [](const Account& a) { return a.name() == "Checking"; }, context());
    }
    void select(const SourceListItem& item) { controller().selectSourceListItem(item); }
    void selectNewest() { table().selectTransaction(*table().model().transactionAt(0)); }
    // The breakdown of the last twelve months, drilled down to the transactions behind the
    // largest figure.
    BreakdownController& drillBreakdownToTransactions() {
        m_menu->trigger(MenuCommand::ShowBreakdown);
        auto* breakdown = dynamic_cast<BreakdownController*>(controller().contentView());
        EXPECT_NE(breakdown, nullptr);
        breakdown->showFixedPeriod(BreakdownPeriods::FixedPeriod::Last12Months);
        for (int level = 0; level < 3 && breakdown->transactionList() == nullptr; ++level) {
            breakdown->clickedKey(*breakdown->breakdownView().rows().front().key);
        }
        QApplication::processEvents();
        return *breakdown;
    }
};

TEST_F(RegisterInShell, EachRegisterItemShowsItsRowsAndBalanceInTheStatusLine) {
    startOnSample();
    AccountGroup* group =
        AccountGroup::findFirstByPredicate([](const AccountGroup&) { return true; }, context());
    ASSERT_NE(group, nullptr);
    const struct {
        const char* name;
        SourceListItem item;
        bool toolbar;
    } cases[] = {
        {"account", SourceListItem::forObject(&checking()), true},
        {"group", SourceListItem::forObject(group), false},
        {"all accounts", SourceListItem::fixed(SourceListItem::Kind::AllAccounts), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        select(c.item);
        EXPECT_EQ(controller().contentView(), controller().transactionsView());
        EXPECT_EQ(controller().isShowingTransactionsViewForAccount(), c.toolbar);
        const int rows = table().model().rowCount();
        EXPECT_GT(rows, 0);
        EXPECT_TRUE(status().startsWith(QString::number(rows) + " transactions, "));
        EXPECT_TRUE(status().endsWith(" ledger balance"));
    }
    // The status line's click and the View menu switch an account to its reconciled balance;
    // choosing the account again switches back.
    select(SourceListItem::forObject(&checking()));
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_delegate->window().statusField(), &click);
    EXPECT_TRUE(status().endsWith(" reconciled balance"));
    m_menu->trigger(MenuCommand::ToggleStatusMessage);
    EXPECT_TRUE(status().endsWith(" ledger balance"));
}

TEST_F(RegisterInShell, MenuCommandsAddEditFlagAndDeleteTheSelectedRows) {
    startOnSample();
    select(SourceListItem::forObject(&checking()));
    focusWidget(&table().table());
    const int rows = table().model().rowCount();

    // New Transaction opens the editor on a new row; Edit Transaction saves and closes it.
    m_menu->trigger(MenuCommand::NewTransaction);
    // A transaction joining an account is no change of the source list: no reload of it may
    // re-run the selection handling and close the editor.
    QApplication::processEvents();
    ASSERT_TRUE(table().editPanelIsOpen());
    EXPECT_EQ(table().model().rowCount(), rows + 1);
    editor().titleField()->setText("Bakery");
    editor().amountField()->setText("4.50");
    m_menu->trigger(MenuCommand::EditTransaction);
    EXPECT_FALSE(table().editPanelIsOpen());
    EXPECT_FALSE(context().hasChanges());
    Transaction* added = table().selectedTransactions().at(0);
    EXPECT_EQ(added->title(), "Bakery");
    EXPECT_EQ(added->amount(), Decimal::fromString("4.50"));

    // The flag item reads the selection; Delete acts on the rows while the table has the focus.
    EXPECT_EQ(QApplication::focusWidget(), &table().table());
    EXPECT_EQ(m_menu->validate(MenuCommand::ToggleTransactionFlag).text(),
              added->isPending() ? "Mark as Not Pending" : "Mark as Pending");
    const bool pending = added->isPending();
    m_menu->trigger(MenuCommand::ToggleTransactionFlag);
    EXPECT_EQ(added->isPending(), !pending);
    m_alerts.answers = {0};
    m_menu->trigger(MenuCommand::DeleteItem);
    ASSERT_FALSE(m_alerts.shown.empty());
    EXPECT_EQ(m_alerts.shown.back().message,
              "Are you sure you want to delete the transaction \"Bakery\"?");
    EXPECT_EQ(table().model().rowCount(), rows);
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(&checking(), controller().selectedSourceListItem().account());

    // Edit Transaction opens the editor over the selected row; Escape closes it.
    selectNewest();
    m_menu->trigger(MenuCommand::EditTransaction);
    EXPECT_TRUE(table().editPanelIsOpen());
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(table().editPanelIsOpen());
}

TEST_F(RegisterInShell, SearchResultsAreARegisterWithTheirOwnStatusAndCommands) {
    startOnSample();
    select(SourceListItem::forObject(&checking()));
    m_delegate->window().searchField()->setText("a");
    ASSERT_TRUE(controller().isShowingSearchView());
    EXPECT_TRUE(status().startsWith("Found "));
    EXPECT_TRUE(m_menu->validate(MenuCommand::MatchTransactions).isEnabled());
    m_delegate->window().searchField()->clear();
    EXPECT_TRUE(status().endsWith(" ledger balance"));
    EXPECT_FALSE(m_menu->validate(MenuCommand::EditTransaction).isEnabled());
}

// The breakdown lists a figure's transactions in a register of its own, edited in place; the
// list is read again after each edit, keeping the row the person was on.
TEST_F(RegisterInShell, TheBreakdownListsAFiguresTransactionsInItsOwnRegister) {
    startOnSample();
    BreakdownController& breakdown = drillBreakdownToTransactions();
    auto* list = dynamic_cast<RegisterTransactionList*>(breakdown.transactionList());
    ASSERT_NE(list, nullptr);
    TransactionsTableController& drilled = list->tableController();
    EXPECT_NE(&drilled, &table());
    EXPECT_EQ(breakdown.currentContent(), &drilled.table());
    EXPECT_TRUE(drilled.table().isVisible());
    EXPECT_EQ(breakdown.breadcrumbPath().crumbs().size(), 3u);

    // The rows are the figure's transactions, each titled as in the register.
    const std::vector<Transaction*> behind = breakdown.report().page().transactions;
    const RegisterModel& rows = drilled.model();
    ASSERT_GT(rows.rowCount(), 3);
    EXPECT_EQ(rows.rowCount(), static_cast<int>(behind.size()));
    for (int row = 0; row < rows.rowCount(); ++row) {
        EXPECT_NE(std::find(behind.begin(), behind.end(), rows.transactionAt(row)), behind.end());
    }
    Transaction* edited = rows.transactionAt(2);
    EXPECT_EQ(rows.index(2, RegisterModel::DescriptionColumn).data().toString(),
              QString::fromUtf8(edited->title().value_or("")));
    EXPECT_TRUE(drilled.selectedRows().empty());
    EXPECT_EQ(status(), drilled.statusMessage());
    EXPECT_TRUE(status().startsWith(QString::number(rows.rowCount()) + " transactions"));

    // The Transaction menu acts on the list's selected row.
    EXPECT_FALSE(m_menu->validate(MenuCommand::EditTransaction).isEnabled());
    drilled.selectTransaction(*rows.transactionAt(0));
    ASSERT_TRUE(m_menu->validate(MenuCommand::EditTransaction).isEnabled());
    Transaction* first = rows.transactionAt(0);
    const bool flag = first->isPending() || first->isNew();
    ASSERT_TRUE(m_menu->validate(MenuCommand::ToggleTransactionFlag).isEnabled());
    m_menu->trigger(MenuCommand::ToggleTransactionFlag);
    EXPECT_EQ(first->isPending() || first->isNew(), !flag);
    context().undo();
    drilled.selectTransaction(*first);

    // Edited and saved from its own editor: still listed, still selected, saved.
    drilled.selectTransaction(*edited);
    drilled.editTransaction();
    ASSERT_TRUE(drilled.editPanelIsOpen());
    auto& editor = dynamic_cast<EditViewController&>(*drilled.editor());
    editor.titleField()->setText("Corner Shop");
    const int scrolled = drilled.table().verticalScrollBar()->value();
    drilled.editTransaction();
    EXPECT_FALSE(drilled.editPanelIsOpen());
    EXPECT_FALSE(context().hasChanges());
    EXPECT_EQ(edited->title(), "Corner Shop");
    EXPECT_EQ(drilled.selectedTransactions(), std::vector<Transaction*>{edited});
    EXPECT_EQ(drilled.table().verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(rows.rowCount(), static_cast<int>(behind.size()));
    saveScreenshot(m_delegate->window(), "main-window-breakdown-transactions");

    // An editor left open is written back by the next save of the store.
    drilled.editTransaction();
    editor.titleField()->setText("Corner Shop Two");
    ASSERT_TRUE(m_delegate->appController().save());
    EXPECT_FALSE(drilled.editPanelIsOpen());
    EXPECT_EQ(edited->title(), "Corner Shop Two");
    EXPECT_EQ(drilled.selectedTransactions(), std::vector<Transaction*>{edited});

    // Back at the figures, neither the list's status nor its rows stay behind.
    breakdown.clickedCrumb(0);
    EXPECT_NE(breakdown.currentContent(), &drilled.table());
    EXPECT_TRUE(status().isEmpty());
    EXPECT_FALSE(m_menu->validate(MenuCommand::EditTransaction).isEnabled());
}

// "Edit Categories..." in a category menu of any register's editor opens the preferences on
// their categories pane.
TEST_F(RegisterInShell, EveryRegistersEditorOpensTheCategoriesPane) {
    startOnSample();
    MBPreferencesController& preferences = controller().preferences();
    preferences.setAnimated(false);
    select(SourceListItem::forObject(&checking()));
    RowEditor* registerEditor = table().editor();
    BreakdownController& breakdown = drillBreakdownToTransactions();
    auto* list = dynamic_cast<RegisterTransactionList*>(breakdown.transactionList());
    ASSERT_NE(list, nullptr);
    const struct {
        const char* name;
        RowEditor* editor;
    } cases[] = {{"register", registerEditor}, {"breakdown", list->tableController().editor()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.editor, nullptr);
        preferences.window().hide();
        emit c.editor->editCategoriesRequested();
        EXPECT_TRUE(preferences.window().isVisible());
        ASSERT_NE(preferences.currentModule(), nullptr);
        EXPECT_EQ(preferences.currentModule()->identifier(), CategoriesController::kIdentifier);
    }
}

// The main window with the editor open over a row, on one category and split.
TEST_F(RegisterInShell, Screenshots) {
    startOnSample();
    select(SourceListItem::fixed(SourceListItem::Kind::AllAccounts));
    saveScreenshot(m_delegate->window(), "main-window-register-all-accounts");
    select(SourceListItem::forObject(&checking()));
    selectNewest();
    table().editTransaction();
    ASSERT_TRUE(table().editPanelIsOpen());
    editor().setAnimated(false);
    saveScreenshot(m_delegate->window(), "main-window-register-editor");
    editor().split();
    editor().addSplitRow();
    saveScreenshot(m_delegate->window(), "main-window-register-editor-split");
}

}  // namespace
