// The sheet that imports another application's export, driven as a person would: all the
// accounts or none, whatever happens to the file or to the import half way.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "SheetTestSupport.h"
#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "ui/common/SheetResize.h"
#include "ui/importing/ImportFromAppController.h"
#include "ui/importing/ImportFromAppDialog.h"
#include "ui/importing/ImportProgressView.h"

namespace {

class ImportFromAppControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        UserLocale::set("en_US");
        SheetResize::setAnimationsEnabled(false);
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        Account* checking = ctx.insert<Account>();
        checking->setName("Checking");
        checking->moveTo(root, 0);
        ASSERT_FALSE(ctx.save());
        window = std::make_unique<QWidget>();
        window->show();
        controller = std::make_unique<ImportFromAppController>(ctx, *window, alerts, picker);
        QObject::connect(controller.get(), &ImportFromAppController::accountsImported, window.get(),
                         [this](const QList<Account*>& accounts) {
                             for (const Account* account : accounts) {
                                 imported.push_back(account->name());
                             }
                         });
    }
    void TearDown() override {
        controller.reset();
        window.reset();
        SheetResize::setAnimationsEnabled(true);
        UserLocale::reset();
        Clock::reset();
    }

    ImportFromAppDialog& dialog() { return *controller->dialog(); }
    void importFile(const QString& path) {
        controller->showSheet();
        picker.answers.push_back(path);
        dialog().chooseButton()->click();
        dialog().importButton()->click();
    }
    // The names of the top-level nodes in order.
    std::vector<std::string> topLevel() {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < root->children().size(); ++i) {
            const auto* account =
                dynamic_cast<const Account*>(root->childAtIndex(static_cast<std::int64_t>(i)));
            names.push_back(account != nullptr ? account->name() : "?");
        }
        return names;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
    std::unique_ptr<QWidget> window;
    ScriptedAlerts alerts;
    ScriptedFilePicker picker;
    std::unique_ptr<ImportFromAppController> controller;
    std::vector<std::string> imported;
};

TEST_F(ImportFromAppControllerTest, EveryAccountOfTheExportComesAtTheEnd) {
    controller->showSheet();
    EXPECT_FALSE(dialog().importButton()->isEnabled());
    dialog().chooseButton()->click();  // cancelled
    EXPECT_FALSE(dialog().importButton()->isEnabled());
    ASSERT_EQ(picker.filtersAsked.size(), 1u);
    EXPECT_TRUE(picker.filtersAsked[0].join(";").contains("*.qif"));

    importFile(importingDataFile("two-accounts-export.qif"));
    ASSERT_TRUE(waitWhile([this] { return controller->isBusy(); }));
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(imported, (std::vector<std::string>{"Everyday Checking", "Travel Card"}));
    EXPECT_EQ(topLevel(),
              (std::vector<std::string>{"Checking", "Everyday Checking", "Travel Card"}));
    const Account* card = Account::findFirstByPredicate(
        [](const Account& a) { return a.name() == "Travel Card"; }, ctx);
    ASSERT_EQ(card->transactions().size(), 1u);
    EXPECT_EQ((*card->transactions().begin())->splits().size(), 2u);
    EXPECT_EQ(Transaction::countInContext(ctx), 4u);
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(ImportFromAppControllerTest, RefusedFileShowsWhyAndChangesNothing) {
    importFile(importingDataFile("broken-export.qif"));
    ASSERT_TRUE(waitWhile([this] { return controller->isBusy(); }));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message, "The file could not be imported.");
    EXPECT_TRUE(alerts.shown[0].informativeText.contains("Expected 1 records, but got 2"))
        << alerts.shown[0].informativeText.toStdString();
    // The sheet stays, ready for another file.
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_TRUE(dialog().importButton()->isEnabled());
    EXPECT_TRUE(imported.empty());
    EXPECT_EQ(topLevel(), std::vector<std::string>{"Checking"});
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(ImportFromAppControllerTest, CancelHalfWayTakesEveryInsertionBack) {
    QTemporaryDir folder;
    const QString path = folder.filePath("big.qif");
    ASSERT_TRUE(writeLargeExport(path));
    bool cancelled = false;
    QObject::connect(dialog().progress()->progressBar(), &QProgressBar::valueChanged, window.get(),
                     [&](int value) {
                         if (!cancelled && value > 0) {
                             cancelled = true;
                             EXPECT_TRUE(dialog().cancelButton()->isEnabled());
                             dialog().cancelButton()->click();
                         }
                     });
    importFile(path);
    ASSERT_TRUE(waitWhile([this] { return controller->isBusy(); }));
    ASSERT_TRUE(cancelled);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(imported.empty());
    EXPECT_EQ(topLevel(), std::vector<std::string>{"Checking"});
    EXPECT_EQ(Account::countInContext(ctx), 1u);
    EXPECT_EQ(Transaction::countInContext(ctx), 0u);
    EXPECT_EQ(Split::countInContext(ctx), 0u);
}

}  // namespace
