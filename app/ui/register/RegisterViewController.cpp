#include "ui/register/RegisterViewController.h"

#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/MainWindowHost.h"
#include "ui/register/KeywordPrefolder.h"
#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"

RegisterViewController::RegisterViewController(MainWindowHost& host, StickyDate& stickyDate,
                                               RowEditor* editor)
    : m_table(std::make_unique<TransactionsTableController>(
          host.context(), host.alerts(), stickyDate, [&host] { return host.save(); }, editor)) {
    connect(m_table.get(), &TransactionsTableController::statusMessageChanged, this,
            [&host](const QString& message) { host.setStatusMessage(message); });
    connect(m_table.get(), &TransactionsTableController::revealScheduledItemRequested, this,
            [&host](ScheduledItem* item) {
                if (item != nullptr) {
                    host.revealScheduledItem(*item);
                }
            });
    // The register is the first view of an opened store: its idle time prepares the search.
    new KeywordPrefolder(host.context(), this);
}

RegisterViewController::~RegisterViewController() {
    // The table is a widget the router places but never deletes; the editor is inside it.
    delete &m_table->table();
}

QWidget* RegisterViewController::view() {
    return &m_table->table();
}

void RegisterViewController::showItem(const SourceListItem& item) {
    if (Account* account = item.account()) {
        m_table->showTransactionsForAccount(*account);
    } else if (AccountGroup* group = item.group()) {
        m_table->showTransactionsForAccountGroup(*group);
    } else if (item.kind() == SourceListItem::Kind::AllAccounts) {
        m_table->showAllTransactions();
    }
}

void RegisterViewController::refresh() {
    m_table->refreshTransactionsView();
}

bool RegisterViewController::commitEditing() {
    return m_table->commitEditing();
}

void RegisterViewController::newItem() {
    if (m_table->canAddTransaction()) {
        m_table->addTransaction();
    }
}

bool RegisterViewController::isBalanceColumnVisible() const {
    return m_table->isBalanceColumnVisible();
}

void RegisterViewController::toggleBalanceColumn() {
    m_table->toggleBalanceColumn();
}

void RegisterViewController::toggleStatusMessage() {
    m_table->toggleStatusMessage();
}

void RegisterViewController::resetColumnsAndStatus() {
    m_table->hideBalanceColumn();
    if (m_table->showReconciledBalance()) {
        m_table->setShowReconciledBalance(false);
    }
}
