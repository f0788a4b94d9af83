#include "ui/shell/MainWindowCommands.h"

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountTreeCommands.h"
#include "session/SourceListCommands.h"
#include "ui/accounts/EditAccountController.h"
#include "ui/accounts/NewAccountController.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/budgets/BudgetController.h"
#include "ui/budgets/NewBudgetController.h"
#include "ui/common/Alerts.h"
#include "ui/common/RegisterController.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/PlaceholderContentController.h"
#include "ui/shell/SourceListController.h"
#include "ui/shell/ViewRouter.h"

namespace {

using Kind = SourceListItem::Kind;

}  // namespace

MainWindowCommands::MainWindowCommands(AppController& controller, ApplicationDelegate& delegate)
    : m_controller(controller), m_delegate(delegate) {}

MainWindowCommands::~MainWindowCommands() = default;

void MainWindowCommands::forgetStore() {
    m_newAccountController.reset();
    m_editAccountController.reset();
    m_newBudgetController.reset();
}

bool MainWindowCommands::mayProceed(const CommandCheck& check) {
    return Alerts::shared().mayProceed(check, &m_controller.window());
}

void MainWindowCommands::showUnavailable(const QString& what) {
    PlaceholderContentController::showUnavailable(m_controller.window(), what);
}

void MainWindowCommands::addAccount() {
    if (!m_newAccountController) {
        m_newAccountController = std::make_unique<NewAccountController>(m_controller);
    }
    m_newAccountController->run();
}

void MainWindowCommands::addAccountGroup() {
    AccountGroup& group = AccountTreeCommands::addGroup(
        m_controller.context(), m_controller.accountsRoot(), AccountTreeCommands::kNewGroupName);
    SourceListController& list = m_controller.sourceList();
    list.reload();
    list.selectItem(SourceListItem::forObject(&group));
    m_controller.outlineViewSelectionDidChange();
    list.editSelectedName();
}

void MainWindowCommands::editAccount() {
    Account* account = m_controller.selectedSourceListItem().account();
    PN_ASSERT(account != nullptr, "editAccount: the selected item is not an account");
    if (!m_editAccountController) {
        m_editAccountController = std::make_unique<EditAccountController>(m_controller);
    }
    m_editAccountController->run(*account);
}

void MainWindowCommands::importFromBank() {
    if (!mayProceed(
            SourceListCommands::checkImportFromBank(m_controller.selectedSourceListItem()))) {
        return;
    }
    Alerts::shared().run({.message = tr("Importing statements is not available in this version."),
                          .style = AlertContent::Style::Informational},
                         &m_controller.window());
}

void MainWindowCommands::importFromApp() {
    Alerts::shared().run(
        {.message = tr("Importing from another application is not available in this version."),
         .style = AlertContent::Style::Informational},
        &m_controller.window());
}

void MainWindowCommands::addBudget() {
    if (!m_newBudgetController) {
        m_newBudgetController =
            std::make_unique<NewBudgetController>(m_controller.context(), m_controller.alerts(),
                                                  m_controller.defaults(), &m_controller.window());
        connect(m_newBudgetController.get(), &NewBudgetController::storeSaveRequested, this,
                [this] { m_controller.save(); });
        connect(m_newBudgetController.get(), &NewBudgetController::budgetCreated, this,
                [this](Budget* budget) { budgetCreated(budget); });
    }
    (void)m_newBudgetController->addBudget(&m_controller.window());
}

void MainWindowCommands::budgetCreated(Budget* budget) {
    m_controller.reloadSourceList();
    m_controller.selectSourceListItem(SourceListItem::forObject(budget));
}

BudgetController* MainWindowCommands::shownBudgetController() const {
    if (m_controller.router().currentView() != ContentView::BudgetView) {
        return nullptr;
    }
    return &m_controller.router()
                .controllerAs<BudgetContentController>(ContentView::BudgetView)
                .budgetController();
}

void MainWindowCommands::editBudget() {
    if (BudgetController* budget = shownBudgetController()) {
        budget->showSettings();
    }
}

void MainWindowCommands::editLimit() {
    if (BudgetController* budget = shownBudgetController()) {
        budget->editLimit();
    }
}

void MainWindowCommands::deleteItem() {
    const SourceListCommands::Selection selection = m_controller.selection();
    if (selection.item.account() != nullptr) {
        m_controller.save();
    }
    if (!mayProceed(SourceListCommands::checkDelete(selection))) {
        return;
    }
    SourceListController& list = m_controller.sourceList();
    const int row = list.visibleRowOfSelection();
    SourceListCommands::performDelete(selection, m_controller.context());
    list.reloadAfterDelete(row);
    m_controller.save();
}

void MainWindowCommands::rename() {
    m_controller.sourceList().editSelectedName();
}

void MainWindowCommands::newTransaction() {
    if (m_controller.isShowingTransactionsViewForAccount()) {
        m_controller.registerController().newItem();
        return;
    }
    PN_ASSERT(m_controller.selectedSourceListItem().kind() == Kind::Scheduled,
              "newTransaction: Scheduled expected");
    m_controller.router().controller(ContentView::ScheduledList).newItem();
}

ScheduledController& MainWindowCommands::scheduledList() {
    return m_controller.router().controllerAs<ScheduledController>(ContentView::ScheduledList);
}

void MainWindowCommands::editScheduledItem() {
    scheduledList().edit();
}

void MainWindowCommands::payScheduledItem() {
    scheduledList().pay();
}

void MainWindowCommands::skipScheduledItem() {
    scheduledList().skip();
}

void MainWindowCommands::transfer() {
    showUnavailable(tr("Transfers between accounts"));
}

void MainWindowCommands::toggleScheduledTransactions() {
    showUnavailable(tr("Showing projected scheduled transactions"));
}

void MainWindowCommands::showPreferencePanel() {
    Alerts::shared().run({.message = tr("Preferences are not available in this version."),
                          .style = AlertContent::Style::Informational},
                         &m_controller.window());
}
