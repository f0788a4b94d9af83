#include "scheduled/DayChangeCheck.h"

#include "base/Log.h"
#include "base/NotificationCenter.h"

bool DayChangeCheck::applicationDidBecomeActive(Date today, DayChangeActions& actions) {
    if (m_currentDate == today) {
        return false;
    }
    if (actions.needsToUpdateProjection()) {
        logLine("Updating projection...");
        actions.save();
        actions.updateProjections();
        NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
        actions.updateAllViews();
        actions.save();
        logLine("Done.");
    }
    actions.showReminders();
    if (actions.processAutomaticPayments()) {
        NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
        actions.save();
        actions.updateAllViews();
    }
    m_currentDate = today;
    return true;
}
