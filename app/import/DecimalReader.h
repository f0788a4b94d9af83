#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/Decimal.h"

// The number readers of the statement readers. Amounts are exact decimals, never floating
// point; text that is not a number, or that has more digits than a Decimal holds exactly,
// gives nothing.
class DecimalReader final {
public:
    // QIF amounts: "," groups thousands and "." is the decimal point ("-1,234.56", "+123",
    // ".5"). Surrounding white space is ignored. A "," must be followed by exactly three digits
    // and may stand only in the whole part, so "1,50" (a decimal comma) is not read as 150.
    static std::optional<Decimal> readGroupedDecimal(std::string_view text);
    // OFX amounts: optional sign, digits, optional "." and fraction digits, optional exponent;
    // "." is always the decimal point. Surrounding white space is ignored.
    static std::optional<Decimal> readPlainDecimal(std::string_view text);
    // An optional sign and decimal digits that fit 64 bits ("0001223" is 1223).
    static std::optional<std::int64_t> readPlainInteger(std::string_view text);
};
