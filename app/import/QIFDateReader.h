#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/Date.h"

// The reading of QIF date texts: their three numbers, the order of month, day and year
// guessed from all dates of a file, and the day a text gives in a known order. A date order
// is one of "MDY", "DMY", "YMD".
class QIFDateReader final {
public:
    // The first three runs of decimal digits in the text, in order (the first match of
    // "(\d+)\D+(\d+)\D+(\d+)"); leading zeros are ignored and a value too large for any date
    // reads as 1 000 000 000. Throws ParseError "PNParseError" / "Expected three date
    // components." when there are fewer than three runs.
    static std::array<std::int64_t, 3> dateComponentsFromString(std::string_view text);
    // The order of the texts of one file (REQUIRES at least one), or nothing when it cannot
    // be told. Throws like dateComponentsFromString for a text without three numbers.
    static std::optional<std::string> guessDateOrder(const std::vector<std::string>& texts);
    // The day of `text` read in `order` (REQUIRES one of the three orders); nothing when the
    // numbers give no day. Throws like dateComponentsFromString.
    static std::optional<Date> parseDate(std::string_view text, std::string_view order);
    // The day of a date text written month/day/year, or year-month-day when the first number
    // has four digits; nothing when it is not a day. Never throws.
    static std::optional<Date> parseDate(std::string_view text);
    // The day of "M/D/Y" numbers: a year below 100 is widened (00-69 to 2000-2069, 70-99 to
    // 1970-1999); nothing for a month or day that does not exist (31 February stays invalid
    // rather than rolling into March).
    static std::optional<Date> naturalDate(std::int64_t month, std::int64_t day, std::int64_t year);

    // Adds a value of 1..99 to the set; throws ParseError "Invalid field value" / "The value
    // should be between 1 and 99" for any other.
    static void check(std::int64_t value, std::set<std::int64_t>& set);
    // 0, 1 or 2 for the strictly largest of three sets, -1 when the largest is tied.
    static int maxField(const std::set<std::int64_t>& first, const std::set<std::int64_t>& middle,
                        const std::set<std::int64_t>& last);
};
