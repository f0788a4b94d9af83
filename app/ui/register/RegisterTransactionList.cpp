#include "ui/register/RegisterTransactionList.h"

#include <QEvent>

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
    connect(m_controller.get(), &TransactionsTableController::statusMessageChanged, this,
            [this](const QString& message) {
                if (m_table != nullptr && m_table->isVisible()) {
                    emit statusMessageChanged(message);
                }
            });
    m_table->installEventFilter(this);
}

bool RegisterTransactionList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table.data()) {
        if (event->type() == QEvent::Show) {
            emit statusMessageChanged(m_controller->statusMessage());
        } else if (event->type() == QEvent::Hide && m_table->parentWidget() != nullptr &&
                   m_table->parentWidget()->isVisible()) {
            // Another page of the same view took the list's place; when the whole view goes,
            // the view shown next writes the status line.
            emit statusMessageChanged({});
        }
    }
    return QObject::eventFilter(watched, event);
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
