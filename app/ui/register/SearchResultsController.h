#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "ledger/TransactionSearch.h"
#include "ui/register/TransactionsTableController.h"

// The search results view: a register of its own, in list mode, that takes the place of the
// register while a search is active. The main window owns the search field; it sends each
// search here with the scope of its source list selection (an account, a group, or every
// transaction for "All Accounts").
class SearchResultsController final : public QWidget {
    Q_OBJECT
public:
    // The same services as the register's (see TransactionsTableController); `editor` is this
    // view's own row editor, owned from then on (may be null).
    SearchResultsController(ObjectContext& context, Alerts& alerts, StickyDate& stickyDate,
                            TransactionsTableController::SaveFunction save, RowEditor* editor,
                            QWidget* parent = nullptr);

    // Shows the transactions of `scope` whose keywords contain `text` (ignoring case and
    // diacritics), newest first, nothing selected; the status reads "Found N transactions".
    void searchWithString(const QString& text, TransactionSearch::Scope scope);
    // The last search again, in the same scope (after an undo or a redo).
    void searchAgain();
    const QString& searchText() const { return m_text; }
    TransactionsTableController& transactionsTableController() const { return *m_table; }

signals:
    void statusMessageChanged(const QString& message);

private:
    ObjectContext& m_context;
    TransactionsTableController* m_table = nullptr;
    QString m_text;
    TransactionSearch::Scope m_scope;
};
