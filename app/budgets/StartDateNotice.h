#pragma once

#include <optional>
#include <string>

#include "base/Date.h"

// The warning of the budget sheets that a picked start date lies well before any data. Shown
// at most once per opening of a sheet: the sheet re-arms it when it opens.
class StartDateNotice final {
public:
    static constexpr const char* kTitle = "Start date may be too early";
    static constexpr const char* kButton = "OK";
    static constexpr int kDaysBeforeData = 16;

    void rearm() { m_hasBeenShown = false; }
    [[nodiscard]] bool hasBeenShown() const { return m_hasBeenShown; }

    // For a newly picked start date: the notice's text when it is due (the store has
    // transactions, the picked day is 16 or more days before the earliest one, and the notice
    // has not been shown since the sheet opened), and then marks it as shown; otherwise
    // nothing. `earliest` is the earliest transaction's date, nothing for an empty store.
    [[nodiscard]] std::optional<std::string> startDateChanged(std::optional<Date> earliest,
                                                              Date picked);

    // The notice's text naming the earliest transaction's date in the default date format.
    [[nodiscard]] static std::string message(Date earliest);

private:
    bool m_hasBeenShown = false;
};
