#pragma once

#include "ui/budgets/BudgetSheetController.h"

class Budget;
class QDialog;
class UserDefaults;

// The New Budget command: asks first when the store holds less than a month of history, then
// shows the new-budget sheet (this year's "2026 Budget", starting today, 12 months) and, on
// "Create", makes the budget with every limit estimated from the past year while a progress
// sheet is up. It then asks for a save, hands the new budget to the main window (which lists
// and selects it) and shows the budget help sheet unless the user turned it off.
class NewBudgetController final : public BudgetSheetController {
    Q_OBJECT
public:
    // REQUIRES: `context`, `alerts` and `defaults` outlive the controller.
    NewBudgetController(ObjectContext& context, Alerts& alerts, UserDefaults& defaults,
                        QWidget* parent = nullptr);

    // Runs the whole command over `window`; returns the new budget, or nullptr when the user
    // waited or cancelled (the store is then unchanged).
    Budget* addBudget(QWidget* window);
    // Presets the fields: the year's default name (selected), today, 12 months.
    void setupDefaultValues();

signals:
    // Must be connected directly to the application's save.
    void storeSaveRequested();
    // The budget was made and saved: list it and select it.
    void budgetCreated(Budget* budget);

private:
    Budget* generateBudget(QWidget* window);

    UserDefaults& m_defaults;
};
