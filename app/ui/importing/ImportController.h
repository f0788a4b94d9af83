#pragma once

#include <QObject>
#include <QPointer>
#include <cstddef>
#include <memory>

class QWidget;
class Account;
class Alerts;
class FilePicker;
class ImportSession;
class ImportSheet;
class UrlOpener;

// The import sheet's controller: opens the sheet for one account, lets the person choose a
// statement file, and drives the core's ImportSession through its pages (statement choice,
// date order, settings, summary). The file is read on another thread and the entries are
// imported in steps with the event loop turning between them, so that the window stays live
// while a long statement is imported; the store is touched on the main thread only.
//
// Cancel is offered while the file is read and while the entries are matched and imported:
// the session then takes the import back whole and the sheet returns to its main page. Only
// the save itself cannot be cancelled.
class ImportController final : public QObject {
    Q_OBJECT
public:
    // How many entries one step imports.
    static constexpr std::size_t kEntriesPerStep = 1000;

    // REQUIRES: `window`, `alerts`, `picker` and `urls` outlive the controller.
    ImportController(QWidget& window, Alerts& alerts, FilePicker& picker, UrlOpener& urls);
    ~ImportController() override;

    // Opens the sheet (window-modal, it returns at once) for `account`, on its main page.
    void showImportSheetForAccount(Account& account);

    ImportSheet* sheet() const { return m_sheet.get(); }
    ImportSession* session() const { return m_session.get(); }
    // True while the file is read or the entries are imported.
    bool isBusy() const { return m_reading || m_stepping; }

    // ---- The sheet's actions ----
    void chooseFile();
    void import();
    void closeSheet(int returnCode);
    void showSettings();
    void saveSettings();
    void continueFromDateOrder();
    void continueFromAccountSelector();
    void cancelFromDialog();
    // Cancel on the progress page: stops reading the file, or takes back the entries imported
    // so far.
    void cancelImport();

signals:
    // From the first step of an import to its save or cancel, the context holds part of an
    // import (a save meanwhile would only be held back by the import's unit): nobody else
    // should save in between.
    void importStarted();
    void importEnded();
    // An import was saved into `account`: its register should show the new rows.
    void transactionsImported(Account* account);

private:
    void connectPages();
    void readFileInBackground();
    // Shows what the session's last step asks for: a page, and any alert and log lines.
    void showSessionPage();
    void showImportProgress();
    void importNextStep(unsigned generation);
    // On the Importing page: every entry is in, the next step saves (no Cancel any more).
    bool onlySaveLeft() const;
    void showSummary();
    void showDateOrderPrompt();
    void showAccountSelector();
    void showMainPage();
    void showSessionAlert();
    void writeSessionLog();
    void escapePressed();
    void setStepping(bool stepping);

    QWidget& m_window;
    Alerts& m_alerts;
    FilePicker& m_picker;
    UrlOpener& m_urls;
    std::unique_ptr<ImportSheet> m_sheet;
    std::unique_ptr<ImportSession> m_session;
    std::size_t m_loggedLines = 0;
    // Increases whenever a read is started, a read or an import is abandoned, or the sheet is
    // opened: a read or a step that comes back for an earlier number is dropped.
    unsigned m_generation = 0;
    bool m_reading = false;
    bool m_stepping = false;
};
