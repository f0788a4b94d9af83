#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

#include "base/Date.h"
#include "ledger/StickyDate.h"
#include "scheduled/DayChangeCheck.h"
#include "session/MenuValidation.h"
#include "session/StoreSession.h"

class AppController;
class BackupsController;
class MainWindow;
class ObjectContext;
class UserDefaults;
class WelcomeController;
class QuitSamplePanel;
struct ValidationError;

// The object that lives for the whole run: it decides at start between the welcome window
// and the main window, opens the store through its StoreSession (which owns the context) and
// runs the start sequence on it, saves it, answers termination, runs the once-a-day work on
// activation, and leaves and enters the sample. The main window is AppController's; its menu
// commands are MainWindowCommands'.
class ApplicationDelegate final : public QObject {
    Q_OBJECT
public:
    // The session is made from `storeOptions`; the delegate supplies how errors are shown
    // and how pending edits are committed. REQUIRES: `defaults` outlives the delegate.
    ApplicationDelegate(StoreSession::Options storeOptions, UserDefaults& defaults,
                        QObject* parent = nullptr);
    ~ApplicationDelegate() override;

    // After the menus and the main window exist: the welcome window, or the main window at
    // once when PNShouldShowWelcomeScreen is off.
    void awakeFromNib();
    void startPennora(bool sample = false);
    void startPennoraWithSampleData() { startPennora(true); }

    // The store context, opening the store on first use after each reset.
    ObjectContext* managedObjectContext();
    // Commits pending edits, then saves; a failure is logged and shown, and returns false.
    bool save();
    void updateAllViews();
    // Drops the context (and the main window's hold on it).
    void reset();
    bool hasOpenContext() const { return m_session->hasContext(); }
    StoreSession& session() const { return *m_session; }
    // Increases whenever the context is replaced.
    std::uint64_t contextGeneration() const { return m_generation; }

    // ---- Application events ----
    // True when the program may quit now.
    bool applicationShouldTerminate();
    void applicationDidBecomeActive();
    bool applicationShouldHandleReopen();
    bool windowShouldClose();

    // ---- Menu commands of the application ----
    void showWelcomeScreen();
    void quitSample();
    void saveAs();
    // The backups window over the store's snapshots.
    void showBackups();
    // Asks, then puts `snapshot` in the store's place and opens it (the store is snapshotted
    // first). A failure is shown and the store stays as it was.
    void restoreSnapshot(const SnapshotManifest& snapshot);
    BackupsController* backupsController() const { return m_backups.get(); }
    void sizeForScreenshot();
    void undo();
    void redo();
    // What the menus need to decide which commands are enabled and how they read.
    MenuValidation::State menuState() const;

    bool sampleMode() const { return m_session->sampleMode(); }
    bool isWelcomeWindowVisible() const;
    MainWindow& window() const { return *m_window; }
    AppController& appController() const { return *m_appController; }
    WelcomeController& welcomeController() const { return *m_welcomeController; }
    QuitSamplePanel* quitSamplePanel() const { return m_quitSamplePanel.get(); }
    UserDefaults& defaults() const { return m_defaults; }
    std::optional<Date> currentDate() const { return m_dayCheck.currentDate(); }

    // The sticky date: while on, the register dates a new transaction on the date of the last
    // one closed in the editor instead of today. Off at every start.
    bool stickyDateIsOn() const { return m_stickyDate.isOn(); }
    void setStickyDateIsOn(bool on) { m_stickyDate.setIsOn(on); }
    StickyDate& stickyDate() { return m_stickyDate; }

    // Logs a save error in detail and shows it in the standard error alert.
    void outputSaveError(const ValidationError& error);

private:
    void closeAllWindows();
    void makeSession(StoreSession::Options options);
    // The recovery sheet for a store that failed the check on opening.
    void offerRecovery();
    void restoreAndReopen(const SnapshotManifest& snapshot);
    void presentError(const ValidationError& error);
    // The open context, or nullptr before the store is opened.
    ObjectContext* openContext() const;

    UserDefaults& m_defaults;
    std::unique_ptr<StoreSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<AppController> m_appController;
    std::unique_ptr<WelcomeController> m_welcomeController;
    std::unique_ptr<QuitSamplePanel> m_quitSamplePanel;
    bool m_contextOpened = false;
    bool m_openingStore = false;
    std::unique_ptr<BackupsController> m_backups;
    QTimer m_snapshotTimer;
    std::uint64_t m_generation = 0;
    DayChangeCheck m_dayCheck;
    StickyDate m_stickyDate;
};
