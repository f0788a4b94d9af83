// Renders the register on the shipped sample store to build/screenshots/ for a person to
// look at: an account, all accounts, search results and a row with the editor open. Run
// with QT_SCALE_FACTOR=2 for the "@2x" pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <memory>

#include "FakeRowEditor.h"
#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/StickyDate.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "session/StoreSession.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/SearchResultsController.h"
#include "ui/register/StatusField.h"
#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"

namespace {

// The register as the main window's content area holds it: the table over the status line.
class RegisterFrame final : public QWidget {
public:
    explicit RegisterFrame(QWidget* content) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(content);
        status = new StatusField(this);
        status->setFixedHeight(status->fontMetrics().height() + 10);
        layout->addWidget(status);
        resize(712, 480);
    }
    StatusField* status = nullptr;
};

class RegisterScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        UserLocale::set("en_US");
        ASSERT_TRUE(m_folder.isValid());
        StoreSession::Options options = FileStores::sessionOptions();
        options.dataFolder = m_folder.filePath("Pennora").toStdString();
        m_session = std::make_unique<StoreSession>(ApplicationModel::shared(), options);
        m_session->setSampleMode(true);
        (void)StartSequence(*m_session).run();
    }
    void TearDown() override {
        m_session.reset();
        Clock::reset();
        UserLocale::reset();
    }
    ObjectContext& context() { return m_session->context(); }
    Account& accountNamed(const std::string& name) {
        return *Account::findFirstByPredicate([&](const Account& a) { return a.name() == name; },
                                              context());
    }
    static void save(QWidget& widget, const QString& name) {
        widget.show();
        QApplication::processEvents();
        QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
        const QString suffix = widget.devicePixelRatioF() > 1.5 ? "@2x" : "";
        widget.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/") + name + suffix + ".png");
    }
    TransactionsTableController::SaveFunction saver() {
        return [this] { return m_session->save(); };
    }

    QTemporaryDir m_folder;
    std::unique_ptr<StoreSession> m_session;
    ScriptedAlerts m_alerts;
    StickyDate m_sticky;
};

TEST_F(RegisterScreenshots, SampleRegisters) {
    QWidget holder;
    auto* editor = new FakeRowEditor;
    auto* controller =
        new TransactionsTableController(context(), m_alerts, m_sticky, saver(), editor, &holder);
    RegisterFrame frame(&controller->table());
    QObject::connect(controller, &TransactionsTableController::statusMessageChanged, frame.status,
                     &QLabel::setText);

    controller->showTransactionsForAccount(accountNamed("Checking"));
    controller->toggleBalanceColumn();
    ASSERT_GT(controller->model().rowCount(), 10);
    save(frame, "register-checking");
    EXPECT_FALSE(frame.status->text().isEmpty());

    QItemSelection two;
    for (int row : {1, 2}) {
        two.select(controller->model().index(row, 0), controller->model().index(row, 5));
    }
    controller->table().selectionModel()->select(two, QItemSelectionModel::ClearAndSelect);
    EXPECT_TRUE(frame.status->text().startsWith("2 of "));
    save(frame, "register-checking-two-selected");

    controller->table().selectionModel()->select(
        controller->model().index(3, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    controller->showEditPanel();
    ASSERT_TRUE(controller->editPanelIsOpen());
    save(frame, "register-checking-editor-open");
    controller->commitEditing();

    controller->hideBalanceColumn();
    controller->showAllTransactions();
    save(frame, "register-all-accounts");
}

TEST_F(RegisterScreenshots, SearchResults) {
    SearchResultsController search(context(), m_alerts, m_sticky, saver(), new FakeRowEditor);
    RegisterFrame frame(search.view());
    QObject::connect(&search, &SearchResultsController::statusMessageChanged, frame.status,
                     &QLabel::setText);
    search.searchWithString("rent", {});
    EXPECT_TRUE(frame.status->text().startsWith("Found "));
    save(frame, "register-search-rent");
}

}  // namespace
