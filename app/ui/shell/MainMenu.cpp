#include "ui/shell/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "session/MenuValidation.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UrlOpener.h"
#include "ui/common/UserDefaults.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/sourcelist/SourceListView.h"

MainMenu::MainMenu(ApplicationDelegate& delegate) : QObject(&delegate), m_delegate(delegate) {
    buildFileMenu();
    buildEditMenu();
    buildTransactionMenu();
    buildBudgetMenu();
    buildViewMenu();
    buildWindowMenu();
    buildHelpMenu();
    buildSegmentMenus();
}

QAction* MainMenu::add(QMenu* menu, MenuCommand command, const QString& title,
                       const QKeySequence& shortcut, std::function<void()> run) {
    QAction* action = m_actions.value(command);
    if (action == nullptr) {
        action = new QAction(title, &m_delegate.window());
        action->setShortcut(shortcut);
        m_delegate.window().addAction(action);
        m_actions.insert(command, action);
        m_commands.insert(action, command);
        // Titles the core decides come from it; the action stays enabled until validated, so
        // its shortcut reaches the check made before the command runs.
        const MenuItemState state = MenuValidation::validate(command, m_delegate.menuState());
        if (state.title) {
            action->setText(QString::fromStdString(*state.title));
        }
        connect(action, &QAction::triggered, this, [this, command, run] {
            if (validate(command).isEnabled()) {
                run();
            }
        });
    }
    menu->addAction(action);
    return action;
}

void MainMenu::validateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        const auto found = m_commands.find(action);
        if (found != m_commands.end()) {
            validate(found.value());
        }
    }
}

void MainMenu::validateAll() {
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        validate(it.key());
    }
}

QAction& MainMenu::validate(MenuCommand command) {
    QAction& action = *m_actions.value(command);
    const MenuItemState state = MenuValidation::validate(command, m_delegate.menuState());
    action.setEnabled(state.enabled);
    if (state.title) {
        action.setText(QString::fromStdString(*state.title));
    }
    return action;
}

void MainMenu::trigger(MenuCommand command) {
    m_actions.value(command)->trigger();
}

void MainMenu::buildFileMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&File"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    add(menu, MenuCommand::NewAccount, tr("New Account..."), QKeySequence(tr("Ctrl+Shift+N")),
        [&d] { d.appController().commands().addAccount(); });
    add(menu, MenuCommand::NewAccountGroup, tr("New Account Group"), {},
        [&d] { d.appController().commands().addAccountGroup(); });
    add(menu, MenuCommand::NewBudget, tr("New Budget..."), {},
        [&d] { d.appController().commands().addBudget(); });
    menu->addSeparator();
    add(menu, MenuCommand::ImportFromBank, tr("Import from Bank..."), QKeySequence(tr("Ctrl+I")),
        [&d] { d.appController().commands().importFromBank(); });
    add(menu, MenuCommand::ImportFromApp, tr("Import from Another Application..."), {},
        [&d] { d.appController().commands().importFromApp(); });
    menu->addSeparator();
    add(menu, MenuCommand::SaveAs, tr("Save As..."), QKeySequence::SaveAs, [&d] { d.saveAs(); });
    add(menu, MenuCommand::ShowBackups, tr("Backups..."), {}, [&d] { d.showBackups(); });
    add(menu, MenuCommand::ShowWelcomeScreen, tr("Show Welcome Screen"), {},
        [&d] { d.showWelcomeScreen(); });
    add(menu, MenuCommand::QuitSample, tr("Quit Sample"), {}, [&d] { d.quitSample(); });
    menu->addSeparator();
    QAction* quit = menu->addAction(tr("Quit"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, [&d] { d.window().close(); });
}

void MainMenu::buildEditMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&Edit"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    add(menu, MenuCommand::Undo, tr("Undo"), QKeySequence::Undo, [&d] { d.undo(); });
    add(menu, MenuCommand::Redo, tr("Redo"), QKeySequence(tr("Ctrl+Shift+Z")), [&d] { d.redo(); });
    // Changes made in the preferences window are undone from there too.
    d.appController().preferences().window().addActions(
        {action(MenuCommand::Undo), action(MenuCommand::Redo)});
    menu->addSeparator();
    QAction* del = add(menu, MenuCommand::DeleteItem, {}, QKeySequence::Delete,
                       [&d] { d.appController().commands().deleteItem(); });
    // Delete in a text field deletes text, not the selected account.
    del->setShortcutContext(Qt::WidgetShortcut);
    d.window().sourceList()->addAction(del);
    add(menu, MenuCommand::Rename, tr("Rename"), QKeySequence(Qt::Key_F2),
        [&d] { d.appController().commands().rename(); });
    menu->addSeparator();
    add(menu, MenuCommand::StartSearch, tr("Find..."), QKeySequence::Find,
        [&d] { d.appController().startSearch(); });
    menu->addSeparator();
    add(menu, MenuCommand::ShowPreferencePanel, tr("Preferences..."), QKeySequence(tr("Ctrl+,")),
        [&d] { d.appController().commands().showPreferencePanel(); });
}

void MainMenu::buildTransactionMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&Transaction"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    add(menu, MenuCommand::NewTransaction, {}, QKeySequence::New,
        [&d] { d.appController().commands().newTransaction(); });
    add(menu, MenuCommand::Transfer, tr("Transfer..."), QKeySequence(tr("Ctrl+T")),
        [&d] { d.appController().commands().transfer(); });
    menu->addSeparator();
    // The rows selected in the register or the search results.
    add(menu, MenuCommand::EditTransaction, tr("Edit Transaction"), {},
        [&d] { d.appController().commands().editTransaction(); });
    add(menu, MenuCommand::ToggleTransactionFlag, {}, QKeySequence(tr("Ctrl+K")),
        [&d] { d.appController().commands().toggleTransactionFlag(); });
    add(menu, MenuCommand::MatchTransactions, tr("Match"), {},
        [&d] { d.appController().commands().matchTransactions(); });
    menu->addSeparator();
    // The items selected in the scheduled list.
    add(menu, MenuCommand::EditScheduledItem, tr("Edit Scheduled Transaction..."), {},
        [&d] { d.appController().commands().editScheduledItem(); });
    add(menu, MenuCommand::PayScheduledItem, {}, {},
        [&d] { d.appController().commands().payScheduledItem(); });
    add(menu, MenuCommand::SkipScheduledItem, tr("Skip"), {},
        [&d] { d.appController().commands().skipScheduledItem(); });
    menu->addSeparator();
    add(menu, MenuCommand::ToggleScheduledTransactions, tr("Show Scheduled Transactions..."), {},
        [&d] { d.appController().commands().toggleScheduledTransactions(); });
    add(menu, MenuCommand::EditAccount, tr("Edit Account..."), QKeySequence(tr("Ctrl+E")),
        [&d] { d.appController().commands().editAccount(); });
    if (d.defaults().boolForKey(DefaultsKeys::kShowStickyDateOption)) {
        QAction* sticky = menu->addAction(tr("Keep Date of Last Transaction"));
        sticky->setCheckable(true);
        connect(menu, &QMenu::aboutToShow, sticky,
                [&d, sticky] { sticky->setChecked(d.stickyDateIsOn()); });
        connect(sticky, &QAction::toggled, sticky, [&d](bool on) { d.setStickyDateIsOn(on); });
    }
}

void MainMenu::buildBudgetMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&Budget"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    add(menu, MenuCommand::EditLimit, tr("Edit Limit..."), QKeySequence(tr("Ctrl+L")),
        [&d] { d.appController().commands().editLimit(); });
    add(menu, MenuCommand::EditBudget, tr("Edit Budget..."), QKeySequence(tr("Ctrl+Shift+E")),
        [&d] { d.appController().commands().editBudget(); });
}

void MainMenu::buildViewMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&View"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    add(menu, MenuCommand::ToggleBalanceColumn, {}, {},
        [&d] { d.appController().toggleBalanceColumn(); });
    add(menu, MenuCommand::ToggleStatusMessage, tr("Show Reconciled Balance"), {},
        [&d] { d.appController().toggleStatusMessage(); });
    menu->addSeparator();
    // The reports, in the source list's order.
    add(menu, MenuCommand::ShowBreakdown, tr("Breakdown"), QKeySequence(tr("Ctrl+Shift+B")), [&d] {
        d.appController().selectSourceListItem(
            SourceListItem::fixed(SourceListItem::Kind::BreakdownChart));
    });
    add(menu, MenuCommand::ShowTrends, tr("Trends"), QKeySequence(tr("Ctrl+Shift+T")), [&d] {
        d.appController().selectSourceListItem(
            SourceListItem::fixed(SourceListItem::Kind::TrendsChart));
    });
}

void MainMenu::buildWindowMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&Window"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    QAction* minimize = menu->addAction(tr("Minimize"));
    minimize->setShortcut(QKeySequence(tr("Ctrl+M")));
    connect(minimize, &QAction::triggered, this, [&d] { d.window().showMinimized(); });
    add(menu, MenuCommand::ShowMainWindow, tr("Main Window"), {},
        [&d] { d.applicationShouldHandleReopen(); });
    add(menu, MenuCommand::SizeForScreenshot, tr("Size for Screenshot"), {},
        [&d] { d.sizeForScreenshot(); });
}

void MainMenu::buildHelpMenu() {
    ApplicationDelegate& d = m_delegate;
    QMenu* menu = d.window().menuBar()->addMenu(tr("&Help"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    add(menu, MenuCommand::ShowWebsite, tr("Pennora Website"), {},
        [] { UrlOpener::showWebsite(); });
    add(menu, MenuCommand::ShowSupport, tr("Pennora Support"), {},
        [] { UrlOpener::showSupport(); });
}

void MainMenu::buildSegmentMenus() {
    ApplicationDelegate& d = m_delegate;
    auto* addMenu = new QMenu(&d.window());
    auto* actionMenu = new QMenu(&d.window());
    for (QMenu* menu : {addMenu, actionMenu}) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { validateMenu(menu); });
    }
    addMenu->addAction(action(MenuCommand::NewAccount));
    addMenu->addAction(action(MenuCommand::NewAccountGroup));
    addMenu->addAction(action(MenuCommand::NewBudget));
    actionMenu->addAction(action(MenuCommand::EditAccount));
    actionMenu->addAction(action(MenuCommand::ImportFromBank));
    actionMenu->addAction(action(MenuCommand::EditBudget));
    actionMenu->addAction(action(MenuCommand::EditLimit));
    actionMenu->addSeparator();
    actionMenu->addAction(action(MenuCommand::Rename));
    actionMenu->addAction(action(MenuCommand::DeleteItem));
    d.window().addButton()->setMenu(addMenu);
    d.window().actionButton()->setMenu(actionMenu);
}
