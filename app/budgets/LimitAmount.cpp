#include "LimitAmount.h"

#include <algorithm>

#include "base/AssertionFailure.h"

namespace {
constexpr int kEstimateLookbackDays = 365;
}

Decimal LimitAmount::wholeAmount(const Decimal& value) {
    return value.rounded(0);
}

std::optional<LimitAmount::Window> LimitAmount::estimateWindow(std::optional<Date> earliest,
                                                               Date date) {
    if (!earliest || *earliest > date) {
        return std::nullopt;
    }
    Date from = std::max(*earliest, date.daysAgo_PN(kEstimateLookbackDays));
    return Window{from, date, date.numberOfDaysAfter_PN(from) + 1};
}

Decimal LimitAmount::estimatedAmount(const Decimal& windowTotal, int windowDays, int budgetDays) {
    PN_ASSERT(windowDays >= 1, "The estimate window needs at least one day");
    // Multiplying first keeps the one division the only inexact step, and a 34-digit quotient
    // cannot cross a half-way point that the exact value does not reach.
    return wholeAmount(windowTotal * Decimal(budgetDays) / Decimal(windowDays));
}
