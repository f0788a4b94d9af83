#include "ui/register/SearchResultsController.h"

#include <QVBoxLayout>

#include "ui/register/TransactionsTable.h"

SearchResultsController::SearchResultsController(ObjectContext& context, Alerts& alerts,
                                                 StickyDate& stickyDate,
                                                 TransactionsTableController::SaveFunction save,
                                                 RowEditor* editor, QWidget* parent)
    : QWidget(parent), m_context(context) {
    m_table =
        new TransactionsTableController(context, alerts, stickyDate, std::move(save), editor, this);
    m_table->setShowsSearchResults(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&m_table->table());
    connect(m_table, &TransactionsTableController::statusMessageChanged, this,
            &SearchResultsController::statusMessageChanged);
}

void SearchResultsController::searchWithString(const QString& text,
                                               TransactionSearch::Scope scope) {
    m_text = text;
    m_scope = scope;
    m_table->showTransactions(TransactionSearch::search(m_context, scope, text.toStdString()));
}

void SearchResultsController::searchAgain() {
    m_table->reloadTransactions(
        TransactionSearch::search(m_context, m_scope, m_text.toStdString()));
}
