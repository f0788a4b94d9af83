#include "ui/register/RegisterTransactionList.h"

#include "ledger/Transaction.h"
#include "ui/register/TransactionsTable.h"
#include "ui/register/TransactionsTableController.h"

RegisterTransactionList::RegisterTransactionList(
    std::unique_ptr<TransactionsTableController> table,
    std::function<void(Transaction*)> didCloseEditPanel)
    : m_controller(std::move(table)), m_table(&m_controller->table()) {
    connect(m_controller.get(), &TransactionsTableController::didCloseEditPanelForTransaction, this,
            [didClose = std::move(didCloseEditPanel)](Transaction* transaction) {
                if (didClose) {
                    didClose(transaction);
                }
            });
}

RegisterTransactionList::~RegisterTransactionList() {
    // The table (and the editor inside it) goes before the register that drives it.
    delete m_table.data();
}

QWidget* RegisterTransactionList::widget() {
    return m_table;
}

void RegisterTransactionList::showTransactions(const std::vector<Transaction*>& transactions) {
    m_controller->showTransactions(transactions);
}

void RegisterTransactionList::reloadTransactions(const std::vector<Transaction*>& transactions) {
    m_controller->reloadTransactions(transactions);
}

bool RegisterTransactionList::commitEditing() {
    return m_controller->commitEditing();
}
