#pragma once

#include <QDialog>
#include <vector>

#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledItemForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QVBoxLayout;
class Account;
class CategoryField;
class CurrencyField;
class MainWindowHost;
class ObjectContext;
class OnRow;
class PNDatePicker;

// The editor sheet of one scheduled item, creating ("New Scheduled Transaction", "Create") or
// editing ("Edit Scheduled Transaction", "Save"): title and note, due date, repeat type and
// interval with optional custom rules and end, amount, category, account and transfer
// destination, reminder, payment address or instructions, and automatic payment. The fields
// show a ScheduledItemForm and hand every choice to it; the form holds the rules. Optional rows
// (note, "on" rows, ends, destination) are 30 points high and grow or shrink the sheet with its
// top edge in place.
//
// Confirming checks the form's accounts and then the item's validation rules before anything
// changes: a failure is shown in an alert and the sheet stays open with the input as it was.
// Otherwise
// the sheet ends, a new item is inserted, the form is read into the item and the store saved;
// sheetEnded() then tells the list.
class ScheduledSheetController final : public QDialog {
    Q_OBJECT
public:
    // The sheet goes on the host's window. REQUIRES: `host` outlives the controller.
    explicit ScheduledSheetController(MainWindowHost& host);
    ~ScheduledSheetController() override;

    // Open the sheet window-modal and return at once; the title field has the focus.
    void showCreateSheet();
    void showSheetForItem(ScheduledItem& item);

    // The item being edited; nullptr while creating or closed.
    ScheduledItem* item() const { return m_item; }
    bool isCreating() const { return m_creating; }
    const ScheduledItemForm& form() const { return m_form; }

    void okay();
    void cancel();

    QLabel* headingLabel() const { return m_heading; }
    QLineEdit* titleField() const { return m_title; }
    QToolButton* notesButton() const { return m_notesButton; }
    QWidget* noteRow() const { return m_noteRow; }
    QLineEdit* noteField() const { return m_note; }
    QLabel* dueDateLabel() const { return m_dueLabel; }
    PNDatePicker* dueDateField() const { return m_dueDate; }
    QComboBox* repeatTypePopUp() const { return m_repeatType; }
    QSpinBox* intervalField() const { return m_interval; }
    QLabel* unitLabel() const { return m_unit; }
    QToolButton* customRulesButton() const { return m_customToggle; }
    const std::vector<OnRow*>& onRows() const { return m_onRows; }
    QWidget* endsRow() const { return m_endsRow; }
    QComboBox* endsPopUp() const { return m_ends; }
    QSpinBox* endsCountField() const { return m_endsCount; }
    QLabel* endsCountLabel() const { return m_endsLabel; }
    CurrencyField* amountField() const { return m_amount; }
    CategoryField* categoryField() const { return m_category; }
    QLabel* accountLabel() const { return m_accountLabel; }
    QComboBox* accountPopUp() const { return m_account; }
    QCheckBox* transferCheckBox() const { return m_transfer; }
    QWidget* toAccountRow() const { return m_toAccountRow; }
    QComboBox* toAccountPopUp() const { return m_toAccount; }
    QCheckBox* reminderCheckBox() const { return m_reminder; }
    QSpinBox* reminderDaysField() const { return m_reminderDays; }
    QComboBox* addressPopUp() const { return m_addressMode; }
    QLineEdit* addressField() const { return m_address; }
    QCheckBox* payAutomaticallyCheckBox() const { return m_payAutomatically; }
    QPushButton* confirmButton() const { return m_confirm; }

signals:
    // The sheet ended. Confirmed: the item was written and the store saved; `created` is the
    // item a confirmed create sheet inserted (nullptr otherwise).
    void sheetEnded(bool confirmed, ScheduledItem* created);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* newRow(const QString& label, QLabel** labelOut = nullptr);
    void buildTitleRows();
    void buildRepeatRows();
    void buildAmountRows();
    void buildPaymentRows();
    void buildButtons();
    void connectFields();
    void begin(bool creating, ScheduledItem* item, const ScheduledItemForm& form);

    // Shows the form in the fields.
    void showForm();
    void showRepeat();
    void showRuleRows();
    void showAccounts();
    void showReminderAndPayment();
    void fillAccountPopUp(QComboBox* popUp, const std::vector<Account*>& accounts, Account* chosen);
    void updateTabOrder();
    // Reads the text fields into the form.
    void readTextFields();
    void sheetDidEnd(int returnCode);

    MainWindowHost& m_host;
    ObjectContext& m_context;
    ScheduledItemForm m_form;
    ScheduledItem* m_item = nullptr;
    bool m_creating = false;
    bool m_noteShown = false;
    int m_labelWidth = 0;

    QVBoxLayout* m_rows = nullptr;
    QLabel* m_heading = nullptr;
    QLineEdit* m_title = nullptr;
    QToolButton* m_notesButton = nullptr;
    QWidget* m_noteRow = nullptr;
    QLineEdit* m_note = nullptr;
    QLabel* m_dueLabel = nullptr;
    PNDatePicker* m_dueDate = nullptr;
    QWidget* m_repeatRow = nullptr;
    QComboBox* m_repeatType = nullptr;
    QWidget* m_repeatControls = nullptr;
    QSpinBox* m_interval = nullptr;
    QLabel* m_unit = nullptr;
    QToolButton* m_customToggle = nullptr;
    std::vector<OnRow*> m_onRows;
    QWidget* m_endsRow = nullptr;
    QComboBox* m_ends = nullptr;
    QSpinBox* m_endsCount = nullptr;
    QLabel* m_endsLabel = nullptr;
    CurrencyField* m_amount = nullptr;
    CategoryField* m_category = nullptr;
    QLabel* m_accountLabel = nullptr;
    QComboBox* m_account = nullptr;
    QCheckBox* m_transfer = nullptr;
    QWidget* m_toAccountRow = nullptr;
    QComboBox* m_toAccount = nullptr;
    QCheckBox* m_reminder = nullptr;
    QSpinBox* m_reminderDays = nullptr;
    QComboBox* m_addressMode = nullptr;
    QLineEdit* m_address = nullptr;
    QCheckBox* m_payAutomatically = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_confirm = nullptr;
};
