#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "budgets/LimitSheetFields.h"

struct TrackRow;
class AmountField;
class CurrencyField;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;

// The sheet that edits one category's limit: spending limit or income goal, the amount as a
// whole number without sign, for the whole budget or per month, and notes. It changes nothing
// itself: "Save" hands the fields to its owner and closes with 1; "Cancel" closes with 0.
class LimitSheetController final : public QDialog {
    Q_OBJECT
public:
    using SaveHandler =
        std::function<void(const LimitSheetFields& fields, const std::string& notes)>;

    explicit LimitSheetController(QWidget* parent = nullptr);

    // Shows the sheet on `window` for the limit of `row` (a category row; AssertionFailure
    // otherwise) in a budget of `months` months, amounts in `currencyCode`, until it ends.
    // On "Save", `onSave` gets the fields. Returns the sheet's code.
    int showOnWindow(QWidget* window, const TrackRow& row, int months,
                     const std::string& currencyCode, SaveHandler onSave);

    // Fills the fields from the limit.
    void loadFields(const TrackRow& row);
    // What the fields hold now (after committing the amount being typed).
    LimitSheetFields fields() const;
    // The estimate type's pop-up changed: the amount is converted to the new entry.
    void estimateTypeChanged(bool monthly);
    // Commits the amount, hands the fields over and closes with 1.
    void save();
    void cancel() { done(0); }

    QLabel* titleLabel() const { return m_title; }
    QRadioButton* spendingButton() const { return m_spending; }
    QRadioButton* incomeButton() const { return m_income; }
    AmountField* estimateField() const;
    QComboBox* estimateTypePopup() const { return m_estimateTypePopup; }
    QPlainTextEdit* notesField() const { return m_notesField; }

private:
    void setFieldValue(const Decimal& value);

    QLabel* m_title = nullptr;
    QRadioButton* m_spending = nullptr;
    QRadioButton* m_income = nullptr;
    CurrencyField* m_estimateCurrencyField = nullptr;
    QComboBox* m_estimateTypePopup = nullptr;
    QPlainTextEdit* m_notesField = nullptr;
    bool m_monthlySelected = false;
    int m_months = 1;
    SaveHandler m_onSave;
};
