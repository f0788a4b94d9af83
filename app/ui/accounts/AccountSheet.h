#pragma once

#include <QDialog>
#include <vector>

#include "ui/accounts/AccountSheetFields.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class AmountField;
class Currency;
class ObjectContext;

// The form of the new-account sheet ("NewAccountSheet") and of the edit-account sheet
// ("EditAccountSheet"): name, type, currency (home currency first), start balance, and the
// start date (new) or the closed box (edit). It ends with 1 (confirm) or 0 (cancel).
class AccountSheet final : public QDialog {
    Q_OBJECT
public:
    enum class Kind { New, Edit };
    AccountSheet(Kind kind, QWidget* parent);

    // Fills the pop-ups from `context` and the fields from `fields`.
    void setup(ObjectContext& context, const AccountSheetFields& fields);
    AccountSheetFields fields() const;

    // For tests and screenshots.
    QLineEdit* nameField() const { return m_name; }
    QComboBox* typePopUp() const { return m_type; }
    QComboBox* currencyPopUp() const { return m_currency; }
    AmountField* balanceField() const { return m_balance; }
    QCheckBox* closedBox() const { return m_closed; }

private:
    void typeChanged();

    Kind m_kind;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_currency = nullptr;
    AmountField* m_balance = nullptr;
    QDateEdit* m_date = nullptr;
    QCheckBox* m_closed = nullptr;
    std::vector<Currency*> m_currencies;  // by pop-up position; nullptr: home currency
    AccountSheetFields m_original;
};
