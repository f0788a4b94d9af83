#pragma once

#include <string>

#include "BudgetPeriod.h"
#include "base/Date.h"
#include "base/Decimal.h"

// The texts and figures of the budget view that follow from the period and the two tracking
// totals alone. Amounts stay Decimal up to the formatter.
class BudgetViewFigures final {
public:
    // The time-remaining line: "2 months left", "25 days left", "1 day left" while the budget
    // has not ended (colour "CCCCCC"; the month form from 2 months left), else "This budget's
    // period has ended" in "F3D635".
    struct TimeRemaining final {
        std::string text;
        std::string color;
        bool operator==(const TimeRemaining&) const = default;
    };
    [[nodiscard]] static TimeRemaining timeRemainingMessage(const BudgetPeriod& period, Date today);

    // The header of the "actual" column: "Actual spending" / "So far you've spent" on the
    // expense side, "Actual earning" / "So far you've earned" on the income side.
    [[nodiscard]] static std::string actualColumnHeader(bool expenseSide, bool hasEnded);

    // The sidebar's three buttons: the expense and income totals of the limits, and what the
    // budget saves (income + expense) under "You'll Save" or, below zero, "You'll Lose".
    struct Sidebar final {
        Decimal expense;
        Decimal income;
        Decimal savings;
        std::string summaryTitle;
        bool operator==(const Sidebar&) const = default;
    };
    [[nodiscard]] static Sidebar sidebar(const Decimal& expenseLimitTotal,
                                         const Decimal& incomeLimitTotal);

    // The end notice is due once the budget has ended, unless it was shown for this period.
    [[nodiscard]] static bool shouldShowEndNotice(const BudgetPeriod& period, Date today,
                                                  bool didShowEndNotice) {
        return period.hasEnded(today) && !didShowEndNotice;
    }

    static constexpr const char* kEndNoticeTitle = "This budget's period has ended";
    static constexpr const char* kEndNoticeText =
        "It's time to review how you did and create a new budget for the next period.";
};
