#include "ui/shell/ContentViews.h"

#include "ledger/TransactionSearch.h"
#include "scheduled/ScheduledItem.h"
#include "ui/accounts/AddAccountMessageController.h"
#include "ui/breakdown/BreakdownContentController.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/common/MainWindowHost.h"
#include "ui/common/TransactionListView.h"
#include "ui/editor/EditViewController.h"
#include "ui/register/RegisterTransactionList.h"
#include "ui/register/RegisterViewController.h"
#include "ui/register/SearchResultsController.h"
#include "ui/register/TransactionsTableController.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/shell/ViewRouter.h"
#include "ui/trends/TrendsContentController.h"

namespace {

// Search within the account, the group or (anything else) all accounts selected.
TransactionSearch::Scope searchScope(const SourceListItem& item) {
    return {.account = item.account(), .group = item.group()};
}

// A category menu's "Edit Categories..." in the editor over `table`'s rows opens the
// preferences on their categories pane.
void connectEditCategories(TransactionsTableController& table, MainWindowHost& host) {
    QObject::connect(&table, &TransactionsTableController::editCategoriesRequested, &table,
                     [&host] { host.editCategories(); });
}

// A report's list of the transactions behind a figure: a register of the report's own (not the
// main window's) in list mode, with its own editor, saving as the main window does.
TransactionListFactory registerListFactory(MainWindowHost& host, StickyDate& stickyDate) {
    return [&host, &stickyDate](std::function<void(Transaction*)> didCloseEditPanel) {
        auto table = std::make_unique<TransactionsTableController>(
            host.context(), host.alerts(), stickyDate, [&host] { return host.save(); },
            new EditViewController(host.context()));
        connectEditCategories(*table, host);
        QObject::connect(table.get(), &TransactionsTableController::revealScheduledItemRequested,
                         table.get(), [&host](ScheduledItem* item) {
                             if (item != nullptr) {
                                 host.revealScheduledItem(*item);
                             }
                         });
        auto list = std::make_unique<RegisterTransactionList>(std::move(table),
                                                              std::move(didCloseEditPanel));
        QObject::connect(list.get(), &RegisterTransactionList::statusMessageChanged, list.get(),
                         [&host](const QString& message) { host.setStatusMessage(message); });
        return std::unique_ptr<TransactionListView>(std::move(list));
    };
}

}  // namespace

void ContentViews::registerAll(ViewRouter& router, AppController& controller) {
    router.setFactory(ContentView::AddAccountMessage, [&controller](MainWindowHost&) {
        auto message = std::make_unique<AddAccountMessageController>();
        QObject::connect(message.get(), &AddAccountMessageController::addAccountRequested,
                         &controller, [&controller] { controller.commands().addAccount(); });
        return message;
    });
    // The register and the search results each open an editor of their own over their rows.
    router.setFactory(ContentView::Register, [&controller](MainWindowHost& host) {
        auto view = std::make_unique<RegisterViewController>(
            host, controller.stickyDate(), new EditViewController(host.context()));
        connectEditCategories(view->tableController(), host);
        return view;
    });
    router.setFactory(ContentView::SearchResults, [&controller](MainWindowHost& host) {
        auto results = std::make_unique<SearchResultsController>(
            host.context(), host.alerts(), controller.stickyDate(), [&host] { return host.save(); },
            new EditViewController(host.context()),
            [&controller] { return searchScope(controller.selectedSourceListItem()); });
        connectEditCategories(results->tableController(), host);
        QObject::connect(results.get(), &SearchResultsController::statusMessageChanged, &controller,
                         [&controller](const QString& text) { controller.setStatusMessage(text); });
        return results;
    });
    router.setFactory(ContentView::ScheduledList, [&controller](MainWindowHost& host) {
        auto list = std::make_unique<ScheduledController>(host);
        // The "Scheduled" badge counts the red items.
        QObject::connect(list.get(), &ScheduledController::scheduledItemsChanged, &controller,
                         [&controller] { controller.repaintSourceList(); });
        return list;
    });
    // A budget row's zoom button lists its transactions in a register of the view's own.
    router.setFactory(ContentView::BudgetView, [&controller](MainWindowHost& host) {
        return std::make_unique<BudgetContentController>(
            host, registerListFactory(host, controller.stickyDate()));
    });
    router.setFactory(ContentView::TrendsChart, [](MainWindowHost& host) {
        return std::make_unique<TrendsContentController>(host);
    });
    router.setFactory(ContentView::BreakdownReport, [&controller](MainWindowHost& host) {
        return std::make_unique<BreakdownContentController>(
            host, registerListFactory(host, controller.stickyDate()));
    });
}
