#include "ui/shell/ContentViews.h"

#include <QCoreApplication>

#include "ui/accounts/AddAccountMessageController.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/budgets/PlaceholderTransactionList.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/shell/PlaceholderContentController.h"
#include "ui/shell/PlaceholderRegisterController.h"
#include "ui/shell/PlaceholderSearchController.h"
#include "ui/shell/ViewRouter.h"

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
    // Until the register is there, a row's transactions are a placeholder list.
    router.setFactory(ContentView::BudgetView, [](MainWindowHost& host) {
        return std::make_unique<BudgetContentController>(host,
                                                         PlaceholderTransactionList::factory());
    });
    router.setFactory(ContentView::TrendsChart, placeholder([](const SourceListItem&) {
                          return tr("The trends chart is not available in this version.");
                      }));
    router.setFactory(ContentView::BreakdownReport, placeholder([](const SourceListItem&) {
                          return tr("The breakdown report is not available in this version.");
                      }));
}
