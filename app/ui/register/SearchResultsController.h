#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "ledger/TransactionSearch.h"
#include "ui/common/SearchController.h"
#include "ui/register/RegisterTableCommands.h"
#include "ui/register/TransactionsTableController.h"

// The search results view: a register of its own, in list mode, that takes the place of the
// register while a search is active. The main window owns the search field and sends each
// search here; the scope is that of its source list selection (an account, a group, or every
// transaction for "All Accounts"), which `scope` reads at each search.
class SearchResultsController final : public SearchController, public RegisterTableCommands {
    Q_OBJECT
public:
    using ScopeFunction = std::function<TransactionSearch::Scope()>;

    // The same services as the register's (see TransactionsTableController); `editor` is this
    // view's own row editor, owned from then on (may be null).
    SearchResultsController(ObjectContext& context, Alerts& alerts, StickyDate& stickyDate,
                            TransactionsTableController::SaveFunction save, RowEditor* editor,
                            ScopeFunction scope = {});
    ~SearchResultsController() override;

    // Shows the transactions of `scope` whose keywords contain `text` (ignoring case and
    // diacritics), newest first, nothing selected; the status reads "Found N transactions".
    void searchWithString(const QString& text, TransactionSearch::Scope scope);
    // The last search again, in the same scope (after an undo or a redo).
    void searchAgain();
    const QString& searchText() const { return m_text; }
    TransactionsTableController& tableController() const override { return *m_table; }
    RegisterCommands* registerCommands() override { return this; }

    // ---- SearchController ----
    QWidget* view() override { return m_view; }
    void showItem(const SourceListItem&) override {}
    void refresh() override { searchAgain(); }
    [[nodiscard]] bool commitEditing() override { return m_table->commitEditing(); }
    // Searches within the scope read from `scope`.
    void search(const QString& text) override;
    // No search: no rows, and the status line is left to the view shown next.
    void clearResults() override;

signals:
    // The status message of the results, while a search is shown.
    void statusMessageChanged(const QString& message);

private:
    ObjectContext& m_context;
    ScopeFunction m_scope;
    QPointer<QWidget> m_view;
    std::unique_ptr<TransactionsTableController> m_table;
    QString m_text;
    TransactionSearch::Scope m_lastScope;
};
