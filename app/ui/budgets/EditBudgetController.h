#pragma once

#include "ui/budgets/BudgetSheetController.h"

class Budget;

// The budget settings sheet: the budget's name and start date (its months are shown but fixed
// after creation). "Save" gives the budget the new name and start date (a new start re-arms
// the end notice); the limits stay as they are.
class EditBudgetController final : public BudgetSheetController {
    Q_OBJECT
public:
    EditBudgetController(ObjectContext& context, Alerts& alerts, QWidget* parent = nullptr);

    // Shows the sheet for `budget` on `window` and applies it on "Save". Returns whether the
    // budget was changed.
    bool showOnWindow(QWidget* window, Budget& budget);
};
