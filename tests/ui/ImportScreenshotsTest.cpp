// Renders every page of the import sheet, the import-from-app sheet and the transfer sheet to
// build/screenshots/ for a person to look at; run with QT_SCALE_FACTOR=2 for the "@2x" ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "SheetTestSupport.h"
#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "ui/common/AmountField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/SheetResize.h"
#include "ui/common/UrlOpener.h"
#include "ui/importing/ImportController.h"
#include "ui/importing/ImportFromAppController.h"
#include "ui/importing/ImportFromAppDialog.h"
#include "ui/importing/ImportMainPage.h"
#include "ui/importing/ImportProgressPage.h"
#include "ui/importing/ImportProgressView.h"
#include "ui/importing/ImportSheet.h"
#include "ui/importing/ImportSummaryPage.h"
#include "ui/transfer/TransferController.h"
#include "ui/transfer/TransferSheet.h"

namespace {

class NoBrowser final : public UrlOpener {
public:
    bool open(const QUrl&) override { return true; }
};

class ImportScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        UserLocale::set("en_US");
        SheetResize::setAnimationsEnabled(false);
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        auto* root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        for (const char* name : {"Checking", "Savings", "Visa Card"}) {
            Account* a = ctx.insert<Account>();
            a->setName(name);
            a->setStartBalanceDate(Date::dateWithYear_PN(2025, 12, 31));
            a->moveTo(root, static_cast<std::int64_t>(root->children().size()));
            accounts.push_back(a);
        }
        ASSERT_FALSE(ctx.save());
        window = std::make_unique<QWidget>();
        window->resize(900, 600);
        window->show();
    }
    void TearDown() override {
        window.reset();
        SheetResize::setAnimationsEnabled(true);
        UserLocale::reset();
        Clock::reset();
    }
    void importAndWait(ImportController& controller, QPushButton* button) {
        button->click();
        ASSERT_TRUE(waitWhile([&controller] { return controller.isBusy(); }));
    }

    ObjectContext ctx{ApplicationModel::shared()};
    std::vector<Account*> accounts;
    std::unique_ptr<QWidget> window;
    ScriptedAlerts alerts;
    ScriptedFilePicker picker;
    NoBrowser browser;
};

TEST_F(ImportScreenshots, ImportSheetPages) {
    ImportController controller(*window, alerts, picker, browser);
    ImportSheet& sheet = *controller.sheet();
    controller.showImportSheetForAccount(*accounts[0]);
    saveSheetScreenshot(sheet, "import-main-empty");
    picker.answers.push_back(importingDataFile("two-statements.ofx"));
    sheet.mainView()->chooseButton()->click();
    saveSheetScreenshot(sheet, "import-main");
    sheet.mainView()->settingsButton()->click();
    saveSheetScreenshot(sheet, "import-settings");
    controller.saveSettings();

    sheet.mainView()->importButton()->click();
    saveSheetScreenshot(sheet, "import-progress-reading");
    ASSERT_TRUE(waitWhile([&controller] { return controller.isBusy(); }));
    saveSheetScreenshot(sheet, "import-statement-choice");
    controller.cancelFromDialog();

    picker.answers.push_back(importingDataFile("month-first.qif"));
    sheet.mainView()->chooseButton()->click();
    importAndWait(controller, sheet.mainView()->importButton());
    saveSheetScreenshot(sheet, "import-date-order");
    controller.continueFromDateOrder();  // month/day/year reads these dates
    ASSERT_TRUE(waitWhile([&controller] { return controller.isBusy(); }));
    saveSheetScreenshot(sheet, "import-summary");
    EXPECT_EQ(sheet.height(), ImportSummaryPage::kHeight);

    controller.showImportSheetForAccount(*accounts[0]);
    picker.answers.push_back(importingDataFile("month-first.qif"));
    sheet.mainView()->chooseButton()->click();
    importAndWait(controller, sheet.mainView()->importButton());
    saveSheetScreenshot(sheet, "import-summary-duplicates");
    EXPECT_EQ(sheet.height(), ImportSummaryPage::kHeightWithDuplicates);
}

TEST_F(ImportScreenshots, ImportProgressWhileMatching) {
    QTemporaryDir folder;
    const QString path = folder.filePath("long.ofx");
    ASSERT_TRUE(writeLargeStatement(path, 5000));
    ImportController controller(*window, alerts, picker, browser);
    ImportSheet& sheet = *controller.sheet();
    controller.showImportSheetForAccount(*accounts[0]);
    picker.answers.push_back(path);
    sheet.mainView()->chooseButton()->click();
    bool shown = false;
    QObject::connect(
        sheet.progressView()->progress()->progressBar(), &QProgressBar::valueChanged, window.get(),
        [&](int value) {
            if (shown || value == 0) {
                return;
            }
            shown = true;
            saveSheetScreenshot(sheet, "import-progress-matching", false);
            sheet.progressView()->cancelButton()->click();
        },
        Qt::QueuedConnection);
    importAndWait(controller, sheet.mainView()->importButton());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(accounts[0]->transactions().empty());
}

TEST_F(ImportScreenshots, ImportFromAppSheet) {
    ImportFromAppController controller(ctx, *window, alerts, picker);
    ImportFromAppDialog& dialog = *controller.dialog();
    controller.showSheet();
    saveSheetScreenshot(dialog, "import-from-app-empty");
    picker.answers.push_back(importingDataFile("two-accounts-export.qif"));
    dialog.chooseButton()->click();
    saveSheetScreenshot(dialog, "import-from-app");
    // The sheet as Import leaves it while the file is read: taken before the read comes back.
    dialog.importButton()->click();
    saveSheetScreenshot(dialog, "import-from-app-progress");
    EXPECT_FALSE(dialog.importButton()->isEnabled());
    controller.cancel();
}

TEST_F(ImportScreenshots, TransferSheet) {
    Category* savings = ctx.insert<Category>();
    savings->setName("Savings");
    TransferController controller(ctx, *window, [](const ValidationError&) {});
    TransferSheet& sheet = *controller.sheet();
    controller.showSheet(*accounts[0]);
    sheet.amountField()->amountField()->setValue(Decimal::fromString("250"));
    saveSheetScreenshot(sheet, "transfer-closed");
    controller.toggleAdvanced();
    sheet.titleField()->setText("Emergency fund");
    saveSheetScreenshot(sheet, "transfer-open");
    controller.cancel();
}

}  // namespace
