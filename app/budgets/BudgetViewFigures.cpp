#include "BudgetViewFigures.h"

#include "base/StringHelpers.h"

BudgetViewFigures::TimeRemaining BudgetViewFigures::timeRemainingMessage(const BudgetPeriod& period,
                                                                         Date today) {
    if (period.hasEnded(today)) {
        return {kEndNoticeTitle, "F3D635"};
    }
    int months = period.monthsLeft(today);
    std::string left = months >= 2 ? countedNoun_pn(months, "month")
                                   : countedNoun_pn(period.daysLeft(today), "day");
    return {left + " left", "CCCCCC"};
}

std::string BudgetViewFigures::actualColumnHeader(bool expenseSide, bool hasEnded) {
    if (expenseSide) {
        return hasEnded ? "Actual spending" : "So far you've spent";
    }
    return hasEnded ? "Actual earning" : "So far you've earned";
}

BudgetViewFigures::Sidebar BudgetViewFigures::sidebar(const Decimal& expenseLimitTotal,
                                                      const Decimal& incomeLimitTotal) {
    Decimal savings = incomeLimitTotal + expenseLimitTotal;
    return {expenseLimitTotal, incomeLimitTotal, savings,
            savings.sign() >= 0 ? "You'll Save" : "You'll Lose"};
}
