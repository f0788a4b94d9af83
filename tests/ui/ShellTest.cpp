#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ShellFixture.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "scheduled/ScheduledItem.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"
#include "ui/accounts/AccountSheet.h"
#include "ui/breakdown/BreakdownController.h"
#include "ui/breakdown/BreakdownView.h"
#include "ui/common/AmountField.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/preferences/CategoriesController.h"
#include "ui/preferences/CategoriesModel.h"
#include "ui/preferences/CurrenciesController.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/sourcelist/SourceListModel.h"
#include "ui/trends/TrendsController.h"
#include "ui/welcome/QuitSamplePanel.h"
#include "ui/welcome/WelcomeController.h"

namespace {

using Kind = SourceListItem::Kind;

// The titles under "Transactions", top to bottom, groups' children indented.
QStringList transactionsRows(const SourceListModel& model) {
    QStringList rows;
    const QModelIndex header = model.index(0, 0);
    for (int i = 0; i < model.rowCount(header); ++i) {
        const QModelIndex row = model.index(i, 0, header);
        rows << row.data().toString();
        for (int j = 0; j < model.rowCount(row); ++j) {
            rows << "  " + model.index(j, 0, row).data().toString();
        }
    }
    return rows;
}

class Shell : public ShellFixture {
protected:
    // Starts on the sample household, past the welcome window.
    void startOnSample() {
        start();
        m_delegate->welcomeController().showSample();
    }
    AppController& controller() { return m_delegate->appController(); }
    SourceListModel& model() { return *controller().sourceListModel(); }
    Account* account(const std::string& name) {
        return Account::findFirstByPredicate([&](const Account& a) { return a.name() == name; },
                                             context());
    }
    AccountGroup* group(const std::string& name) {
        return AccountGroup::findFirstByPredicate(
            [&](const AccountGroup& g) { return g.name() == name; }, context());
    }
    void select(ManagedObject* object) {
        controller().selectSourceListItem(SourceListItem::forObject(object));
    }
    // Drags `node` and drops it on `parent` at `row`; true when the drop was accepted.
    bool drag(Node* node, const SourceListItem& parent, int row) {
        const QModelIndex from = model().indexForItem(SourceListItem::forObject(node));
        std::unique_ptr<QMimeData> data(model().mimeData({from}));
        return model().dropMimeData(data.get(), Qt::MoveAction, row, 0,
                                    model().indexForItem(parent));
    }
    QAction& action(MenuCommand command) { return m_menu->validate(command); }
};

// The sample's panel stands beside the main window when the screen has room for it, else
// over the window's bottom left, clear of the toolbar buttons at its top right.
TEST(QuitSamplePanelPlacement, BesideTheWindowOrOverItsBottomLeft) {
    const QSize panel(260, 110);
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(QuitSamplePanel::placement(QRect(100, 50, 900, 600), screen, panel),
              QPoint(1011, 110));
    // No room on the right: a maximized window, or one near the screen's right edge.
    EXPECT_EQ(QuitSamplePanel::placement(QRect(0, 0, 1920, 1080), screen, panel),
              QPoint(12, 1079 - 48 - 110));
    EXPECT_EQ(QuitSamplePanel::placement(QRect(1000, 100, 800, 600), screen, panel),
              QPoint(1012, 699 - 48 - 110));
}

// A sheet open on the sample's window blocks the sample's panel as it blocks the window:
// leaving the sample would otherwise leave the sheet on screen, working on the sample.
TEST_F(Shell, ASheetOnTheSampleWindowBlocksTheQuitSamplePanel) {
    startOnSample();
    QuitSamplePanel* panel = m_delegate->quitSamplePanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isVisible());
    auto* button = panel->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    int quitRequests = 0;
    QObject::connect(panel, &QuitSamplePanel::quitSampleRequested, [&] { ++quitRequests; });
    const auto clickQuit = [&] {
        QTest::mouseClick(panel->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(panel, button->rect().center()));
    };
    whenDialogShows([&](QDialog& dialog) {
        clickQuit();
        EXPECT_EQ(quitRequests, 0);
        dialog.reject();
    });
    controller().commands().addAccount();
    clickQuit();
    EXPECT_EQ(quitRequests, 1);
}

TEST_F(Shell, FirstStartShowsTheWelcomeWindowAndNoMainWindow) {
    start();
    EXPECT_TRUE(m_delegate->isWelcomeWindowVisible());
    EXPECT_FALSE(m_delegate->window().isVisible());
    EXPECT_EQ(openCount(StoreKind::SQLite), 0);
    // Only the support link works while the welcome window is up.
    EXPECT_FALSE(action(MenuCommand::NewAccount).isEnabled());
    EXPECT_FALSE(action(MenuCommand::DeleteItem).isEnabled());
    EXPECT_TRUE(action(MenuCommand::ShowSupport).isEnabled());
}

TEST_F(Shell, WithTheWelcomeDefaultOffTheMainWindowOpensOnTheNormalStore) {
    m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);
    start();
    EXPECT_FALSE(m_delegate->isWelcomeWindowVisible());
    EXPECT_TRUE(m_delegate->window().isVisible());
    EXPECT_FALSE(m_delegate->sampleMode());
    EXPECT_EQ(openCount(StoreKind::SQLite), 1);
    EXPECT_EQ(openCount(StoreKind::XML), 0);
}

TEST_F(Shell, NewStoreShowsAllAccountsAndTheAddAccountMessageThenScheduledAfterTheFirstAccount) {
    m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);
    m_defaults->setBool(DefaultsKeys::kShouldShowAccountHelp, false);
    start();
    EXPECT_EQ(Node::countInContext(context()), 1u);
    EXPECT_EQ(transactionsRows(model()), QStringList({"All Accounts"}));
    EXPECT_EQ(controller().selectedSourceListItem().kind(), Kind::AllAccounts);
    EXPECT_EQ(controller().contentView(), controller().addAccountMessageView());

    whenDialogShows([](QDialog& dialog) {
        auto& sheet = dynamic_cast<AccountSheet&>(dialog);
        EXPECT_EQ(sheet.nameField()->text(), "New Account");
        EXPECT_EQ(sheet.nameField()->selectedText(), "New Account");
        EXPECT_EQ(sheet.typePopUp()->currentText(), "Checking");
        EXPECT_EQ(sheet.currencyPopUp()->itemText(0), "US Dollars");
        sheet.balanceField()->setText("125.505");
        dialog.done(1);
    });
    controller().commands().addAccount();
    EXPECT_EQ(transactionsRows(model()), QStringList({"All Accounts", "New Account", "Scheduled"}));
    Account* created = account("New Account");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->startBalance(), Decimal::fromString("125.51"));
    EXPECT_EQ(created->startBalanceDate(), Date::dateWithYear_PN(2026, 3, 14));
    EXPECT_EQ(controller().selectedSourceListItem().account(), created);
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(Shell, DropsMoveNodesWhereTheListShowsThemAndRefuseTheRest) {
    startOnSample();
    ASSERT_EQ(transactionsRows(model()),
              QStringList({"All Accounts", "Bank", "  Checking", "  Savings", "Visa Card", "Wallet",
                           "Euro Account", "Scheduled"}));
    const auto header = SourceListItem::fixed(Kind::TransactionsHeader);
    const auto bank = SourceListItem::forObject(group("Bank"));
    // Above "All Accounts", onto the header, below "Scheduled": refused.
    EXPECT_FALSE(drag(account("Wallet"), header, 0));
    EXPECT_FALSE(drag(account("Wallet"), header, -1));
    EXPECT_FALSE(drag(account("Wallet"), header, 6));
    // A group does not go into a group.
    auto* other = context().insert<AccountGroup>();
    other->setName("Other");
    other->moveTo(&controller().accountsRoot(), 3);
    controller().reloadSourceList();
    EXPECT_FALSE(drag(other, bank, -1));

    EXPECT_TRUE(drag(account("Wallet"), header, 1));  // right under "All Accounts"
    EXPECT_EQ(account("Wallet")->index(), 0);
    EXPECT_TRUE(drag(account("Visa Card"), bank, -1));  // onto the group: first in it
    EXPECT_EQ(transactionsRows(model()),
              QStringList({"All Accounts", "Wallet", "Bank", "  Visa Card", "  Checking",
                           "  Savings", "Other", "Euro Account", "Scheduled"}));
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(Shell, DeletingFollowsTheRulesOfEachKindAndFixesTheSelection) {
    startOnSample();
    select(group("Bank"));
    controller().commands().deleteItem();
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message,
              "Account group cannot be deleted because it still contains accounts.");
    EXPECT_NE(group("Bank"), nullptr);

    select(account("Visa Card"));
    m_alerts.answers = {1};  // Cancel
    controller().commands().deleteItem();
    EXPECT_EQ(m_alerts.shown.back().message, "Are you sure you want to delete this account?");
    EXPECT_NE(account("Visa Card"), nullptr);
    controller().commands().deleteItem();  // Delete
    EXPECT_EQ(account("Visa Card"), nullptr);
    // The row below moves up into the selection.
    EXPECT_EQ(controller().selectedSourceListItem().account(), account("Wallet"));
    EXPECT_EQ(controller().accountsRoot().children().size(), 3u);

    Budget* budget = Budget::allInContext(context()).front();
    select(budget);
    controller().commands().deleteItem();
    EXPECT_EQ(m_alerts.shown.back().message, "Are you sure you want to delete this budget?");
    EXPECT_TRUE(Budget::allInContext(context()).empty());
    // Nothing is left in the selected row: "All Accounts" when no budget remains.
    EXPECT_EQ(controller().selectedSourceListItem().kind(), Kind::AllAccounts);
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(Shell, MenuTitlesFollowTheSelection) {
    startOnSample();
    struct Case {
        SourceListItem item;
        QString deleteTitle;
        bool deleteEnabled;
        QString newTitle;
        bool newEnabled;
    };
    const Case cases[] = {
        {SourceListItem::forObject(account("Checking")), "Delete Account...", true,
         "New Transaction", true},
        {SourceListItem::forObject(group("Bank")), "Delete Account Group", true, "New Transaction",
         false},
        {SourceListItem::forObject(Budget::allInContext(context()).front()), "Delete Budget...",
         true, "New Transaction", false},
        {SourceListItem::fixed(Kind::Scheduled), "Delete", false, "New Scheduled Transaction",
         true},
        {SourceListItem::fixed(Kind::AllAccounts), "Delete", false, "New Transaction", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleteTitle.toStdString() + " / " + c.newTitle.toStdString());
        controller().selectSourceListItem(c.item);
        EXPECT_EQ(action(MenuCommand::DeleteItem).text(), c.deleteTitle);
        EXPECT_EQ(action(MenuCommand::DeleteItem).isEnabled(), c.deleteEnabled);
        EXPECT_EQ(action(MenuCommand::NewTransaction).text(), c.newTitle);
        EXPECT_EQ(action(MenuCommand::NewTransaction).isEnabled(), c.newEnabled);
    }
}

TEST_F(Shell, StickyDateItemIsThereOnlyWithItsDefaultAndTogglesTheOption) {
    const auto stickyItem = [this]() -> QAction* {
        for (QAction* menu : m_delegate->window().menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                if (item->text() == "Keep Date of Last Transaction")
                    return item;
            }
        }
        return nullptr;
    };
    startOnSample();
    EXPECT_EQ(stickyItem(), nullptr);

    m_delegate.reset();
    m_defaults->setBool(DefaultsKeys::kShowStickyDateOption, true);
    startOnSample();
    QAction* item = stickyItem();
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(m_delegate->stickyDateIsOn());
    item->trigger();
    EXPECT_TRUE(m_delegate->stickyDateIsOn());
    item->trigger();
    EXPECT_FALSE(m_delegate->stickyDateIsOn());
}

TEST_F(Shell, CashAccountHidesTheImportButtonAndDisablesTheImportItem) {
    startOnSample();
    select(account("Checking"));
    EXPECT_FALSE(controller().isImportButtonHidden());
    EXPECT_TRUE(action(MenuCommand::ImportFromBank).isEnabled());
    select(account("Wallet"));
    EXPECT_TRUE(controller().isImportButtonHidden());
    EXPECT_FALSE(action(MenuCommand::ImportFromBank).isEnabled());
}

TEST_F(Shell, QuittingWithAFailingSaveKeepsTheProgramRunningAndShowsTheError) {
    m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);
    start();
    // A group outside the tree fails validation.
    auto* orphan = context().insert<AccountGroup>();
    EXPECT_FALSE(m_delegate->window().close());
    EXPECT_TRUE(m_delegate->window().isVisible());
    ASSERT_FALSE(m_alerts.shown.empty());
    EXPECT_EQ(m_alerts.shown.back().message, "Parent cannot be nil");
    EXPECT_TRUE(context().hasChanges());
    orphan->moveTo(&controller().accountsRoot(), 0);
    EXPECT_TRUE(m_delegate->applicationShouldTerminate());
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(Shell, DayChangeCheckRunsOncePerDay) {
    start();
    m_delegate->applicationDidBecomeActive();
    EXPECT_EQ(m_delegate->currentDate(), Date::dateWithYear_PN(2026, 3, 15));
    // It opened the normal store although the welcome window is still up.
    EXPECT_EQ(openCount(StoreKind::SQLite), 1);
    auto* root = context().insert<Node>();
    root->setIdentifier("accounts");
    auto* checking = context().insert<Account>();
    checking->moveTo(root, 0);
    auto* item = context().insert<ScheduledItem>();
    item->setTitle("Phone");
    item->setAmount(Decimal(-20));
    item->setAccount(checking);
    item->setNextDueDate(Date::dateWithYear_PN(2026, 3, 16));
    item->setReminderDays(3);
    m_delegate->applicationDidBecomeActive();
    EXPECT_TRUE(m_alerts.shown.empty());  // same day: nothing runs
    Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 16));
    m_delegate->applicationDidBecomeActive();
    EXPECT_EQ(m_delegate->currentDate(), Date::dateWithYear_PN(2026, 3, 16));
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "1 scheduled transaction is due.");
}

}  // namespace

namespace {

TEST_F(Shell, RenamingInPlaceSavesAndUndoBringsTheOldNameBack) {
    startOnSample();
    Account* wallet = account("Wallet");
    const QModelIndex row = model().indexForItem(SourceListItem::forObject(wallet));
    {
        UndoGrouping group(context().undoManager());
        ASSERT_TRUE(model().setData(row, "Purse", Qt::EditRole));
    }
    EXPECT_EQ(wallet->name(), "Purse");
    EXPECT_FALSE(context().hasChanges());
    m_delegate->undo();
    EXPECT_EQ(wallet->name(), "Wallet");
    EXPECT_TRUE(transactionsRows(model()).contains("Wallet"));
    EXPECT_FALSE(context().hasChanges());
}

TEST_F(Shell, SearchingFromABudgetSwitchesToAllAccountsAndKeepsTheText) {
    startOnSample();
    select(Budget::allInContext(context()).front());
    m_delegate->window().searchField()->setText("Grocer");
    EXPECT_EQ(controller().selectedSourceListItem().kind(), Kind::AllAccounts);
    EXPECT_EQ(m_delegate->window().searchField()->text(), "Grocer");
    EXPECT_TRUE(controller().isShowingSearchView());
    m_delegate->window().searchField()->clear();
    EXPECT_EQ(controller().contentView(), controller().transactionsView());

    // Choosing another item ends the search: the field empties and its clear button goes.
    m_delegate->window().searchField()->setText("Grocer");
    const auto clearButtonShown = [&] {
        QTest::qWait(400);  // the button fades
        for (const QToolButton* button :
             m_delegate->window().searchField()->findChildren<QToolButton*>()) {
            if (button->isVisible()) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(clearButtonShown());
    select(Budget::allInContext(context()).front());
    EXPECT_TRUE(m_delegate->window().searchField()->text().isEmpty());
    EXPECT_FALSE(clearButtonShown());
}

TEST_F(Shell, ReportsComeUpFromTheViewMenuAndKeepTheirChoiceThroughUndo) {
    startOnSample();
    m_menu->trigger(MenuCommand::ShowTrends);
    EXPECT_EQ(controller().selectedSourceListItem().kind(), Kind::TrendsChart);
    auto* trends = dynamic_cast<TrendsController*>(controller().contentView());
    ASSERT_NE(trends, nullptr);
    EXPECT_EQ(trends->popupButton().currentText(), "Balance");
    trends->popupButton().setCurrentIndex(trends->popupButton().findText("Expense"));
    trends->showSelectedChart();

    m_menu->trigger(MenuCommand::ShowBreakdown);
    EXPECT_EQ(controller().selectedSourceListItem().kind(), Kind::BreakdownChart);
    auto* breakdown = dynamic_cast<BreakdownController*>(controller().contentView());
    ASSERT_NE(breakdown, nullptr);
    EXPECT_EQ(breakdown->periodsButton().text(), "This Month");
    breakdown->showFixedPeriod(BreakdownPeriods::FixedPeriod::Last12Months);
    ASSERT_FALSE(breakdown->breakdownView().rows().empty());
    breakdown->clickedKey(*breakdown->breakdownView().rows().front().key);
    EXPECT_EQ(breakdown->breadcrumbPath().crumbs().size(), 2u);

    // A change made elsewhere is saved before the report computes its next page, and undoing
    // it recomputes the page where the person was.
    {
        UndoGrouping group(context().undoManager());
        account("Checking")->setName("Main Checking");
    }
    EXPECT_TRUE(context().hasChanges());
    breakdown->switchToIncome();
    EXPECT_FALSE(context().hasChanges());
    breakdown->switchToExpense();
    breakdown->clickedKey(*breakdown->breakdownView().rows().front().key);
    m_delegate->undo();
    EXPECT_EQ(account("Checking")->name(), "Checking");
    EXPECT_EQ(controller().contentView(), breakdown);
    EXPECT_EQ(breakdown->periodsButton().text(), "Last 12 Months");
    EXPECT_EQ(breakdown->breadcrumbPath().crumbs().size(), 2u);

    // Chosen again from the menu while hidden, each opens afresh.
    m_menu->trigger(MenuCommand::ShowTrends);
    EXPECT_EQ(controller().contentView(), trends);
    EXPECT_EQ(trends->popupButton().currentText(), "Balance");
    m_menu->trigger(MenuCommand::ShowBreakdown);
    EXPECT_EQ(breakdown->periodsButton().text(), "This Month");
}

TEST_F(Shell, PreferencesOpenOnTheStoreUndoFromTheirWindowAndAreMadeAgainOnTheNextStore) {
    startOnSample();
    MBPreferencesController& preferences = controller().preferences();
    preferences.setAnimated(false);
    EXPECT_EQ(action(MenuCommand::ShowPreferencePanel).shortcut(), QKeySequence("Ctrl+,"));
    action(MenuCommand::ShowPreferencePanel).trigger();
    ASSERT_EQ(preferences.modules().size(), 2u);
    EXPECT_TRUE(preferences.window().isVisible());
    preferences.showModule(CurrenciesController::kIdentifier);
    controller().editCategories();  // a category menu's "Edit Categories..."
    ASSERT_EQ(preferences.currentModule()->identifier(), CategoriesController::kIdentifier);

    auto& categories = *dynamic_cast<CategoriesController*>(preferences.currentModule());
    Category* gifts = Category::findByName("Gifts", context());
    categories.renameItem(categories.model().indexOf(gifts), "Presents");
    QApplication::processEvents();
    EXPECT_EQ(gifts->name(), "Presents");
    EXPECT_FALSE(context().hasChanges());
    // The menu's Undo works in the preferences window too, and the pane follows it.
    QAction& undo = action(MenuCommand::Undo);
    EXPECT_TRUE(preferences.window().actions().contains(&undo));
    undo.trigger();
    EXPECT_EQ(gifts->name(), "Gifts");
    EXPECT_EQ(categories.model().data(categories.model().indexOf(gifts), Qt::DisplayRole), "Gifts");

    // Leaving the sample closes the window; the next store gets panes of its own.
    m_delegate->quitSample();
    EXPECT_FALSE(preferences.window().isVisible());
    m_delegate->welcomeController().startPennora();
    EXPECT_TRUE(preferences.modules().empty());
    action(MenuCommand::ShowPreferencePanel).trigger();
    ASSERT_EQ(preferences.modules().size(), 2u);
    auto& fresh = *dynamic_cast<CategoriesController*>(
        preferences.moduleForIdentifier(CategoriesController::kIdentifier));
    EXPECT_EQ(fresh.model().rowCount(), 8);  // the default categories of a new store
}

}  // namespace
