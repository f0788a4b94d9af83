#include "ui/shell/MainWindowCommands.h"

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountTreeCommands.h"
#include "ledger/CurrenciesFile.h"
#include "session/SourceListCommands.h"
#include "ui/accounts/EditAccountController.h"
#include "ui/accounts/NewAccountController.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/budgets/BudgetController.h"
#include "ui/budgets/NewBudgetController.h"
#include "ui/common/Alerts.h"
#include "ui/common/BulkChangeSnapshot.h"
#include "ui/common/FilePicker.h"
#include "ui/common/RegisterCommands.h"
#include "ui/common/RegisterController.h"
#include "ui/common/UrlOpener.h"
#include "ui/importing/ImportController.h"
#include "ui/importing/ImportFromAppController.h"
#include "ui/preferences/PreferencePanes.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/PlaceholderContentController.h"
#include "ui/shell/SourceListController.h"
#include "ui/shell/ViewRouter.h"
#include "ui/transfer/TransferController.h"

namespace {

using Kind = SourceListItem::Kind;

}  // namespace

MainWindowCommands::MainWindowCommands(AppController& controller, ApplicationDelegate& delegate)
    : m_controller(controller), m_delegate(delegate) {}

MainWindowCommands::~MainWindowCommands() = default;

void MainWindowCommands::forgetStore() {
    m_newAccountController.reset();
    m_editAccountController.reset();
    m_importController.reset();
    m_importFromAppController.reset();
    m_transferController.reset();
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

template <class Controller>
void MainWindowCommands::holdSavesDuring(Controller& controller) {
    // The source list reloads and saves on its own when accounts change; between two steps
    // of an import that would write half of it.
    connect(&controller, &Controller::importStarted, this,
            [this] { m_delegate.session().holdSaves(); });
    connect(&controller, &Controller::importEnded, this,
            [this] { m_delegate.session().releaseSaves(); });
}

void MainWindowCommands::importFromBank() {
    if (!mayProceed(
            SourceListCommands::checkImportFromBank(m_controller.selectedSourceListItem()))) {
        return;
    }
    if (!m_importController) {
        m_importController = std::make_unique<ImportController>(
            m_controller.window(), Alerts::shared(), FilePicker::shared(), UrlOpener::shared());
        connect(m_importController.get(), &ImportController::transactionsImported, this,
                [this] { m_controller.updateAllViews(); });
        holdSavesDuring(*m_importController);
    }
    m_importController->showImportSheetForAccount(*m_controller.selectedSourceListItem().account());
}

void MainWindowCommands::importFromApp() {
    if (!m_importFromAppController) {
        m_importFromAppController = std::make_unique<ImportFromAppController>(
            m_controller.context(), m_controller.window(), Alerts::shared(), FilePicker::shared());
        connect(m_importFromAppController.get(), &ImportFromAppController::accountsImported, this,
                [this](const QList<Account*>& accounts) {
                    SourceListController& list = m_controller.sourceList();
                    list.reload();
                    if (!accounts.isEmpty()) {
                        list.selectItem(SourceListItem::forObject(accounts.front()));
                    }
                });
        holdSavesDuring(*m_importFromAppController);
    }
    m_importFromAppController->showSheet();
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
    if (RegisterCommands* rows = m_controller.registerCommands(); rows && rows->tableHasFocus()) {
        rows->deleteTransactions();
        return;
    }
    const SourceListCommands::Selection selection = m_controller.selection();
    if (selection.item.account() != nullptr) {
        m_controller.save();
    }
    if (!mayProceed(SourceListCommands::checkDelete(selection))) {
        return;
    }
    if (const Account* account = selection.item.account();
        account != nullptr && !account->transactions().empty()) {
        BulkChangeSnapshot::before(SnapshotReason::DeleteAccount);
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

void MainWindowCommands::editTransaction() {
    if (RegisterCommands* rows = m_controller.registerCommands()) {
        rows->editTransaction();
    }
}

void MainWindowCommands::toggleTransactionFlag() {
    if (RegisterCommands* rows = m_controller.registerCommands()) {
        rows->toggleTransactionFlag();
    }
}

void MainWindowCommands::matchTransactions() {
    if (RegisterCommands* rows = m_controller.registerCommands()) {
        rows->matchTransactions();
    }
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
    Account* source = m_controller.selectedSourceListItem().account();
    PN_ASSERT(source != nullptr, "transfer: the selected item is not an account");
    if (!m_transferController) {
        m_transferController = std::make_unique<TransferController>(
            m_controller.context(), m_controller.window(),
            [this](const ValidationError& error) { m_delegate.outputSaveError(error); });
        connect(m_transferController.get(), &TransferController::transferMade, this,
                [this] { m_controller.updateAllViews(); });
    }
    m_transferController->showSheet(*source);
}

void MainWindowCommands::toggleScheduledTransactions() {
    showUnavailable(tr("Showing projected scheduled transactions"));
}

void MainWindowCommands::showPreferencePanel(const QString& paneIdentifier) {
    if (!m_controller.hasStore()) {
        return;
    }
    PreferencePanes::showPreferencePanel(
        m_controller.preferences(),
        {m_controller.context(), [this] { return m_controller.save(); }, m_controller.alerts(),
         CurrenciesFile::defaultPath()},
        paneIdentifier);
}
