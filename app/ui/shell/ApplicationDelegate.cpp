#include "ui/shell/ApplicationDelegate.h"

#include <QSplitter>

#include "base/AssertionFailure.h"
#include "session/ApplicationModel.h"
#include "session/StartSequence.h"
#include "store/ObjectContext.h"
#include "ui/common/Alerts.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/AppController.h"
#include "ui/shell/DayActions.h"
#include "ui/shell/MainWindow.h"
#include "ui/welcome/QuitSamplePanel.h"
#include "ui/welcome/WelcomeController.h"

ApplicationDelegate::ApplicationDelegate(StoreSession::Options storeOptions, UserDefaults& defaults,
                                         QObject* parent)
    : QObject(parent), m_defaults(defaults) {
    storeOptions.presentError = [this](const ValidationError& error) { presentError(error); };
    storeOptions.commitEditing = [this] { return m_appController->commitEditing(); };
    m_session = std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(storeOptions));
    m_window = std::make_unique<MainWindow>();
    m_appController = std::make_unique<AppController>(*m_window, *this);
    m_window->setCloseHandler([this] { return windowShouldClose(); });
}

ApplicationDelegate::~ApplicationDelegate() {
    m_appController->forgetStore();
    m_session->reset();
}

void ApplicationDelegate::awakeFromNib() {
    m_welcomeController = std::make_unique<WelcomeController>(m_defaults);
    connect(m_welcomeController.get(), &WelcomeController::startRequested, this,
            [this](bool sample) { startPennora(sample); });
    if (m_defaults.boolForKey(DefaultsKeys::kShouldShowWelcomeScreen)) {
        m_welcomeController->showWindow();
        return;
    }
    startPennora();
}

void ApplicationDelegate::startPennora(bool sample) {
    m_session->setSampleMode(sample);
    reset();
    ObjectContext* context = managedObjectContext();
    const StartSequence::Outcome outcome = StartSequence(*m_session).run();
    m_appController->reset(*context, *outcome.accountsRoot);
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
        // An open error has been shown by then; the context has no store and saves fail.
        ObjectContext& context = m_session->context();
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
    return state;
}
