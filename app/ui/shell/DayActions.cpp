#include "ui/shell/DayActions.h"

#include "scheduled/ScheduledItem.h"
#include "ui/common/Alerts.h"
#include "ui/scheduled/ScheduledDueHandler.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/ViewRouter.h"

ObjectContext& DayActions::context() {
    return *m_delegate.managedObjectContext();
}

bool DayActions::needsToUpdateProjection() {
    return ScheduledItem::needsToUpdateProjection(context(), Date::today_PN());
}

void DayActions::updateProjections() {
    ScheduledItem::updateProjections(context(), Date::today_PN());
}

void DayActions::save() {
    m_delegate.save();
}

void DayActions::updateAllViews() {
    m_delegate.updateAllViews();
}

bool DayActions::processAutomaticPayments() {
    return ScheduledItem::processAutomaticPayments(Date::today_PN(), context());
}

void DayActions::showReminders() {
    ScheduledDueHandler due(context(), Alerts::shared(), [this] { return m_delegate.save(); });
    // The main window has a store only once the person has left the welcome window.
    AppController& mainWindow = m_delegate.appController();
    QObject::connect(&due, &ScheduledDueHandler::remindersChecked, &due, [&mainWindow] {
        if (!mainWindow.hasStore()) {
            return;
        }
        if (mainWindow.router().currentView() == ContentView::ScheduledList) {
            mainWindow.router().currentController()->refresh();
        }
        mainWindow.repaintSourceList();
    });
    QObject::connect(&due, &ScheduledDueHandler::revealItemRequested, &due,
                     [&mainWindow](ScheduledItem* item) {
                         if (mainWindow.hasStore()) {
                             mainWindow.revealScheduledItem(*item);
                         }
                     });
    QObject::connect(&due, &ScheduledDueHandler::showScheduledRequested, &due, [&mainWindow] {
        if (mainWindow.hasStore()) {
            mainWindow.switchToScheduled();
        }
    });
    due.showReminders();
}
