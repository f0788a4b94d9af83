#pragma once

#include "scheduled/DayChangeCheck.h"

class ApplicationDelegate;
class ObjectContext;

// The once-a-day work on the delegate's store: projection, reminders in an alert (whose
// "Show in Scheduled" reveals the item in the main window) and automatic payments.
class DayActions final : public DayChangeActions {
public:
    explicit DayActions(ApplicationDelegate& delegate) : m_delegate(delegate) {}

    bool needsToUpdateProjection() override;
    void updateProjections() override;
    void save() override;
    void updateAllViews() override;
    void showReminders() override;
    bool processAutomaticPayments() override;

private:
    ObjectContext& context();

    ApplicationDelegate& m_delegate;
};
