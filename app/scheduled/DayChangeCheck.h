#pragma once

#include <optional>

#include "base/Date.h"

// What the once-a-day check asks of the application: the store's save, the views' refresh and
// the scheduled items' operations. The application delegate implements it; tests record it.
class DayChangeActions {
public:
    virtual ~DayChangeActions() = default;

    [[nodiscard]] virtual bool needsToUpdateProjection() = 0;
    virtual void updateProjections() = 0;
    // Saves the store; a failure is reported by the save itself.
    virtual void save() = 0;
    virtual void updateAllViews() = 0;
    // Checks the reminders, saves and shows the reminder alert when there is something to say.
    virtual void showReminders() = 0;
    // Pays the automatic items that are due; true when anything was paid.
    [[nodiscard]] virtual bool processAutomaticPayments() = 0;
};

// The work the application does when it becomes active, at most once per calendar day: the
// projection update when the projection's end moved ("Updating projection..." ... "Done."),
// the reminders, then the automatic payments. Categories-changed notifications go to the
// default notification centre.
class DayChangeCheck final {
public:
    // Runs the day's work unless it already ran for `today`; true when it ran.
    bool applicationDidBecomeActive(Date today, DayChangeActions& actions);
    // The same for Date::today_PN().
    bool applicationDidBecomeActive(DayChangeActions& actions) {
        return applicationDidBecomeActive(Date::today_PN(), actions);
    }

    // The day the check last ran; unset before the first run.
    std::optional<Date> currentDate() const { return m_currentDate; }

private:
    std::optional<Date> m_currentDate;
};
