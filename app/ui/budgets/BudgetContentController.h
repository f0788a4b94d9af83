#pragma once

#include <memory>

#include "ui/common/ContentViewController.h"
#include "ui/common/TransactionListView.h"

class BudgetController;
class MainWindowHost;

// The budget view as the main window's router drives it: selecting a budget sets it up on the
// expense side and, once it is on screen, tells it it was switched to (the end notice); a
// refresh, an undo or a redo sets it up again on the page it shows (or, when an undo took the
// budget away, selects "All Accounts"). The view's saves go to the
// main window's save, and a budget renamed through its settings sheet reloads the source list.
class BudgetContentController final : public ContentViewController {
    Q_OBJECT
public:
    // REQUIRES: `host` outlives the controller. `makeTransactionList` makes the register in
    // list mode that a row's zoom button opens.
    BudgetContentController(MainWindowHost& host, TransactionListFactory makeTransactionList);
    ~BudgetContentController() override;

    QWidget* view() override;
    void showItem(const SourceListItem& item) override;
    void refresh() override;
    // The editor of a row's listed transactions, when open.
    [[nodiscard]] bool commitEditing() override;
    // A row's listed transactions, while they are shown.
    RegisterCommands* registerCommands() override;

    BudgetController& budgetController() const { return *m_view; }

private:
    MainWindowHost& m_host;
    std::unique_ptr<BudgetController> m_view;
};
