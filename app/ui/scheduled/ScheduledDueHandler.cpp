#include "ui/scheduled/ScheduledDueHandler.h"

#include "base/NotificationCenter.h"
#include "scheduled/ReminderAlert.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/Alerts.h"

ScheduledDueHandler::ScheduledDueHandler(ObjectContext& context, Alerts& alerts,
                                         std::function<bool()> save, QObject* parent)
    : QObject(parent), m_context(context), m_alerts(alerts), m_save(std::move(save)) {}

void ScheduledDueHandler::showReminders(Date today) {
    const std::vector<ScheduledItem*> due = ScheduledItem::checkReminders(m_context, today);
    m_save();
    emit remindersChecked();
    std::vector<ReminderAlert::Item> items;
    for (const ScheduledItem* item : due) {
        items.push_back({item->title(), item->nextDueDate()});
    }
    const std::optional<ReminderAlert> alert = ReminderAlert::forItems(items, today);
    if (!alert) {
        return;
    }
    // A modal alert of its own, not a sheet: it also comes up when the list is not shown.
    const AlertAnswer answer = m_alerts.show(alert->asAlert(), nullptr);
    const ReminderAlert::Button button =
        answer.button == 1 ? ReminderAlert::Button::ShowInScheduled : ReminderAlert::Button::OK;
    switch (ReminderAlert::outcomeOfButton(button, items.size())) {
        case ReminderAlert::Outcome::RevealItem:
            emit revealItemRequested(due.front());
            break;
        case ReminderAlert::Outcome::SwitchToScheduled:
            emit showScheduledRequested();
            break;
        case ReminderAlert::Outcome::Nothing:
            break;
    }
}

bool ScheduledDueHandler::processAutomaticPayments(Date today) {
    if (!ScheduledItem::processAutomaticPayments(today, m_context)) {
        return false;
    }
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
    m_save();
    emit automaticPaymentsMade();
    return true;
}
