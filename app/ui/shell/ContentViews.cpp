#include "ui/shell/ContentViews.h"

#include <QCoreApplication>

#include "budgets/Budget.h"
#include "ui/accounts/AddAccountMessageController.h"
#include "ui/breakdown/BreakdownContentController.h"
#include "ui/breakdown/BreakdownTransactionList.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/shell/PlaceholderContentController.h"
#include "ui/shell/PlaceholderRegisterController.h"
#include "ui/shell/PlaceholderSearchController.h"
#include "ui/shell/ViewRouter.h"
#include "ui/trends/TrendsContentController.h"

namespace {

// A view this version does not have: `text` says so for the selected item.
ViewRouter::Factory placeholder(PlaceholderContentController::TextForItem text,
                                QString newItemTitle = {}) {
    return [text = std::move(text), newItemTitle](MainWindowHost& host) {
        return std::make_unique<PlaceholderContentController>(text, newItemTitle, host.window());
    };
}

QString tr(const char* text) {
    return QCoreApplication::translate("ContentViews", text);
}

}  // namespace

void ContentViews::registerAll(ViewRouter& router, AppController& controller) {
    router.setFactory(ContentView::AddAccountMessage, [&controller](MainWindowHost&) {
        auto message = std::make_unique<AddAccountMessageController>();
        QObject::connect(message.get(), &AddAccountMessageController::addAccountRequested,
                         &controller, [&controller] { controller.commands().addAccount(); });
        return message;
    });
    router.setFactory(ContentView::Register, [](MainWindowHost& host) {
        return std::make_unique<PlaceholderRegisterController>(host.window());
    });
    router.setFactory(ContentView::SearchResults, [](MainWindowHost&) {
        return std::make_unique<PlaceholderSearchController>();
    });
    router.setFactory(ContentView::ScheduledList, [&controller](MainWindowHost& host) {
        auto list = std::make_unique<ScheduledController>(host);
        // The "Scheduled" badge counts the red items.
        QObject::connect(list.get(), &ScheduledController::scheduledItemsChanged, &controller,
                         [&controller] { controller.repaintSourceList(); });
        return list;
    });
    router.setFactory(ContentView::BudgetView, placeholder([](const SourceListItem& item) {
                          return tr("The budget view of \u201c%1\u201d is not available in this "
                                    "version.")
                              .arg(QString::fromStdString(item.budget()->name()));
                      }));
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
