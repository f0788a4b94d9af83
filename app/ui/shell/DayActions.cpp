#include "ui/shell/DayActions.h"

#include "scheduled/ReminderAlert.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/Alerts.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"

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
    const std::vector<ScheduledItem*> due =
        ScheduledItem::checkReminders(context(), Date::today_PN());
    m_delegate.save();
    std::vector<ReminderAlert::Item> items;
    for (const ScheduledItem* item : due) {
        items.push_back({item->title(), item->nextDueDate()});
    }
    const auto alert = ReminderAlert::forItems(items, Date::today_PN());
    if (!alert) {
        return;
    }
    const AlertAnswer answer = Alerts::shared().show(alert->asAlert(), nullptr);
    const auto outcome = ReminderAlert::outcomeOfButton(
        answer.button == 1 ? ReminderAlert::Button::ShowInScheduled : ReminderAlert::Button::OK,
        items.size());
    // The main window has a store only once the person has left the welcome window.
    AppController& mainWindow = m_delegate.appController();
    if (outcome == ReminderAlert::Outcome::Nothing || !mainWindow.hasStore()) {
        return;
    }
    if (outcome == ReminderAlert::Outcome::RevealItem) {
        mainWindow.revealScheduledItem(*due.front());
    } else {
        mainWindow.switchToScheduled();
    }
}
