// The import sheet driven as a person would: choosing files, answering its questions, reading
// its pages. The import rules themselves are the core's; these tests catch a sheet that shows
// the wrong page or text, loses a document, or decides on its own.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "SheetTestSupport.h"
#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "import/ImportSession.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/GraphDump.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "store/UndoGrouping.h"
#include "ui/common/SheetResize.h"
#include "ui/common/UrlOpener.h"
#include "ui/importing/ImportController.h"
#include "ui/importing/ImportDateOrderPage.h"
#include "ui/importing/ImportMainPage.h"
#include "ui/importing/ImportProgressPage.h"
#include "ui/importing/ImportProgressView.h"
#include "ui/importing/ImportSettingsPage.h"
#include "ui/importing/ImportSheet.h"
#include "ui/importing/ImportStatementPage.h"
#include "ui/importing/ImportSummaryPage.h"

namespace {

class RecordingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};

Date day(int year, int month, int d) {
    return Date::dateWithYear_PN(year, month, d);
}

class ImportSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        Clock::setFixedToday(day(2026, 3, 15));
        UserLocale::set("en_US");
        SheetResize::setAnimationsEnabled(false);
        setLogSink([this](std::string_view line) { log.emplace_back(line); });
        auto memory = std::make_unique<InMemoryStore>();
        store = memory.get();
        ctx.setPersistentStore(std::move(memory));
        auto* root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        checking = ctx.insert<Account>();
        checking->setName("Checking");
        checking->moveTo(root, 0);
        ASSERT_FALSE(ctx.save());
        window = std::make_unique<QWidget>();
        window->resize(900, 600);
        window->show();
        controller = std::make_unique<ImportController>(*window, alerts, picker, urls);
    }
    void TearDown() override {
        controller.reset();
        window.reset();
        setLogSink(nullptr);
        SheetResize::setAnimationsEnabled(true);
        UserLocale::reset();
        Clock::reset();
    }

    ImportSheet& sheet() { return *controller->sheet(); }
    ImportMainPage& mainPage() { return *sheet().mainView(); }

    // Opens the sheet on Checking and chooses `path` through Choose...
    void openWith(const QString& path) {
        controller->showImportSheetForAccount(*checking);
        picker.answers.push_back(path);
        mainPage().chooseButton()->click();
    }
    // Import, then waits until the file is read and every step imported.
    void clickAndWait(QPushButton* button) {
        button->click();
        ASSERT_TRUE(waitWhile([this] { return controller->isBusy(); }));
    }
    Transaction* pending(const char* amount, Date date) {
        Transaction* t = checking->createTransactionWithDate(date, std::string("Typed by hand"),
                                                             Decimal::fromString(amount), nullptr,
                                                             std::nullopt, std::nullopt);
        t->setIsPending(true);
        return t;
    }
    std::vector<QString> summaryLines() {
        ImportSummaryPage& page = *sheet().summaryView();
        std::vector<QString> lines{page.titleLabel()->text(), page.matchedLabel()->text(),
                                   page.newLabel()->text()};
        if (!page.duplicateLabel()->isHidden()) {
            lines.push_back(page.duplicateLabel()->text());
        }
        return lines;
    }
    QStringList popupItems(QComboBox* popup) {
        QStringList items;
        for (int i = 0; i < popup->count(); ++i) {
            items << popup->itemText(i);
        }
        return items;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    InMemoryStore* store = nullptr;
    Account* checking = nullptr;
    std::unique_ptr<QWidget> window;
    ScriptedAlerts alerts;
    ScriptedFilePicker picker;
    RecordingUrlOpener urls;
    std::vector<std::string> log;
    std::unique_ptr<ImportController> controller;
};

TEST_F(ImportSheetTest, StartDateHintFollowsTheAccountsBankHistory) {
    checking->setStartBalanceDate(day(2009, 12, 31));
    controller->showImportSheetForAccount(*checking);
    EXPECT_EQ(mainPage().startDateField()->text(), "01/01/2010");

    // The latest transaction with bank data wins over the start balance.
    Transaction* matched = pending("-5.00", day(2011, 7, 4));
    matched->setOfxAmount(Decimal::fromString("-5.00"));
    matched->setOfxTitle(std::string("KIOSK"));
    matched->setOfxDate(day(2011, 7, 4));
    pending("-6.00", day(2012, 1, 1));
    controller->showImportSheetForAccount(*checking);
    EXPECT_EQ(mainPage().startDateField()->text(), "07/04/2011");
}

TEST_F(ImportSheetTest, ImportIsEnabledOnceAStatementFileIsChosen) {
    controller->showImportSheetForAccount(*checking);
    EXPECT_EQ(sheet().currentView(), &mainPage());
    EXPECT_FALSE(mainPage().importButton()->isEnabled());
    mainPage().chooseButton()->click();  // the person cancels the file dialog
    EXPECT_FALSE(mainPage().importButton()->isEnabled());
    ASSERT_EQ(picker.filtersAsked.size(), 1u);
    const QString filter = picker.filtersAsked[0].join(";");
    for (const char* type : {"*.ofx", "*.qfx", "*.qif"}) {
        EXPECT_TRUE(filter.contains(type)) << type;
    }
    EXPECT_FALSE(filter.contains("*.*") || filter.contains("(*)"));

    const QString path = importingDataFile("five-entries.ofx");
    picker.answers.push_back(path);
    mainPage().chooseButton()->click();
    EXPECT_EQ(mainPage().fileField()->text(), path);
    EXPECT_TRUE(mainPage().importButton()->isEnabled());

    // Opening the sheet again forgets the file.
    controller->showImportSheetForAccount(*checking);
    EXPECT_TRUE(mainPage().fileField()->text().isEmpty());
    EXPECT_FALSE(mainPage().importButton()->isEnabled());

    mainPage().learnMoreLink()->linkActivated("help");
    EXPECT_EQ(urls.opened.size(), 1u);
}

TEST_F(ImportSheetTest, SummaryOfThreeMatchedAndTwoNewHidesTheDuplicateLine) {
    pending("-850.00", day(2026, 2, 1));
    pending("-37.15", day(2026, 2, 20));
    pending("1500.00", day(2026, 2, 13));
    std::vector<Account*> imported;
    QObject::connect(controller.get(), &ImportController::transactionsImported, window.get(),
                     [&imported](Account* account) { imported.push_back(account); });
    openWith(importingDataFile("five-entries.ofx"));
    const int top = sheet().geometry().top();
    clickAndWait(mainPage().importButton());

    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines(), (std::vector<QString>{"5 transactions were imported",
                                                    "3 matched with pending transactions",
                                                    "2 were new transactions"}));
    EXPECT_EQ(sheet().height(), 195);
    EXPECT_EQ(sheet().geometry().top(), top);
    EXPECT_EQ(checking->transactions().size(), 5u);
    EXPECT_FALSE(ctx.hasChanges());  // saved
    EXPECT_EQ(imported, (std::vector<Account*>{checking}));

    sheet().summaryView()->doneButton()->click();
    EXPECT_FALSE(sheet().isVisible());

    // The same file again: every entry is a duplicate, and the line shows.
    openWith(importingDataFile("five-entries.ofx"));
    clickAndWait(mainPage().importButton());
    EXPECT_EQ(
        summaryLines(),
        (std::vector<QString>{"0 transactions were imported", "0 matched with pending transactions",
                              "0 were new transactions", "5 duplicates were not imported"}));
    EXPECT_EQ(sheet().height(), 219);
    EXPECT_EQ(checking->transactions().size(), 5u);
}

TEST_F(ImportSheetTest, FileWithSeveralStatementsOffersOnlyLabelledOnes) {
    openWith(importingDataFile("two-statements.ofx"));
    clickAndWait(mainPage().importButton());
    ImportStatementPage& page = *sheet().accountSelectionView();
    ASSERT_EQ(sheet().currentView(), &page);
    // The money market statement has no label and is not offered.
    EXPECT_EQ(popupItems(page.accountsPopup()),
              (QStringList{"Checking xxxx4567", "Credit Card xxxx4444"}));

    page.accountsPopup()->setCurrentIndex(1);
    clickAndWait(page.continueButton());
    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines()[0], "1 transaction was imported");
    ASSERT_EQ(checking->transactions().size(), 1u);
    EXPECT_EQ((*checking->transactions().begin())->title(), "Streaming Service");
}

TEST_F(ImportSheetTest, CancelOnAQuestionReturnsToTheMainPageWithoutImporting) {
    openWith(importingDataFile("two-statements.ofx"));
    clickAndWait(mainPage().importButton());
    ASSERT_EQ(sheet().currentView(), sheet().accountSelectionView());
    sheet().accountSelectionView()->cancelButton()->click();
    EXPECT_EQ(sheet().currentView(), &mainPage());
    EXPECT_TRUE(sheet().isVisible());
    EXPECT_TRUE(controller->session()->needsReading());  // the document is dropped
    EXPECT_TRUE(checking->transactions().empty());

    // Import again reads the file again and asks again; so does the date order question.
    clickAndWait(mainPage().importButton());
    EXPECT_EQ(sheet().currentView(), sheet().accountSelectionView());

    openWith(importingDataFile("same-day.qif"));
    clickAndWait(mainPage().importButton());
    ASSERT_EQ(sheet().currentView(), sheet().dateOrderView());
    sheet().dateOrderView()->cancelButton()->click();
    EXPECT_EQ(sheet().currentView(), &mainPage());
    EXPECT_TRUE(controller->session()->needsReading());
    EXPECT_TRUE(checking->transactions().empty());
}

TEST_F(ImportSheetTest, DatesOfOneDayAskForTheOrderWithTheirSample) {
    openWith(importingDataFile("same-day.qif"));
    clickAndWait(mainPage().importButton());
    ImportDateOrderPage& page = *sheet().dateOrderView();
    ASSERT_EQ(sheet().currentView(), &page);
    EXPECT_EQ(page.dateText()->text(), "05/05/09");
    EXPECT_EQ(page.dateInstructions()->text(),
              "The format of dates could not be automatically determined from file. Please "
              "specify it below.");
    EXPECT_EQ(page.dateOrderPopup()->currentData().toInt(), 0);  // MDY when none is set

    page.dateOrderPopup()->setCurrentIndex(page.dateOrderPopup()->findData(1));
    clickAndWait(page.continueButton());
    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines()[0], "2 transactions were imported");
    EXPECT_EQ(checking->qifDateOrder(), "DMY");
    for (const Transaction* t : checking->transactions()) {
        EXPECT_EQ(t->date(), day(2009, 5, 5));
    }
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(ImportSheetTest, EveryFailedOrderFromTheFourthOnRaisesTheAlert) {
    openWith(importingDataFile("month-first.qif"));
    clickAndWait(mainPage().importButton());
    ImportDateOrderPage& page = *sheet().dateOrderView();
    ASSERT_EQ(sheet().currentView(), &page);
    for (int failure = 1; failure <= 5; ++failure) {
        SCOPED_TRACE(failure);
        // Day first cannot read 05/31/09: there is no month 31.
        page.dateOrderPopup()->setCurrentIndex(page.dateOrderPopup()->findData(1));
        clickAndWait(page.continueButton());
        ASSERT_EQ(sheet().currentView(), &page);
        EXPECT_EQ(page.dateInstructions()->text(),
                  "Dates could not be parsed with the date format specified. Please select a "
                  "new date format.");
        EXPECT_EQ(page.dateOrderPopup()->currentData().toInt(), 1);
        EXPECT_EQ(alerts.shown.size(), static_cast<std::size_t>(std::max(0, failure - 3)));
    }
    EXPECT_EQ(alerts.shown.back().message, "Looks like you are having problem.");
    EXPECT_TRUE(alerts.shown.back().informativeText.startsWith(
        "The dates in the QIF file could not be parsed with the format you specified."));
    EXPECT_TRUE(checking->transactions().empty());

    page.dateOrderPopup()->setCurrentIndex(page.dateOrderPopup()->findData(0));
    clickAndWait(page.continueButton());
    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(checking->transactions().size(), 2u);
}

TEST_F(ImportSheetTest, ParseErrorIsLoggedAndDropsTheDocument) {
    openWith(importingDataFile("missing-amount.qif"));
    clickAndWait(mainPage().importButton());
    EXPECT_EQ(sheet().currentView(), &mainPage());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message, "The selected file could not be imported.");
    EXPECT_TRUE(alerts.shown[0].informativeText.startsWith(
        "Make sure this is an activity file downloaded from your bank's website, not one you "
        "exported from another app. You should also click \"Settings...\""));
    EXPECT_EQ(log, (std::vector<std::string>{"Parse Error: Missing amount in record."}));
    EXPECT_TRUE(controller->session()->needsReading());
    EXPECT_TRUE(checking->transactions().empty());
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(ImportSheetTest, SettingsPageShowsAndStoresTheAccountsTags) {
    checking->setQifDateOrder(std::string("YMD"));
    controller->showImportSheetForAccount(*checking);
    const QRect mainGeometry = sheet().geometry();
    mainPage().settingsButton()->click();
    ImportSettingsPage& page = *sheet().settingsView();
    ASSERT_EQ(sheet().currentView(), &page);
    EXPECT_EQ(page.specialBankTag(), -1);
    EXPECT_EQ(page.dateOrderTag(), 2);
    EXPECT_EQ(sheet().geometry().top(), mainGeometry.top());
    EXPECT_NE(sheet().height(), mainGeometry.height());

    page.specialBanksPopup()->setCurrentIndex(page.specialBanksPopup()->findData(0));
    page.dateOrderPopup()->setCurrentIndex(page.dateOrderPopup()->findData(-1));
    page.saveButton()->click();
    EXPECT_EQ(sheet().currentView(), &mainPage());
    EXPECT_EQ(sheet().geometry(), mainGeometry);
    EXPECT_EQ(checking->specialBank(), 0);
    EXPECT_FALSE(checking->qifDateOrder());
    EXPECT_FALSE(ctx.hasChanges());

    // Cancel leaves the settings alone.
    mainPage().settingsButton()->click();
    EXPECT_EQ(page.specialBankTag(), 0);
    page.specialBanksPopup()->setCurrentIndex(0);
    page.cancelButton()->click();
    EXPECT_EQ(checking->specialBank(), 0);
}

TEST_F(ImportSheetTest, CancelWhileTheFileIsReadLeavesTheAccountAsItWas) {
    openWith(importingDataFile("five-entries.ofx"));
    mainPage().importButton()->click();
    ASSERT_EQ(sheet().currentView(), sheet().progressView());
    ImportProgressPage& progress = *sheet().progressView();
    EXPECT_EQ(progress.progress()->progressBar()->maximum(), 0);  // busy: size unknown
    EXPECT_TRUE(progress.cancelButton()->isEnabled());
    progress.cancelButton()->click();
    EXPECT_EQ(sheet().currentView(), &mainPage());
    // The read that comes back afterwards is dropped.
    turnEventLoop(300);
    EXPECT_EQ(sheet().currentView(), &mainPage());
    EXPECT_TRUE(checking->transactions().empty());
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(ImportSheetTest, RealStatementTwiceGivesOnlyDuplicatesTheSecondTime) {
    const QString path = QStringLiteral(PENNORA_STATEMENTS_DIR "/ofx/ofxparse__bank_medium.ofx");
    if (!QFile::exists(path)) {
        GTEST_SKIP() << "no statement corpus at " PENNORA_STATEMENTS_DIR;
    }
    openWith(path);
    clickAndWait(mainPage().importButton());
    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines(), (std::vector<QString>{"3 transactions were imported",
                                                    "0 matched with pending transactions",
                                                    "3 were new transactions"}));
    openWith(path);
    clickAndWait(mainPage().importButton());
    EXPECT_EQ(
        summaryLines(),
        (std::vector<QString>{"0 transactions were imported", "0 matched with pending transactions",
                              "0 were new transactions", "3 duplicates were not imported"}));
}

TEST_F(ImportSheetTest, LongStatementIsImportedInStepsWithProgress) {
    QTemporaryDir folder;
    const QString path = folder.filePath("long.ofx");
    ASSERT_TRUE(writeLargeStatement(path, 2500));
    openWith(path);
    // Counts are grouped as the locale groups digits.
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // What the progress page shows at each step.
    struct Step {
        int value;
        bool cancellable;
        std::size_t transactions;
        QString text;
    };
    std::vector<Step> steps;
    ImportProgressPage& page = *sheet().progressView();
    QObject::connect(page.progress()->progressBar(), &QProgressBar::valueChanged, window.get(),
                     [&](int value) {
                         steps.push_back({value, page.cancelButton()->isEnabled(),
                                          checking->transactions().size(),
                                          page.progress()->statusLabel()->text()});
                     });
    mainPage().importButton()->click();
    ASSERT_TRUE(waitWhile([this] { return controller->isBusy(); }));
    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines()[0], "2500 transactions were imported");
    EXPECT_FALSE(ctx.hasChanges());
    // Shown between two steps: part of the entries, with Cancel; none once only the save is left.
    std::vector<std::size_t> between;
    QStringList texts;
    for (const Step& step : steps) {
        if (step.value > 0 && step.value < page.progress()->progressBar()->maximum()) {
            EXPECT_TRUE(step.cancellable);
            between.push_back(step.transactions);
            texts << step.text;
        }
    }
    QLocale::setDefault(locale);
    EXPECT_EQ(between, (std::vector<std::size_t>{1000, 2000}));
    EXPECT_EQ(texts, QStringList({"Importing 1,000 of 2,500 transactions\u2026",
                                  "Importing 2,000 of 2,500 transactions\u2026"}));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().value, page.progress()->progressBar()->maximum());
    EXPECT_FALSE(steps.back().cancellable);
    EXPECT_EQ(steps.back().text, "Saving\u2026");
}

TEST_F(ImportSheetTest, CancelWhileMatchingLeavesStoreAndUndoAsTheyWere) {
    QTemporaryDir folder;
    const QString path = folder.filePath("long.ofx");
    ASSERT_TRUE(writeLargeStatement(path, 5000));
    // Entries 0 to 2 match these pending transactions; entry 3 is in the account already.
    for (int i = 0; i < 3; ++i) {
        pending(("-" + std::to_string(i + 1) + ".00").c_str(), day(2025, i + 1, 15));
    }
    Transaction* held = pending("-4.00", day(2025, 4, 15));
    held->setIsPending(false);
    held->setIsImported(true);
    held->setOfxAmount(Decimal::fromString("-4.00"));
    held->setOfxTitle(std::string("SHOP"));
    held->setOfxDate(day(2025, 4, 15));
    held->setOfxFitID(std::string("L3"));
    {
        UndoGrouping rename(ctx.undoManager());
        checking->setName("Everyday");
    }
    ASSERT_FALSE(ctx.save());
    const std::string graph = dumpObjectGraph(ctx);
    const std::string stored = store->dump();
    const int saves = store->saveCount();

    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "Cancel");
        openWith(path);
        ImportProgressPage& page = *sheet().progressView();
        std::size_t transactionsAtCancel = 0;
        // Queued: the person's click comes between two steps.
        const QMetaObject::Connection cancelling = QObject::connect(
            page.progress()->progressBar(), &QProgressBar::valueChanged, window.get(),
            [&](int value) {
                if (transactionsAtCancel != 0 || value == 0) {
                    return;
                }
                transactionsAtCancel = Transaction::countInContext(ctx);
                ASSERT_TRUE(page.cancelButton()->isEnabled());
                if (byEscape) {
                    QTest::keyClick(&sheet(), Qt::Key_Escape);
                } else {
                    page.cancelButton()->click();
                }
            },
            Qt::QueuedConnection);
        clickAndWait(mainPage().importButton());
        QObject::disconnect(cancelling);
        // The four held, and the first step's entries but the three that matched.
        EXPECT_EQ(transactionsAtCancel, 4u + ImportController::kEntriesPerStep - 3u);
        EXPECT_EQ(sheet().currentView(), &mainPage());
        EXPECT_TRUE(sheet().isVisible());
        EXPECT_TRUE(controller->session()->needsReading());
        EXPECT_TRUE(alerts.shown.empty());
        EXPECT_EQ(dumpObjectGraph(ctx), graph);
        EXPECT_FALSE(ctx.hasChanges());
        EXPECT_EQ(store->dump(), stored);
        EXPECT_EQ(store->saveCount(), saves);
        EXPECT_EQ(ctx.savepointDepth(), 0u);
        EXPECT_FALSE(ctx.undoManager().canRedo());
    }
    // The rename is still what Undo takes back.
    ctx.undo();
    EXPECT_EQ(checking->name(), "Checking");
    ctx.redo();

    // Not cancelled, the same file imports whole.
    clickAndWait(mainPage().importButton());
    ASSERT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines(),
              (std::vector<QString>{"4999 transactions were imported",
                                    "3 matched with pending transactions",
                                    "4996 were new transactions", "1 duplicate was not imported"}));
    EXPECT_EQ(checking->transactions().size(), 5000u);
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(ImportSheetTest, FailedSaveSaysSoAndLeavesTheImportUnsaved) {
    store->failNextSave(ValidationError{"Test", 1, "The disk is full.", {}, {}});
    openWith(importingDataFile("five-entries.ofx"));
    clickAndWait(mainPage().importButton());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message, "The import could not be saved.");
    EXPECT_EQ(alerts.shown[0].informativeText, "The disk is full.");
    EXPECT_EQ(sheet().currentView(), sheet().summaryView());
    EXPECT_EQ(summaryLines()[0], "5 transactions were imported");
    EXPECT_EQ(checking->transactions().size(), 5u);
    EXPECT_EQ(ctx.savepointDepth(), 0u);
    EXPECT_TRUE(ctx.hasChanges());
    // A later save writes it.
    EXPECT_FALSE(ctx.save());
    EXPECT_EQ(store->dump(), dumpObjectGraph(ctx));
}

}  // namespace
