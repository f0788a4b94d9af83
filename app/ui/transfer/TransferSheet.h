#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class CategoryField;
class CurrencyField;
class PNDatePicker;

// The transfer sheet ("Transfer"): the amount in the source account's currency, the
// destination pop-up, and behind a disclosure button the advanced pane with category, title
// and date. Showing or hiding the pane grows or shrinks the sheet by the pane's height, its
// top edge in place. It shows and forwards; TransferController drives it.
class TransferSheet final : public QDialog {
    Q_OBJECT
public:
    explicit TransferSheet(QWidget* parent);

    QLabel* sourceLabel() const { return m_source; }
    CurrencyField* amountField() const { return m_amount; }
    QComboBox* toAccountPopup() const { return m_toAccount; }
    QToolButton* disclosureButton() const { return m_disclosure; }
    QWidget* advancedPane() const { return m_pane; }
    CategoryField* categoryField() const { return m_category; }
    QLineEdit* titleField() const { return m_title; }
    PNDatePicker* datePicker() const { return m_date; }
    QPushButton* transferButton() const { return m_transfer; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Shows or hides the pane; `animated` resizes the sheet as a sheet does, otherwise at once.
    void setAdvancedShown(bool shown, bool animated);

private:
    QLabel* m_source = nullptr;
    CurrencyField* m_amount = nullptr;
    QComboBox* m_toAccount = nullptr;
    QToolButton* m_disclosure = nullptr;
    QWidget* m_pane = nullptr;
    CategoryField* m_category = nullptr;
    QLineEdit* m_title = nullptr;
    PNDatePicker* m_date = nullptr;
    QPushButton* m_transfer = nullptr;
    QPushButton* m_cancel = nullptr;
};
