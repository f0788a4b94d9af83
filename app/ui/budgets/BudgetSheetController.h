#pragma once

#include <QDialog>
#include <string>

#include "base/Date.h"
#include "budgets/StartDateNotice.h"

class Alerts;
class ObjectContext;
class PNDatePicker;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The form both budget sheets share: the budget's name, its length in months and its start
// date, with the warning that a start date lies well before any data (at most once per
// opening). A window-modal sheet that ends with 1 (confirm) or 0 (cancel) and changes nothing
// itself: its owner applies the fields after a confirm.
class BudgetSheetController : public QDialog {
    Q_OBJECT
public:
    QLineEdit* nameField() const { return m_nameField; }
    QSpinBox* monthsField() const { return m_monthsField; }
    PNDatePicker* startDateField() const { return m_startDateField; }
    QPushButton* confirmButton() const { return m_confirmButton; }

    std::string name() const;
    int months() const;
    Date startDate() const;

    // The start-date picker's action: warns once per opening when the picked day lies 16 days
    // or more before the earliest transaction.
    void startDateChanged(Date picked);

protected:
    // `title` heads the sheet, `confirmTitle` is its default button ("Create", "Save").
    BudgetSheetController(ObjectContext& context, Alerts& alerts, const QString& title,
                          const QString& confirmTitle, QWidget* parent);

    // A line under the title that says what the sheet does.
    void setDescription(const QString& text);
    // Fills the fields without warning, selects the name and re-arms the notice.
    void fillFields(const std::string& name, Date startDate, int months);
    // Shows the sheet on `window` until it ends; returns its code.
    int beginSheet(QWidget* window);

    ObjectContext& m_context;
    Alerts& m_alerts;

private:
    void nameChanged();

    StartDateNotice m_startDateNotice;
    QLabel* m_description = nullptr;
    QLineEdit* m_nameField = nullptr;
    QSpinBox* m_monthsField = nullptr;
    PNDatePicker* m_startDateField = nullptr;
    QPushButton* m_confirmButton = nullptr;
    bool m_filling = false;
};
