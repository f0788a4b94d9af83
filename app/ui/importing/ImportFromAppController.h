#pragma once

#include <QList>
#include <QObject>
#include <cstddef>
#include <memory>

#include "ledger/Account.h"

class QWidget;
class Alerts;
class AppImportInsertion;
class FilePicker;
class ImportFromAppDialog;
class ImportFromAppSheet;
class ObjectContext;

// The sheet that imports another application's multi-account QIF export: the person chooses
// the file, Import reads and checks it on another thread, then the accounts and transactions
// are inserted in steps on the main thread with the event loop turning between them, and the
// import is saved all at once. Cancel, up to the save, leaves the store as it was; a file the
// reader refuses shows why and changes nothing.
class ImportFromAppController final : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kTransactionsPerStep = 2000;

    // REQUIRES: `context`, `window`, `alerts` and `picker` outlive the controller.
    ImportFromAppController(ObjectContext& context, QWidget& window, Alerts& alerts,
                            FilePicker& picker);
    ~ImportFromAppController() override;

    // Opens the sheet (window-modal, it returns at once) with no file chosen.
    void showSheet();

    ImportFromAppDialog* dialog() const { return m_dialog.get(); }
    bool isBusy() const { return m_reading || m_insertion != nullptr; }

    // ---- The sheet's actions ----
    void chooseFile();
    void import();
    void cancel();

signals:
    // From the first insertion to the save or the cancel, the context holds half an import:
    // nobody else may save it in between.
    void importStarted();
    void importEnded();
    // The import was saved: the new accounts, in file order, at the end of the account tree.
    void accountsImported(const QList<Account*>& accounts);

private:
    void readFileInBackground(const std::string& path);
    void insertNextStep();
    void save();
    void showFailure(const std::string& error);
    // Lets go of the insertion (saved or taken back) and says so.
    void endInsertion();

    ObjectContext& m_context;
    Alerts& m_alerts;
    FilePicker& m_picker;
    std::unique_ptr<ImportFromAppDialog> m_dialog;
    std::unique_ptr<ImportFromAppSheet> m_sheet;
    std::unique_ptr<AppImportInsertion> m_insertion;
    unsigned m_readGeneration = 0;
    bool m_reading = false;
};
