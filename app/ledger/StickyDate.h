#pragma once

#include <optional>

#include "base/Date.h"

// The sticky-date option: while it is on, a newly added transaction takes the date of the
// last transaction closed in the editor instead of today. The application keeps one for its
// whole run; it is not stored.
class StickyDate final {
public:
    bool isOn() const { return m_isOn; }
    void setIsOn(bool on) { m_isOn = on; }
    const std::optional<Date>& lastEnteredDate() const { return m_lastEnteredDate; }
    void setLastEnteredDate(std::optional<Date> date) { m_lastEnteredDate = date; }

    // The last entered date while on and known; otherwise nothing (the default date stays).
    std::optional<Date> dateForNewTransaction() const {
        return m_isOn ? m_lastEnteredDate : std::nullopt;
    }
    // Remembers the date of a transaction whose editor closed, while on.
    void transactionWasEdited(Date date) {
        if (m_isOn) {
            m_lastEnteredDate = date;
        }
    }

private:
    bool m_isOn = false;
    std::optional<Date> m_lastEnteredDate;
};
