#include "ui/register/SearchResultsController.h"

#include <QVBoxLayout>

#include "ui/register/TransactionsTable.h"

SearchResultsController::SearchResultsController(ObjectContext& context, Alerts& alerts,
                                                 StickyDate& stickyDate,
                                                 TransactionsTableController::SaveFunction save,
                                                 RowEditor* editor, ScopeFunction scope)
    : m_context(context), m_scope(std::move(scope)), m_view(new QWidget) {
    m_table = std::make_unique<TransactionsTableController>(context, alerts, stickyDate,
                                                            std::move(save), editor);
    m_table->setShowsSearchResults(true);
    auto* layout = new QVBoxLayout(m_view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&m_table->table());
    connect(m_table.get(), &TransactionsTableController::statusMessageChanged, this,
            [this](const QString& message) {
                if (!m_text.isEmpty()) {
                    emit statusMessageChanged(message);
                }
            });
}

SearchResultsController::~SearchResultsController() {
    // The view is placed by the main window but never deleted by it; the table is inside.
    delete m_view.data();
}

void SearchResultsController::searchWithString(const QString& text,
                                               TransactionSearch::Scope scope) {
    m_text = text;
    m_lastScope = scope;
    m_table->showTransactions(TransactionSearch::search(m_context, scope, text.toStdString()));
}

void SearchResultsController::searchAgain() {
    if (m_text.isEmpty()) {
        return;
    }
    m_table->reloadTransactions(
        TransactionSearch::search(m_context, m_lastScope, m_text.toStdString()));
}

void SearchResultsController::search(const QString& text) {
    searchWithString(text, m_scope ? m_scope() : TransactionSearch::Scope{});
}

void SearchResultsController::clearResults() {
    m_text.clear();
    m_table->showTransactions({});
}
