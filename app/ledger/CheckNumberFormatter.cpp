#include "ledger/CheckNumberFormatter.h"

#include <algorithm>
#include <charconv>

#include "base/StringHelpers.h"

namespace {

// More digits than this could overflow a 64-bit number.
constexpr std::size_t kMaximumDigits = 18;

}  // namespace

CheckNumberFormatter::Reading CheckNumberFormatter::read(std::string_view text) {
    if (isBlank_pn(text)) {
        return {};
    }
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    const std::string_view digits = text.substr(first, last - first + 1);
    const bool allDigits =
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits || digits.size() > kMaximumDigits) {
        return {false, std::nullopt};
    }
    std::int64_t number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return {true, number};
}

std::string CheckNumberFormatter::stringFromCheckNumber(std::optional<std::int64_t> number) {
    return number ? std::to_string(*number) : std::string();
}
