#include <QApplication>
#include <QDialog>

#include "ShellFixture.h"
#include "ledger/Account.h"
#include "session/SourceListItem.h"
#include "store/ObjectContext.h"
#include "ui/common/SimpleSheetController.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/welcome/WelcomeController.h"

namespace {

// Renders every window and sheet of the shell to build/screenshots/ for a person to look at.
class Screenshots : public ShellFixture {};

TEST_F(Screenshots, WelcomeMainWindowAndSheets) {
    start();
    QWidget& welcome = m_delegate->welcomeController().window();
    saveScreenshot(welcome, "welcome-window");
    EXPECT_GE(welcome.width(), welcome.minimumSizeHint().width());

    m_delegate->welcomeController().showSample();
    m_delegate->sizeForScreenshot();
    QApplication::processEvents();
    AppController& controller = m_delegate->appController();
    Account* checking = Account::findFirstByPredicate(
        [](const Account& a) { return a.name() == "Checking"; }, context());
    controller.selectSourceListItem(SourceListItem::forObject(checking));
    saveScreenshot(m_delegate->window(), "main-window-sample");
    EXPECT_EQ(m_delegate->window().size(), QSize(887, 546));

    controller.selectSourceListItem(SourceListItem::fixed(SourceListItem::Kind::AllAccounts));
    saveScreenshot(m_delegate->window(), "main-window-all-accounts");

    whenDialogShows([](QDialog& sheet) { saveScreenshot(sheet, "new-account-sheet"); });
    controller.commands().addAccount();
    controller.selectSourceListItem(SourceListItem::forObject(checking));
    whenDialogShows([](QDialog& sheet) { saveScreenshot(sheet, "edit-account-sheet"); });
    controller.commands().editAccount();
    for (const QString layout : {"AccountHelp", "CashAccountHelp", "BudgetHelp"}) {
        SimpleSheetController sheet(layout, *m_defaults, &m_delegate->window());
        sheet.adjustSize();
        saveScreenshot(sheet, "help-" + layout);
    }
}

TEST_F(Screenshots, EmptyStoreShowsTheAddAccountMessage) {
    start();
    m_delegate->welcomeController().startPennora();
    m_delegate->sizeForScreenshot();
    QApplication::processEvents();
    saveScreenshot(m_delegate->window(), "main-window-new-store");
}

}  // namespace
