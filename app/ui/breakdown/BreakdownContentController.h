#pragma once

#include <QPointer>

#include "ui/common/ContentViewController.h"
#include "ui/common/TransactionListView.h"

class BreakdownController;
class MainWindowHost;

// The breakdown report in the main window's content area. Choosing "Breakdown" sets it up
// afresh (this month's expenses); choosing it again while it is shown (the source list is read
// again after changes), a refresh of all views, undo and redo recompute the shown page from
// the store, keeping the period, the side and the drill-down. The report saves the store
// through the host before each page.
class BreakdownContentController final : public ContentViewController {
    Q_OBJECT
public:
    // REQUIRES: `host` outlives the controller. `makeTransactionList` makes the list of a
    // drilled-into category on first use.
    BreakdownContentController(MainWindowHost& host, TransactionListFactory makeTransactionList);
    ~BreakdownContentController() override;

    QWidget* view() override;
    void showItem(const SourceListItem& item) override;
    void refresh() override;
    // The editor of the drilled-into transactions, when open.
    [[nodiscard]] bool commitEditing() override;
    // The drilled-into transactions' rows, while they are shown.
    RegisterCommands* registerCommands() override;

private:
    // The view may sit in a window's content area; it goes with its controller.
    QPointer<BreakdownController> m_breakdown;
};
