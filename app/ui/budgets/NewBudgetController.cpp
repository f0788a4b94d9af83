#include "ui/budgets/NewBudgetController.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "budgets/Budget.h"
#include "budgets/BudgetCreation.h"
#include "ui/common/Alerts.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/SimpleSheetController.h"
#include "ui/common/UserDefaults.h"

namespace {

// The "BudgetCreateProgress" sheet: up while the limits are estimated.
class ProgressSheet final : public QDialog {
public:
    explicit ProgressSheet(QWidget* window) : QDialog(window) {
        setObjectName(QStringLiteral("BudgetCreateProgress"));
        setWindowModality(Qt::WindowModal);
        setWindowTitle(QApplication::translate("NewBudgetController", "New Budget"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(22, 18, 22, 18);
        layout->addWidget(new QLabel(QApplication::translate(
            "NewBudgetController", "Estimating your budget from past transactions\u2026")));
        auto* indicator = new QProgressBar;
        indicator->setRange(0, 0);
        indicator->setTextVisible(false);
        layout->addWidget(indicator);
    }
};

}  // namespace

NewBudgetController::NewBudgetController(ObjectContext& context, Alerts& alerts,
                                         UserDefaults& defaults, QWidget* parent)
    : BudgetSheetController(context, alerts, tr("New Budget"), tr("Create"), parent),
      m_defaults(defaults) {
    setObjectName(QStringLiteral("NewBudgetSheet"));
    setDescription(
        tr("Pennora sets a limit for every category from what you spent and earned "
           "over the past year. You can change each limit afterwards."));
}

void NewBudgetController::setupDefaultValues() {
    const Date today = Date::today_PN();
    fillFields(BudgetCreation::defaultName(today.year_PN()), today, BudgetCreation::kDefaultMonths);
}

Budget* NewBudgetController::addBudget(QWidget* window) {
    if (!Budget::hasEnoughDataForBudget(m_context) &&
        m_alerts.show(BudgetCreation::notEnoughDataQuestion(), window).button == 0) {
        return nullptr;
    }
    setupDefaultValues();
    if (beginSheet(window) != 1) {
        return nullptr;
    }
    Budget* budget = generateBudget(window);
    emit storeSaveRequested();
    emit budgetCreated(budget);
    if (m_defaults.boolForKey(DefaultsKeys::kShouldShowBudgetHelp)) {
        SimpleSheetController help(QStringLiteral("BudgetHelp"), m_defaults, window);
        help.beginSheet(window);
    }
    return budget;
}

Budget* NewBudgetController::generateBudget(QWidget* window) {
    ProgressSheet progress(window);
    progress.show();
    // Let the sheet appear before the estimate keeps the event loop busy.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Budget* budget = Budget::generateBudget(m_context, name(), startDate(), months());
    progress.hide();
    return budget;
}
