// The main window's import, import-from-app and transfer commands open their sheets on the
// selection, and what the sheets change reaches the source list.
#include <gtest/gtest.h>

#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>

#include "SheetTestSupport.h"
#include "ShellFixture.h"
#include "import/ImportSession.h"
#include "ledger/Account.h"
#include "ledger/TransferSheetModel.h"
#include "session/SourceListItem.h"
#include "ui/common/SheetResize.h"
#include "ui/common/UserDefaults.h"
#include "ui/importing/ImportController.h"
#include "ui/importing/ImportFromAppController.h"
#include "ui/importing/ImportFromAppDialog.h"
#include "ui/importing/ImportProgressView.h"
#include "ui/importing/ImportSheet.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/transfer/TransferController.h"
#include "ui/transfer/TransferSheet.h"
#include "ui/welcome/WelcomeController.h"

namespace {

class SheetCommands : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        SheetResize::setAnimationsEnabled(false);
        FilePicker::setShared(&m_picker);
        start();
        m_delegate->welcomeController().showSample();
    }
    void TearDown() override {
        FilePicker::setShared(nullptr);
        SheetResize::setAnimationsEnabled(true);
        ShellFixture::TearDown();
    }
    AppController& controller() { return m_delegate->appController(); }
    MainWindowCommands& commands() { return controller().commands(); }
    Account* account(const std::string& name) {
        return Account::findFirstByPredicate([&](const Account& a) { return a.name() == name; },
                                             context());
    }
    void select(const SourceListItem& item) { controller().selectSourceListItem(item); }

    ScriptedFilePicker m_picker;
};

TEST_F(SheetCommands, ImportAndTransferActOnTheSelectedAccount) {
    select(SourceListItem::fixed(SourceListItem::Kind::AllAccounts));
    EXPECT_FALSE(m_menu->validate(MenuCommand::Transfer).isEnabled());
    EXPECT_FALSE(m_menu->validate(MenuCommand::ImportFromBank).isEnabled());

    Account* checking = account("Checking");
    select(SourceListItem::forObject(checking));
    ASSERT_TRUE(m_menu->validate(MenuCommand::ImportFromBank).isEnabled());
    m_menu->trigger(MenuCommand::ImportFromBank);
    ASSERT_NE(commands().importController(), nullptr);
    EXPECT_TRUE(commands().importController()->sheet()->isVisible());
    EXPECT_EQ(&commands().importController()->session()->account(), checking);
    commands().importController()->closeSheet(0);

    ASSERT_TRUE(m_menu->validate(MenuCommand::Transfer).isEnabled());
    m_menu->trigger(MenuCommand::Transfer);
    ASSERT_NE(commands().transferController(), nullptr);
    TransferController& transfer = *commands().transferController();
    EXPECT_TRUE(transfer.sheet()->isVisible());
    EXPECT_EQ(transfer.model().source(), checking);
    transfer.cancel();
    EXPECT_FALSE(transfer.sheet()->isVisible());
}

TEST_F(SheetCommands, ImportedAccountsAreSelectedInTheSourceList) {
    m_picker.answers.push_back(importingDataFile("two-accounts-export.qif"));
    m_menu->trigger(MenuCommand::ImportFromApp);
    ImportFromAppController& sheet = *commands().importFromAppController();
    sheet.dialog()->chooseButton()->click();
    sheet.dialog()->importButton()->click();
    ASSERT_TRUE(waitWhile([&sheet] { return sheet.isBusy(); }));
    EXPECT_FALSE(sheet.dialog()->isVisible());
    Account* selected = controller().selectedSourceListItem().account();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->name(), "Everyday Checking");
    EXPECT_NE(account("Travel Card"), nullptr);
}

TEST_F(SheetCommands, NothingSavesHalfAnImport) {
    QTemporaryDir folder;
    const QString path = folder.filePath("big.qif");
    ASSERT_TRUE(writeLargeExport(path));
    m_picker.answers.push_back(path);
    m_menu->trigger(MenuCommand::ImportFromApp);
    ImportFromAppController& sheet = *commands().importFromAppController();
    // Between two steps, whatever saves (the source list does on its reload) writes nothing.
    std::vector<bool> held;
    QObject::connect(
        sheet.dialog()->progress()->progressBar(), &QProgressBar::valueChanged, &sheet,
        [&](int value) {
            if (value > 0 && value < sheet.dialog()->progress()->progressBar()->maximum()) {
                held.push_back(m_delegate->session().savesHeld());
                EXPECT_TRUE(m_delegate->save());
            }
        });
    sheet.dialog()->chooseButton()->click();
    sheet.dialog()->importButton()->click();
    ASSERT_TRUE(waitWhile([&sheet] { return sheet.isBusy(); }));
    EXPECT_FALSE(held.empty());
    EXPECT_EQ(std::count(held.begin(), held.end(), false), 0);
    EXPECT_FALSE(m_delegate->session().savesHeld());
    EXPECT_TRUE(m_alerts.shown.empty());
    EXPECT_NE(account("Second"), nullptr);
    EXPECT_FALSE(context().hasChanges());
}

}  // namespace
