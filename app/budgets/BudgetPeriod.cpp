#include "BudgetPeriod.h"

#include <algorithm>

#include "base/AssertionFailure.h"

BudgetPeriod::BudgetPeriod(Date startDate, int months) : m_startDate(startDate), m_months(months) {
    PN_ASSERT(months >= 1, "A budget needs at least one month");
}

Date BudgetPeriod::endDate() const {
    return m_startDate.monthsLater_PN(m_months).daysAgo_PN(1);
}

int BudgetPeriod::days() const {
    return endDate().numberOfDaysAfter_PN(m_startDate) + 1;
}

bool BudgetPeriod::hasStarted(Date date) const {
    return date >= m_startDate;
}

bool BudgetPeriod::hasEnded(Date date) const {
    return date > endDate();
}

int BudgetPeriod::daysLeft(Date date) const {
    return endDate().numberOfDaysAfter_PN(date) + 1;
}

int BudgetPeriod::monthsLeft(Date date) const {
    Date end = endDate();
    int months = end.numberOfMonthsAfter_pn(date);
    if (date.day_pn() <= end.day_pn()) {
        ++months;
    }
    return std::max(months, 0);
}

float BudgetPeriod::todayPercentage(Date today) const {
    // At least one month long, so the end lies at least 27 days after the start.
    auto passed = static_cast<float>(today.numberOfDaysAfter_PN(m_startDate));
    auto length = static_cast<float>(endDate().numberOfDaysAfter_PN(m_startDate));
    return passed / length;
}
