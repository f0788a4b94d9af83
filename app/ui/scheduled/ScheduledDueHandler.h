#pragma once

#include <QObject>
#include <functional>

#include "base/Date.h"
#include "scheduled/ScheduledItem.h"

class Alerts;
class ObjectContext;

// What the person sees of scheduled items falling due, after the editor, the pay sheet or a
// skip, and in the once-a-day check: the reminder alert ("1 scheduled transaction is due.")
// whose "Show in Scheduled" asks for the list, and the automatic payments. Texts and rules are
// the core's (ReminderAlert, ScheduledItem::checkReminders and processAutomaticPayments).
class ScheduledDueHandler final : public QObject {
    Q_OBJECT
public:
    // Alerts go through `alerts`; `save` saves the store (a failure has been shown when it
    // answers false). REQUIRES: `context` and `alerts` outlive the handler.
    ScheduledDueHandler(ObjectContext& context, Alerts& alerts, std::function<bool()> save,
                        QObject* parent = nullptr);

    // Marks the items whose reminder period has begun and that were not reminded of for their
    // due date, saves, and names them in one modal alert. "Show in Scheduled" asks to reveal the
    // one item, or to show the list when there are several.
    void showReminders(Date today);
    void showReminders() { showReminders(Date::today_PN()); }

    // Pays every automatic item once for each occurrence due by `today`; when anything was
    // paid the categories-changed notification goes out (views that total categories
    // recompute) and the store is saved. True when anything was paid.
    bool processAutomaticPayments(Date today);
    bool processAutomaticPayments() { return processAutomaticPayments(Date::today_PN()); }

signals:
    // The reminders were checked: items may have changed colour in the list and the badge.
    void remindersChecked();
    void revealItemRequested(ScheduledItem* item);
    void showScheduledRequested();
    void automaticPaymentsMade();

private:
    ObjectContext& m_context;
    Alerts& m_alerts;
    std::function<bool()> m_save;
};
