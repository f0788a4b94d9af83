// The backups window and the recovery sheet in the whole shell, on the program's store files.
#include <sqlite3.h>

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <chrono>

#include "ShellFixture.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"
#include "store/StoreFile.h"
#include "ui/backups/BackupsController.h"
#include "ui/backups/BackupsWindow.h"
#include "ui/backups/RecoverySheet.h"
#include "ui/backups/SnapshotListModel.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UrlOpener.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowCommands.h"

namespace {

class RecordingOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};

class Backups : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);
        m_defaults->setBool(DefaultsKeys::kShouldShowAccountHelp, false);
        UrlOpener::setShared(&opener);
        m_noon = Clock::now();
    }
    void TearDown() override {
        UrlOpener::setShared(nullptr);
        ShellFixture::TearDown();
    }

    void addTransaction(const char* title, int amount) {
        Account* checking = Account::firstInContext(context());
        if (checking == nullptr) {
            checking = context().insert<Account>();
            checking->setName("Checking");
            checking->moveTo(&AccountsRoot::setup(context()), 0);
        }
        checking->createTransactionWithDate(Date::today_PN(), std::string(title), Decimal(amount),
                                            nullptr, std::nullopt, std::nullopt);
        ASSERT_TRUE(m_delegate->save());
    }

    // Three snapshots: on opening at 10:00 (one transaction) and 11:00 (two), and before a
    // statement import at 12:00 (three).
    void makeHistory() {
        start();
        addTransaction("Rent", -900);
        Clock::setFixedNow(at(10));
        m_delegate->startPennora();
        addTransaction("Salary", 2500);
        Clock::setFixedNow(at(11));
        m_delegate->startPennora();
        addTransaction("Coffee", -4);
        Clock::setFixedNow(at(12));
        m_delegate->session().snapshotBeforeBulkChange(SnapshotReason::StatementImport);
    }

    Date::TimePoint at(int hour) const { return m_noon + std::chrono::hours(hour - 12); }
    std::string storePath() const {
        return m_folder.filePath("Pennora/Database.pennorasql").toStdString();
    }

    RecordingOpener opener;
    Date::TimePoint m_noon;
};

TEST_F(Backups, TheWindowListsTheSnapshotsAndRestoresOne) {
    makeHistory();
    QAction* menuItem = m_menu->action(MenuCommand::ShowBackups);
    m_menu->validateAll();
    ASSERT_TRUE(menuItem->isEnabled());
    menuItem->trigger();
    BackupsController& backups = *m_delegate->backupsController();
    ASSERT_TRUE(backups.window().isVisible());
    QAbstractItemModelTester tester(&backups.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    SnapshotListModel& model = backups.model();
    ASSERT_EQ(model.rowCount(), 3);
    const auto cell = [&model](int row, int column) {
        return model.index(row, column).data().toString();
    };
    EXPECT_EQ(cell(0, SnapshotListModel::TakenColumn), "2026-03-15 12:00");
    EXPECT_EQ(cell(0, SnapshotListModel::ReasonColumn), "Before a statement import");
    EXPECT_EQ(cell(0, SnapshotListModel::TransactionsColumn), "3");
    EXPECT_EQ(cell(0, SnapshotListModel::NetWorthColumn), "$1,596.00");
    EXPECT_EQ(cell(2, SnapshotListModel::ReasonColumn), "Opened");
    EXPECT_EQ(cell(2, SnapshotListModel::NetWorthColumn), "-$900.00");
    saveScreenshot(backups.window(), "backups-window");

    backups.window().revealButton()->click();
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].toLocalFile(), m_folder.filePath("Pennora/backups"));

    // Cancelled: nothing happens.
    backups.window().table()->selectRow(2);
    m_alerts.answers = {1};
    backups.window().restoreButton()->click();
    EXPECT_EQ(Transaction::countInContext(context()), 3u);

    Clock::setFixedNow(at(13));
    addTransaction("Lunch", -12);
    m_alerts.shown.clear();
    backups.window().restoreButton()->click();
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "Restore the snapshot of 2026-03-15 10:00?");
    EXPECT_EQ(Transaction::countInContext(context()), 1u);
    ASSERT_EQ(model.rowCount(), 4) << "the store was snapshotted first";
    EXPECT_EQ(cell(0, SnapshotListModel::ReasonColumn), "Before a restore");
    EXPECT_EQ(cell(0, SnapshotListModel::TransactionsColumn), "4");
}

TEST_F(Backups, DeletingAnAccountWithTransactionsSnapshotsTheStoreFirst) {
    makeHistory();
    Clock::setFixedNow(at(13));
    addTransaction("Lunch", -12);
    AppController& controller = m_delegate->appController();
    controller.selectSourceListItem(SourceListItem::forObject(Account::firstInContext(context())));
    m_alerts.answers = {0};  // Delete
    controller.commands().deleteItem();
    ASSERT_EQ(Account::firstInContext(context()), nullptr);
    const std::vector<SnapshotManifest> list = m_delegate->session().snapshots()->list();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].reason, SnapshotReason::DeleteAccount);
    EXPECT_EQ(list[0].transactions, 4);

    // An account without transactions goes without one.
    Clock::setFixedNow(at(14));
    auto* empty = context().insert<Account>();
    empty->setName("Empty");
    empty->moveTo(&AccountsRoot::setup(context()), 0);
    ASSERT_TRUE(m_delegate->save());
    m_delegate->startPennora();  // the source list shows the new account
    empty = Account::firstInContext(context());
    ASSERT_EQ(m_delegate->session().snapshots()->list().size(), 5u);
    controller.selectSourceListItem(SourceListItem::forObject(empty));
    m_alerts.answers = {0};
    controller.commands().deleteItem();
    EXPECT_EQ(Account::firstInContext(context()), nullptr);
    EXPECT_EQ(m_delegate->session().snapshots()->list().size(), 5u);
}

TEST_F(Backups, TheMenuItemIsOffInTheSample) {
    m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, true);
    start();
    m_delegate->startPennoraWithSampleData();
    m_menu->validateAll();
    EXPECT_FALSE(m_menu->action(MenuCommand::ShowBackups)->isEnabled());
}

// The store is damaged behind the program's back: opening offers the newest sound snapshot.
class Recovery : public Backups {
protected:
    void damageStore() {
        makeHistory();
        m_delegate.reset();
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(storePath().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(
            sqlite3_exec(db, "UPDATE \"Transaction\" SET sortID = 1", nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(db);
        m_damaged = *StoreFile::readWhole(storePath());
    }
    std::string m_damaged;
};

TEST_F(Recovery, TheSheetRestoresTheNewestSoundSnapshot) {
    damageStore();
    bool shown = false;
    whenDialogShows([this, &shown](QDialog& dialog) {
        auto& sheet = dynamic_cast<RecoverySheet&>(dialog);
        shown = true;
        EXPECT_EQ(sheet.messageLabel()->text(), "Your data could not be opened.");
        EXPECT_TRUE(sheet.informativeLabel()->text().contains("is damaged"));
        EXPECT_TRUE(sheet.informativeLabel()->text().contains(
            "The newest snapshot that passes the check is from 2026-03-15 12:00 (3 "
            "transactions, net worth $1,596.00)."));
        EXPECT_TRUE(sheet.restoreButton()->isVisible());
        saveScreenshot(sheet, "recovery-sheet");
        sheet.restoreButton()->click();
    });
    start();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(m_alerts.shown.empty()) << m_alerts.shown[0].message.toStdString();
    ASSERT_FALSE(m_delegate->session().openError());
    EXPECT_EQ(Transaction::countInContext(context()), 3u);
    EXPECT_TRUE(m_delegate->window().isVisible());
}

TEST_F(Recovery, TheDamagedStoreOpensReadOnlyAndStaysAsItIs) {
    damageStore();
    whenDialogShows(
        [](QDialog& dialog) { dynamic_cast<RecoverySheet&>(dialog).readOnlyButton()->click(); });
    start();
    EXPECT_TRUE(m_delegate->session().readOnly());
    EXPECT_EQ(m_delegate->window().windowTitle(), "Pennora (Read-Only)");
    EXPECT_EQ(Transaction::countInContext(context()), 3u);
    m_delegate->applicationDidBecomeActive();
    EXPECT_FALSE(context().hasChanges());
    m_delegate.reset();
    EXPECT_EQ(StoreFile::readWhole(storePath()), m_damaged);
}

}  // namespace
