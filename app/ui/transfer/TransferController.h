#pragma once

#include <QObject>
#include <functional>
#include <memory>

class Account;
class ObjectContext;
class TransferSheet;
class TransferSheetModel;
class QWidget;
struct ValidationError;

// The transfer sheet's controller: shows the core's TransferSheetModel in the sheet, writes
// the person's edits back to it and forwards the sheet's actions (destination changed,
// disclosure, Transfer, Cancel). The model decides every field; the controller only shows.
class TransferController final : public QObject {
    Q_OBJECT
public:
    using SaveErrorReporter = std::function<void(const ValidationError&)>;

    // `reportSaveError` shows a failed save (the transfer then stays unsaved in the context).
    // REQUIRES: `context` and `window` outlive the controller.
    TransferController(ObjectContext& context, QWidget& window, SaveErrorReporter reportSaveError);
    ~TransferController() override;

    // Opens the sheet (window-modal, it returns at once) for transfers from `source`.
    void showSheet(Account& source);

    TransferSheet* sheet() const { return m_sheet.get(); }
    TransferSheetModel& model() const { return *m_model; }

    // ---- The sheet's actions ----
    void toAccountChanged();
    void toggleAdvanced();
    void transfer();
    void cancel();

signals:
    // Both transactions are in the context (and saved unless the save failed).
    void transferMade(Account* source, Account* destination);

private:
    // Shows every field as the model holds it.
    void showFields(bool animated);
    void fillDestinations();
    // Takes what the person typed into the model.
    void takeEditedFields();

    ObjectContext& m_context;
    SaveErrorReporter m_reportSaveError;
    std::unique_ptr<TransferSheetModel> m_model;
    std::unique_ptr<TransferSheet> m_sheet;
    std::vector<Account*> m_destinations;  // by pop-up position
};
