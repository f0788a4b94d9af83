#pragma once

#include <optional>
#include <vector>

#include "base/Date.h"

// A span of calendar days, both ends included.
struct DateRange final {
    Date first;
    Date last;

    // The days reports are offered for: (today, today) for an empty store; otherwise from the
    // earlier of today and the earliest transaction to the later of today and the latest
    // (which reaches into the future as far as projected transactions do). `earliest` and
    // `latest` are both given or both nothing.
    [[nodiscard]] static DateRange reportDateRange(std::optional<Date> earliest,
                                                   std::optional<Date> latest, Date today);

    // The month ends from first's month through last's month, oldest first.
    [[nodiscard]] std::vector<Date> monthEnds() const;

    bool operator==(const DateRange&) const = default;
};
