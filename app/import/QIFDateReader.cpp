#include "QIFDateReader.h"

#include <unicode/uchar.h>

#include "TextScan.h"
#include "base/AssertionFailure.h"
#include "base/ParseError.h"

namespace {

constexpr std::int64_t kTooLarge = 1'000'000'000;
constexpr std::int64_t kYearDigits = 1000;

bool isDecimalDigit(char32_t c, int& value) {
    if (c >= '0' && c <= '9') {
        value = static_cast<int>(c - '0');
        return true;
    }
    if (c < 0x80 || !u_isdigit(static_cast<UChar32>(c))) {
        return false;
    }
    value = u_charDigitValue(static_cast<UChar32>(c));
    return value >= 0;
}

std::optional<std::string> guessWithYearLast(const std::vector<std::string>& texts) {
    std::set<std::int64_t> first;
    std::set<std::int64_t> second;
    for (const std::string& text : texts) {
        auto c = QIFDateReader::dateComponentsFromString(text);
        if (c[0] >= 13) {
            return "DMY";
        }
        if (c[1] >= 13) {
            return "MDY";
        }
        first.insert(c[0]);
        second.insert(c[1]);
    }
    if (first.size() > second.size()) {
        return "DMY";
    }
    if (first.size() < second.size()) {
        return "MDY";
    }
    return std::nullopt;
}

std::optional<std::string> guessWithoutYear(const std::vector<std::string>& texts) {
    std::set<std::int64_t> sets[3];
    try {
        for (const std::string& text : texts) {
            auto c = QIFDateReader::dateComponentsFromString(text);
            for (int i = 0; i < 3; ++i) {
                QIFDateReader::check(c[i], sets[i]);
            }
        }
    } catch (const ParseError& error) {
        if (error.kind() != "Invalid field value") {
            throw;
        }
        return std::nullopt;
    }
    switch (QIFDateReader::maxField(sets[0], sets[1], sets[2])) {
        case 0:
            return "DMY";
        case 1:
            return "MDY";
        case 2:
            return "YMD";
        default:
            return std::nullopt;
    }
}

}  // namespace

std::array<std::int64_t, 3> QIFDateReader::dateComponentsFromString(std::string_view text) {
    std::array<std::int64_t, 3> components{};
    int found = 0;
    bool inRun = false;
    for (std::size_t i = 0; i < text.size() && found < 3;) {
        std::size_t length = 0;
        char32_t c = TextScan::codePointAt(text, i, length);
        i += length;
        int digit = 0;
        if (!isDecimalDigit(c, digit)) {
            if (inRun) {
                ++found;
            }
            inRun = false;
            continue;
        }
        std::int64_t& value = components[static_cast<std::size_t>(found)];
        value = std::min(kTooLarge, value * 10 + digit);
        inRun = true;
    }
    if (inRun) {
        ++found;
    }
    if (found < 3) {
        throw ParseError("PNParseError", "Expected three date components.");
    }
    return components;
}

std::optional<std::string> QIFDateReader::guessDateOrder(const std::vector<std::string>& texts) {
    PN_ASSERT(!texts.empty(), "No dates to guess the order from");
    auto first = dateComponentsFromString(texts.front());
    int yearPosition = -1;
    for (int i = 0; i < 3 && yearPosition < 0; ++i) {
        if (first[static_cast<std::size_t>(i)] >= kYearDigits) {
            yearPosition = i;
        }
    }
    switch (yearPosition) {
        case 0:
            return "YMD";
        case 1:
            return std::nullopt;
        case 2:
            return guessWithYearLast(texts);
        default:
            return guessWithoutYear(texts);
    }
}

std::optional<Date> QIFDateReader::parseDate(std::string_view text, std::string_view order) {
    auto c = dateComponentsFromString(text);
    std::int64_t month = 0;
    std::int64_t day = 0;
    std::int64_t year = 0;
    if (order == "MDY") {
        month = c[0], day = c[1], year = c[2];
    } else if (order == "DMY") {
        day = c[0], month = c[1], year = c[2];
    } else if (order == "YMD") {
        year = c[0], month = c[1], day = c[2];
    } else {
        PN_ASSERTION_FAILURE("Unknown date order " + std::string(order));
    }
    if (day < 1 || day > 31) {
        return std::nullopt;
    }
    return naturalDate(month, day, year);
}

std::optional<Date> QIFDateReader::parseDate(std::string_view text) {
    try {
        auto c = dateComponentsFromString(text);
        if (c[0] >= kYearDigits) {
            return naturalDate(c[1], c[2], c[0]);
        }
        return naturalDate(c[0], c[1], c[2]);
    } catch (const ParseError&) {
        return std::nullopt;
    }
}

std::optional<Date> QIFDateReader::naturalDate(std::int64_t month, std::int64_t day,
                                               std::int64_t year) {
    if (year < 70) {
        year += 2000;
    } else if (year < 100) {
        year += 1900;
    }
    if (year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    return Date::validDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
}

void QIFDateReader::check(std::int64_t value, std::set<std::int64_t>& set) {
    if (value < 1 || value > 99) {
        throw ParseError("Invalid field value", "The value should be between 1 and 99");
    }
    set.insert(value);
}

int QIFDateReader::maxField(const std::set<std::int64_t>& first,
                            const std::set<std::int64_t>& middle,
                            const std::set<std::int64_t>& last) {
    if (first.size() > middle.size() && first.size() > last.size()) {
        return 0;
    }
    if (middle.size() > first.size() && middle.size() > last.size()) {
        return 1;
    }
    if (last.size() > first.size() && last.size() > middle.size()) {
        return 2;
    }
    return -1;
}
