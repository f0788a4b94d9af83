#include "StartDateNotice.h"

#include "base/DateFormatter.h"

std::optional<std::string> StartDateNotice::startDateChanged(std::optional<Date> earliest,
                                                             Date picked) {
    if (m_hasBeenShown || !earliest) {
        return std::nullopt;
    }
    if (earliest->numberOfDaysAfter_PN(picked) < kDaysBeforeData) {
        return std::nullopt;
    }
    m_hasBeenShown = true;
    return message(*earliest);
}

std::string StartDateNotice::message(Date earliest) {
    return "You don't have transaction data at the start date you specified. Consider starting "
           "your budget at a later date, so progress can be tracked more accurately. Your "
           "earliest transaction was on " +
           DateFormatter::defaultDateFormatter_PN().stringFromDate(earliest);
}
