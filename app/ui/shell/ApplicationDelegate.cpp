#include "ui/shell/ApplicationDelegate.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QSplitter>

#include "base/AssertionFailure.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "session/StartSequence.h"
#include "session/StoreRecovery.h"
#include "store/ObjectContext.h"
#include "ui/backups/BackupsController.h"
#include "ui/backups/BackupsWindow.h"
#include "ui/backups/RecoverySheet.h"
#include "ui/common/Alerts.h"
#include "ui/common/BulkChangeSnapshot.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UrlOpener.h"
#include "ui/common/UserDefaults.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/DayActions.h"
#include "ui/shell/MainWindow.h"
#include "ui/welcome/QuitSamplePanel.h"
#include "ui/welcome/WelcomeController.h"

ApplicationDelegate::ApplicationDelegate(StoreSession::Options storeOptions, UserDefaults& defaults,
                                         QObject* parent)
    : QObject(parent), m_defaults(defaults) {
    makeSession(std::move(storeOptions));
    m_window = std::make_unique<MainWindow>();
    m_appController = std::make_unique<AppController>(*m_window, *this);
    m_window->setCloseHandler([this] { return windowShouldClose(); });
    BulkChangeSnapshot::setHandler([this](SnapshotReason reason) {
        m_session->snapshotBeforeBulkChange(reason);
        if (m_backups) {
            m_backups->reload();
        }
    });
    // The hourly snapshot is taken between events, never in the save after an edit.
    m_snapshotTimer.setInterval(std::chrono::minutes(5));
    connect(&m_snapshotTimer, &QTimer::timeout, this, [this] {
        if (m_session->snapshotIfDue() && m_backups) {
            m_backups->reload();
        }
    });
    m_snapshotTimer.start();
}

ApplicationDelegate::~ApplicationDelegate() {
    BulkChangeSnapshot::setHandler(nullptr);
    m_appController->forgetStore();
    m_session->reset();
}

void ApplicationDelegate::makeSession(StoreSession::Options options) {
    options.presentError = [this](const ValidationError& error) { presentError(error); };
    options.commitEditing = [this] { return m_appController->commitEditing(); };
    m_session = std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(options));
}

void ApplicationDelegate::awakeFromNib() {
    m_welcomeController = std::make_unique<WelcomeController>(m_defaults);
    connect(m_welcomeController.get(), &WelcomeController::startRequested, this,
            [this](bool sample) { startPennora(sample); });
    if (m_defaults.boolForKey(DefaultsKeys::kShouldShowWelcomeScreen) && !m_session->readOnly()) {
        m_welcomeController->showWindow();
        return;
    }
    startPennora();
}

void ApplicationDelegate::startPennora(bool sample) {
    m_session->setSampleMode(sample);
    reset();
    ObjectContext* context = managedObjectContext();
    if (m_session->openError() && m_session->snapshots() != nullptr) {
        // Nothing runs on a store that failed the check: the person chooses first.
        m_window->show();
        offerRecovery();
        return;
    }
    const StartSequence::Outcome outcome = StartSequence(*m_session).run();
    m_appController->reset(*context, *outcome.accountsRoot);
    m_window->setWindowTitle(m_session->readOnly() ? tr("Pennora (Read-Only)") : tr("Pennora"));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (sample) {
        if (!m_quitSamplePanel) {
            m_quitSamplePanel = std::make_unique<QuitSamplePanel>();
            connect(m_quitSamplePanel.get(), &QuitSamplePanel::quitSampleRequested, this,
                    [this] { quitSample(); });
        }
        m_quitSamplePanel->showNear(*m_window);
    }
    if (outcome.homeCurrencyAlert) {
        Alerts::shared().show(*outcome.homeCurrencyAlert, m_window.get());
    }
}

void ApplicationDelegate::reset() {
    m_appController->forgetStore();
    m_session->reset();
    m_contextOpened = false;
    ++m_generation;
}

ObjectContext* ApplicationDelegate::managedObjectContext() {
    if (!m_contextOpened) {
        m_contextOpened = true;
        // An open error has been shown by then (or is left to the recovery sheet); the
        // context has no store and saves fail.
        m_openingStore = true;
        ObjectContext& context = m_session->context();
        m_openingStore = false;
        ++m_generation;
        ObjectContext::setApplicationContext(&context);
    }
    return &m_session->context();
}

ObjectContext* ApplicationDelegate::openContext() const {
    return m_session->hasContext() ? &m_session->context() : nullptr;
}

bool ApplicationDelegate::save() {
    return m_session->save();
}

void ApplicationDelegate::outputSaveError(const ValidationError& error) {
    m_session->outputSaveError(error);
}

// The standard error alert, for a store that cannot be opened and for a failed save.
void ApplicationDelegate::presentError(const ValidationError& error) {
    if (m_openingStore && m_session->snapshots() != nullptr) {
        return;  // startPennora offers the recovery sheet, which says what is wrong
    }
    QStringList details;
    for (const ValidationError& detail : error.detailedErrors) {
        details << QString::fromStdString(detail.localizedDescription);
    }
    Alerts::shared().run({.message = QString::fromStdString(error.localizedDescription),
                          .informativeText = details.join('\n'),
                          .style = AlertContent::Style::Critical},
                         m_window->isVisible() ? m_window.get() : nullptr);
}

void ApplicationDelegate::updateAllViews() {
    m_appController->updateAllViews();
}

// ---- Application events ----

bool ApplicationDelegate::applicationShouldTerminate() {
    return m_session->applicationShouldTerminate() == TerminateReply::Now;
}

void ApplicationDelegate::applicationDidBecomeActive() {
    DayActions actions(*this);
    if (managedObjectContext() == nullptr) {
        return;
    }
    m_dayCheck.applicationDidBecomeActive(actions);
}

bool ApplicationDelegate::applicationShouldHandleReopen() {
    if (!isWelcomeWindowVisible() && !m_window->isVisible()) {
        m_window->show();
        m_window->raise();
    }
    return true;
}

// Closing the main window ends the program, as on every Linux desktop, unless the store
// cannot be saved; in the sample it goes back to the welcome window instead.
bool ApplicationDelegate::windowShouldClose() {
    if (sampleMode()) {
        quitSample();
        return false;
    }
    return applicationShouldTerminate();
}

bool ApplicationDelegate::isWelcomeWindowVisible() const {
    return m_welcomeController != nullptr && m_welcomeController->isVisible();
}

// ---- Menu commands ----

void ApplicationDelegate::closeAllWindows() {
    m_window->hide();
    m_appController->preferences().window().hide();
    if (m_quitSamplePanel) {
        m_quitSamplePanel->hide();
    }
}

void ApplicationDelegate::showWelcomeScreen() {
    if (isWelcomeWindowVisible()) {
        return;
    }
    if (openContext() != nullptr) {
        save();
    }
    m_welcomeController->showWindow();
    closeAllWindows();
}

void ApplicationDelegate::quitSample() {
    // The welcome window opens first, so the program never runs without a window.
    m_welcomeController->showWindow();
    closeAllWindows();
}

void ApplicationDelegate::saveAs() {
    PN_ASSERT(openContext() != nullptr, "managedObjectContext missing");
    m_session->saveAs();
}

void ApplicationDelegate::showBackups() {
    const StoreSnapshots* snapshots = m_session->snapshots();
    if (snapshots == nullptr) {
        return;
    }
    if (!m_backups) {
        BackupsController::Actions actions;
        actions.restore = [this](const SnapshotManifest& snapshot) { restoreSnapshot(snapshot); };
        actions.openReadOnly = [](const std::string& path) {
            // Another window of the program, on the snapshot and nothing else.
            QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                    {QStringLiteral("--read-only"), QString::fromStdString(path)});
        };
        m_backups = std::make_unique<BackupsController>(std::move(actions), UrlOpener::shared());
    }
    m_backups->showWindow(*snapshots);
}

void ApplicationDelegate::restoreSnapshot(const SnapshotManifest& snapshot) {
    AlertContent question;
    question.message =
        tr("Restore the snapshot of %1?").arg(QString::fromStdString(snapshot.takenText()));
    question.informativeText =
        tr("Your data is replaced by the snapshot (%1). Your data as it is now is kept as a "
           "snapshot first, so you can go back to it.")
            .arg(QString::fromStdString(snapshot.contentsText()));
    question.buttons = {tr("Restore"), tr("Cancel")};
    QWidget* over = m_backups && m_backups->window().isVisible()
                        ? static_cast<QWidget*>(&m_backups->window())
                        : m_window.get();
    if (Alerts::shared().run(question, over).button != 0) {
        return;
    }
    if (openContext() != nullptr && !m_session->openError() && !save()) {
        return;
    }
    restoreAndReopen(snapshot);
}

void ApplicationDelegate::restoreAndReopen(const SnapshotManifest& snapshot) {
    // The views let go of the store's objects before the session closes it.
    m_appController->forgetStore();
    if (std::optional<std::string> error = m_session->restoreSnapshot(snapshot)) {
        Alerts::shared().run({.message = tr("The snapshot could not be restored."),
                              .informativeText = QString::fromStdString(*error),
                              .style = AlertContent::Style::Critical},
                             m_window.get());
    }
    startPennora(false);
    if (m_backups) {
        m_backups->reload();
    }
}

void ApplicationDelegate::offerRecovery() {
    const StoreRecovery recovery = StoreRecovery::forSession(*m_session);
    RecoverySheet sheet(recovery, m_window.get());
    switch (sheet.exec()) {
        case RecoverySheet::Restore:
            restoreAndReopen(*recovery.snapshot);
            return;
        case RecoverySheet::OpenReadOnly:
            // What still loads of the damaged store, to copy things out of it.
            m_appController->forgetStore();
            m_session->reset();
            makeSession(FileStores::readOnlyOptions(recovery.storePath, false));
            startPennora(false);
            return;
        default:
            m_window->hide();
            QTimer::singleShot(0, qApp, [] { QApplication::exit(1); });
    }
}

void ApplicationDelegate::sizeForScreenshot() {
    m_window->setGeometry(200, 143, 887, 546);
    QSplitter* split = m_window->splitView();
    const int total = split->width() > 0 ? split->width() : 887;
    split->setSizes({175, total - 175 - split->handleWidth()});
}

void ApplicationDelegate::undo() {
    ObjectContext* context = openContext();
    if (context != nullptr && context->undoManager().canUndo()) {
        context->undo();
        save();
    }
}

void ApplicationDelegate::redo() {
    ObjectContext* context = openContext();
    if (context != nullptr && context->undoManager().canRedo()) {
        context->redo();
        save();
    }
}

MenuValidation::State ApplicationDelegate::menuState() const {
    MenuValidation::State state = m_appController->menuState();
    state.welcomeWindowVisible = isWelcomeWindowVisible();
    state.sampleMode = sampleMode();
    state.keepsSnapshots =
        state.storeOpen && m_session->snapshots() != nullptr && !m_session->openError();
    return state;
}
