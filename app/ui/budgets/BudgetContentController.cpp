#include "ui/budgets/BudgetContentController.h"

#include <QTimer>

#include "budgets/Budget.h"
#include "ui/budgets/BudgetController.h"
#include "ui/common/MainWindowHost.h"
#include "ui/common/Sidebar.h"

BudgetContentController::BudgetContentController(MainWindowHost& host,
                                                 TransactionListFactory makeTransactionList)
    : m_host(host),
      m_view(std::make_unique<BudgetController>(host.context(), host.alerts(),
                                                std::move(makeTransactionList))) {
    connect(m_view.get(), &BudgetController::storeSaveRequested, this, [this] { m_host.save(); });
    connect(m_view.get(), &BudgetController::budgetChanged, this,
            [this] { m_host.reloadSourceList(); });
}

BudgetContentController::~BudgetContentController() = default;

QWidget* BudgetContentController::view() {
    return m_view.get();
}

void BudgetContentController::showItem(const SourceListItem& item) {
    Budget* budget = item.budget();
    if (budget == nullptr) {
        return;
    }
    const bool sameBudget = budget == m_view->budget();
    m_view->setBudget(budget);
    m_view->setup(sameBudget && m_view->sidebar().selectedButton() != nullptr);
    // The end notice goes on the window once the router has put the view there.
    QTimer::singleShot(0, m_view.get(), [view = m_view.get(), budget] {
        if (view->budget() == budget && view->isVisible()) {
            view->didSwitchToBudget();
        }
    });
}

void BudgetContentController::refresh() {
    Budget* budget = m_view->budget();
    if (budget == nullptr) {
        return;
    }
    if (budget->isDeleted()) {
        // Undone: the budget shown is gone, so the window goes back to all accounts.
        m_host.selectSourceListItem(SourceListItem::fixed(SourceListItem::Kind::AllAccounts));
        return;
    }
    m_view->setup(true);
}

RegisterCommands* BudgetContentController::registerCommands() {
    return m_view->shownListCommands();
}

bool BudgetContentController::commitEditing() {
    return m_view->commitEditing();
}
