#pragma once

#include <string>
#include <string_view>

#include "base/Decimal.h"
#include "base/ValidationError.h"
#include "store/EntityDescription.h"

// The amounts the program keeps: fewer than 16 digits before the decimal point (below a
// thousand million million in size). Any sum of such amounts a person could enter, its rounding
// to two places and its exchange into another currency stay exact in a Decimal, so no balance,
// total or report can fail on them. Typed amounts, imported amounts and stored amounts are held
// to it alike; exchange rates to the same size and, in addition, above zero.
class AmountRange final {
public:
    static constexpr int kMaximumWholeDigits = 15;
    // Code of the refusal, in the ".ValidationError" domain.
    static constexpr int kTooLargeErrorCode = 1610;

    [[nodiscard]] static bool contains(const Decimal& amount);
    // "The amount 1e33 is too large: an amount may have at most 15 digits before the decimal
    // point." with the amount as the user or the file wrote it.
    [[nodiscard]] static std::string tooLargeMessage(std::string_view amountText);
    [[nodiscard]] static ValidationError tooLargeError(const Decimal& amount);

    // The rule of every amount attribute (see AttributeRule).
    static const AttributeRule kRule;
    // The rule of exchange-rate attributes: above zero and within the range.
    static const AttributeRule kRateRule;
};
