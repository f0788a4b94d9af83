#include "DecimalReader.h"

#include <string>

#include "TextScan.h"

namespace {

constexpr std::size_t kMaxSignificantDigits = 34;  // what decimal128 holds exactly

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits without leading zeros, counting the fraction's digits as well.
bool fitsExactly(std::string_view digits) {
    std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos || digits.size() - first <= kMaxSignificantDigits;
}

std::size_t skipSign(std::string_view text) {
    return !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
}

// The whole part of a grouped number from `i`: digits, optionally in ","-separated groups of
// three; appends the digits and returns the end, or npos when a group is malformed.
std::size_t readGroupedWholePart(std::string_view text, std::size_t i, std::string& digits) {
    std::size_t groupLength = 0;
    bool grouped = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digits.push_back(text[i]);
            ++groupLength;
        } else if (text[i] == ',') {
            if (groupLength == 0 || (grouped ? groupLength != 3 : groupLength > 3)) {
                return std::string_view::npos;
            }
            grouped = true;
            groupLength = 0;
        } else {
            break;
        }
    }
    if (grouped && groupLength != 3) {
        return std::string_view::npos;
    }
    return i;
}

}  // namespace

std::optional<Decimal> DecimalReader::readGroupedDecimal(std::string_view text) {
    text = TextScan::trimmed(text);
    std::size_t i = skipSign(text);
    std::string digits;
    i = readGroupedWholePart(text, i, digits);
    if (i == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t wholeDigits = digits.size();
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits.push_back(text[i]);
        }
    }
    if (i != text.size() || digits.empty() || !fitsExactly(digits)) {
        return std::nullopt;
    }
    std::string plain = text.substr(0, skipSign(text)) == "-" ? "-" : "";
    plain += digits.substr(0, wholeDigits).empty() ? "0" : digits.substr(0, wholeDigits);
    if (digits.size() > wholeDigits) {
        plain += "." + digits.substr(wholeDigits);
    }
    return Decimal::parse(plain);
}

std::optional<Decimal> DecimalReader::readPlainDecimal(std::string_view text) {
    text = TextScan::trimmed(text);
    std::size_t i = skipSign(text);
    std::string digits;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        digits.push_back(text[i]);
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits.push_back(text[i]);
        }
    }
    if (digits.empty() || !fitsExactly(digits)) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t exponent = ++i;
        i += skipSign(text.substr(i));
        std::size_t first = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
        }
        if (i == first || i - exponent > 5) {
            return std::nullopt;  // no exponent digits, or an exponent far outside any amount
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return Decimal::parse(text);
}

std::optional<std::int64_t> DecimalReader::readPlainInteger(std::string_view text) {
    text = TextScan::trimmed(text);
    std::size_t i = skipSign(text);
    bool negative = i == 1 && text[0] == '-';
    if (i == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            return std::nullopt;
        }
        int digit = text[i] - '0';
        if (value > (INT64_MAX - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}
