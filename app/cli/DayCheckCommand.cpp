#include "cli/DayCheckCommand.h"

#include <algorithm>

#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "ledger/Transaction.h"
#include "scheduled/DayChangeCheck.h"
#include "scheduled/ReminderAlert.h"
#include "scheduled/ScheduledItem.h"

namespace {

using CliRows::Json;

std::size_t realTransactionCount(ObjectContext& context) {
    const std::vector<Transaction*> all = Transaction::allInContext(context);
    return static_cast<std::size_t>(std::count_if(
        all.begin(), all.end(), [](const Transaction* t) { return !t->isGenerated(); }));
}

// The day's work on the command's store; it records what it did instead of showing it.
class CliDayActions final : public DayChangeActions {
public:
    explicit CliDayActions(CliStore& store) : m_store(store) {}

    bool needsToUpdateProjection() override {
        return ScheduledItem::needsToUpdateProjection(m_store.context(), Date::today_PN());
    }
    void updateProjections() override {
        ScheduledItem::updateProjections(m_store.context(), Date::today_PN());
        m_projectionUpdated = true;
    }
    void save() override { m_store.save(); }
    void updateAllViews() override {}
    void showReminders() override {
        const std::vector<ScheduledItem*> due =
            ScheduledItem::checkReminders(m_store.context(), Date::today_PN());
        m_store.save();
        std::vector<ReminderAlert::Item> items;
        for (const ScheduledItem* item : due) {
            items.push_back({item->title(), item->nextDueDate()});
        }
        m_reminder = ReminderAlert::forItems(items, Date::today_PN());
        m_remindedTitles.clear();
        for (const ReminderAlert::Item& item : items) {
            m_remindedTitles.push_back(item.title);
        }
    }
    bool processAutomaticPayments() override {
        return ScheduledItem::processAutomaticPayments(Date::today_PN(), m_store.context());
    }

    bool projectionUpdated() const { return m_projectionUpdated; }
    Json reminder() const {
        if (!m_reminder) {
            return nullptr;
        }
        return Json{{"message", m_reminder->messageText},
                    {"informativeText", m_reminder->informativeText},
                    {"items", m_remindedTitles}};
    }

private:
    CliStore& m_store;
    bool m_projectionUpdated = false;
    std::optional<ReminderAlert> m_reminder;
    std::vector<std::string> m_remindedTitles;
};

void dayCheck(CommandInvocation& call) {
    CliStore store(call.global());
    const std::size_t before = realTransactionCount(store.context());
    CliDayActions actions(store);
    DayChangeCheck check;
    (void)check.applicationDidBecomeActive(Date::today_PN(), actions);
    store.save();
    call.result()["projectionUpdated"] = actions.projectionUpdated();
    call.result()["reminder"] = actions.reminder();
    call.result()["paymentsMade"] = realTransactionCount(store.context()) - before;
}

}  // namespace

void registerDayCheckCommand(CommandRegistry& registry) {
    registry.add({.name = "day-check",
                  .summary = "the once-a-day work: projection, reminders, automatic payments",
                  .run = dayCheck});
}
