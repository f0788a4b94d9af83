#include "ui/shell/ContentViews.h"

#include "ledger/TransactionSearch.h"
#include "ui/accounts/AddAccountMessageController.h"
#include "ui/breakdown/BreakdownContentController.h"
#include "ui/breakdown/BreakdownTransactionList.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/budgets/PlaceholderTransactionList.h"
#include "ui/editor/EditViewController.h"
#include "ui/register/RegisterViewController.h"
#include "ui/register/SearchResultsController.h"
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
        return std::make_unique<RegisterViewController>(host, controller.stickyDate(),
                                                        new EditViewController(host.context()));
    });
    router.setFactory(ContentView::SearchResults, [&controller](MainWindowHost& host) {
        auto results = std::make_unique<SearchResultsController>(
            host.context(), host.alerts(), controller.stickyDate(), [&host] { return host.save(); },
            new EditViewController(host.context()),
            [&controller] { return searchScope(controller.selectedSourceListItem()); });
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
    // Until the register is there, a row's transactions are a placeholder list.
    router.setFactory(ContentView::BudgetView, [](MainWindowHost& host) {
        return std::make_unique<BudgetContentController>(host,
                                                         PlaceholderTransactionList::factory());
    });
    router.setFactory(ContentView::TrendsChart, [](MainWindowHost& host) {
        return std::make_unique<TrendsContentController>(host);
    });
    // The transactions behind a figure are listed read-only by the report itself until the
    // register's list mode can be handed in here.
    router.setFactory(ContentView::BreakdownReport, [](MainWindowHost& host) {
        return std::make_unique<BreakdownContentController>(host,
                                                            BreakdownTransactionList::factory());
    });
}
