#include "ui/budgets/EditBudgetController.h"

#include <QSpinBox>

#include "budgets/Budget.h"

EditBudgetController::EditBudgetController(ObjectContext& context, Alerts& alerts, QWidget* parent)
    : BudgetSheetController(context, alerts, tr("Edit Budget"), tr("Save"), parent) {
    setObjectName(QStringLiteral("EditBudgetSheet"));
    monthsField()->setEnabled(false);
}

bool EditBudgetController::showOnWindow(QWidget* window, Budget& budget) {
    fillFields(budget.name(), budget.startDate(), static_cast<int>(budget.months()));
    if (beginSheet(window) != 1) {
        return false;
    }
    budget.applySettings(name(), startDate());
    return true;
}
