#pragma once

#include <QDialog>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class CategoryField;
class CheckNumberField;
class CurrencyField;
class LinkButton;
class MainWindowHost;
class PNDatePicker;
class PaySheetModel;
class ScheduledItem;
struct Alert;

// The pay sheet: turns the next occurrence of one scheduled item into real transactions with
// the date, amount, check number, category and notes the person confirms. A payment address
// is offered as a link, payment instructions are shown. After paying, a notice says what was
// created unless the person ticked its "Do not show this message again" box before
// (PNShouldShowPaymentNotice). Decisions and texts are PaySheetModel's.
class PayController final : public QDialog {
    Q_OBJECT
public:
    // The sheet and the notice go on the host's window. REQUIRES: `host` outlives the
    // controller.
    explicit PayController(MainWindowHost& host);
    ~PayController() override;

    // Fills the sheet for `item` and opens it window-modal; returns at once. The amount field
    // has the focus.
    void showSheetForItem(ScheduledItem& item);
    // The item while the sheet is open.
    ScheduledItem* item() const;

    // Confirms: an empty amount is refused and a sign against the item asked about first; the
    // sheet stays open then, with the focus in the amount field. Otherwise it ends paying.
    void okay();
    void cancel();

    QLabel* headingLabel() const { return m_heading; }
    QLabel* dueLabel() const { return m_due; }
    LinkButton* linkButton() const { return m_link; }
    QLabel* instructionsLabel() const { return m_instructions; }
    PNDatePicker* dateField() const { return m_date; }
    CurrencyField* amountField() const { return m_amount; }
    CheckNumberField* checkNumberField() const { return m_checkNumber; }
    CategoryField* categoryField() const { return m_category; }
    QLineEdit* notesField() const { return m_notes; }
    QPushButton* confirmButton() const { return m_confirm; }

signals:
    // The sheet ended: after a payment has been made and saved (`paid`), before the notice
    // shows. The list checks the reminders and refreshes here.
    void sheetEnded(bool paid);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildTitleArea();
    void fillTitleArea();
    void sheetDidEnd(int returnCode);
    // Pays with the fields' values and saves; the notice to show, if any.
    std::optional<Alert> pay();
    void showNotice(const Alert& notice);

    MainWindowHost& m_host;
    std::unique_ptr<PaySheetModel> m_model;
    QLabel* m_heading = nullptr;
    QLabel* m_due = nullptr;
    QWidget* m_linkRow = nullptr;
    LinkButton* m_link = nullptr;
    QLabel* m_instructions = nullptr;
    PNDatePicker* m_date = nullptr;
    CurrencyField* m_amount = nullptr;
    CheckNumberField* m_checkNumber = nullptr;
    CategoryField* m_category = nullptr;
    QLineEdit* m_notes = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_confirm = nullptr;
};
