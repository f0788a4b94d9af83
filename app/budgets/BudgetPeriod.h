#pragma once

#include "base/Date.h"

// The period of a budget: whole calendar months from a start day. Every operation is plain
// calendar arithmetic on Dates, so Budget and the budget view share one definition of when a
// period ends and how much of it is left.
class BudgetPeriod final {
public:
    // REQUIRES: months >= 1, else AssertionFailure.
    BudgetPeriod(Date startDate, int months);

    Date startDate() const { return m_startDate; }
    int months() const { return m_months; }

    // The last day: startDate moved `months` months later (day clamped to the month's end),
    // then one day earlier. 1 January x 12 ends 31 December; 15 March x 1 ends 14 April.
    [[nodiscard]] Date endDate() const;
    // Days in the period, both ends included.
    [[nodiscard]] int days() const;
    // date >= startDate.
    [[nodiscard]] bool hasStarted(Date date) const;
    // date > endDate.
    [[nodiscard]] bool hasEnded(Date date) const;
    // Started and not ended: the only time the pace needle is drawn.
    [[nodiscard]] bool isRunning(Date date) const { return hasStarted(date) && !hasEnded(date); }
    // Days from date to endDate, both included: 1 on the end day, 0 or less afterwards.
    [[nodiscard]] int daysLeft(Date date) const;
    // Whole months between the first days of date's and endDate's months, plus 1 when date's
    // day of month is not after endDate's; never below zero.
    [[nodiscard]] int monthsLeft(Date date) const;
    // Share of the period passed on `today`: 0 on the start day, 1 on the end day, outside
    // [0, 1] before and after. A float because it only places the pace needle.
    [[nodiscard]] float todayPercentage(Date today) const;

private:
    Date m_startDate;
    int m_months;
};
