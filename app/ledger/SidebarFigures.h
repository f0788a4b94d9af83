#pragma once

#include <string>

#include "base/Decimal.h"

class CurrencyFormatter;

// What the sidebar of the breakdown report and of the budget view draws from its amounts: each
// button's amount text and arrow, and the line with the overall savings or loss. Colours are
// hex strings for the painter.
class SidebarFigures final {
public:
    enum class Arrow { Down, Up, RedDown, GreenUp };

    struct Button final {
        std::string subtitle;  // the absolute amount, formatted
        Arrow arrow = Arrow::Down;
        bool operator==(const Button&) const = default;
    };
    // A button's figures: the arrow points down for an amount of zero or less (red when
    // colour-coded), up otherwise (green). `formatter` decides whether cents show. REQUIRES of
    // an income button: amount >= 0, else AssertionFailure "<amount> should be positive".
    [[nodiscard]] static Button button(const Decimal& amount, bool colorCoded, bool isIncome,
                                       const CurrencyFormatter& formatter);

    struct SavingsLine final {
        std::string word;  // "Savings: " or "Loss: "
        std::string amount;
        std::string wordColor;
        std::string amountColor;
        bool down = false;  // the small arrow points down (a loss)
        bool operator==(const SavingsLine&) const = default;
    };
    // Below zero: "Loss: " and the loss as a positive amount in red, arrow down; otherwise
    // "Savings: " and the amount in green, arrow up.
    [[nodiscard]] static SavingsLine savingsLine(const Decimal& overallSavings,
                                                 const CurrencyFormatter& formatter);
};
