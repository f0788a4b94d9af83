#include "Decimal.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>

#include "BidDecimal.h"

// Bridges between Decimal's two words and the library's 128-bit value.
class DecimalAccess {
public:
    static BID_UINT128 bits(const Decimal& d) {
        BID_UINT128 v;
        v.w[0] = d.m_low;
        v.w[1] = d.m_high;
        return v;
    }
    static Decimal make(BID_UINT128 v) { return Decimal(v.w[0], v.w[1]); }
};

namespace {

// A finite value in the usual encoding is coefficient * 10^(exponent - 6176), with the
// exponent in bits 49-62 of the high word and the coefficient in the 113 bits below; these
// tell the values whose coefficient fits the low word.
constexpr std::uint64_t kSpecialOrLarge = 0x6000000000000000ull;
constexpr std::uint64_t kCoefficientHigh = 0x0001ffffffffffffull;
constexpr std::uint64_t kSignBit = 0x8000000000000000ull;
constexpr int kExponentShift = 49;
constexpr int kExponentBias = 6176;

// True for a finite value whose coefficient fits the low word, given its high word.
constexpr bool coefficientFitsLowWord(std::uint64_t high) {
    return (high & kSpecialOrLarge) != kSpecialOrLarge && (high & kCoefficientHigh) == 0;
}
// The biased exponent of such a value, given its high word.
constexpr std::uint64_t biasedExponentOf(std::uint64_t high) {
    return (high >> kExponentShift) & 0x3fff;
}
// The exponent of such a value, given its high word.
constexpr int exponentOf(std::uint64_t high) {
    return static_cast<int>(biasedExponentOf(high)) - kExponentBias;
}
// The high word of a value whose coefficient fits the low word.
constexpr std::uint64_t highWord(bool negative, int exponent) {
    return (static_cast<std::uint64_t>(exponent + kExponentBias) << kExponentShift) |
           (negative ? kSignBit : 0);
}

constexpr _IDEC_flags kErrorFlags = BID_OVERFLOW_EXCEPTION | BID_UNDERFLOW_EXCEPTION |
                                    BID_ZERO_DIVIDE_EXCEPTION | BID_INVALID_EXCEPTION;

void check(_IDEC_flags flags, const char* operation) {
    if ((flags & kErrorFlags) == 0) {
        return;
    }
    std::string what = std::string("Decimal ") + operation + ": ";
    if (flags & BID_ZERO_DIVIDE_EXCEPTION) {
        what += "division by zero";
    } else if (flags & BID_OVERFLOW_EXCEPTION) {
        what += "overflow";
    } else if (flags & BID_UNDERFLOW_EXCEPTION) {
        what += "underflow";
    } else {
        what += "invalid operation";
    }
    throw DecimalError(what);
}

BID_UINT128 bits(const Decimal& d) {
    return DecimalAccess::bits(d);
}
Decimal make(BID_UINT128 v) {
    return DecimalAccess::make(v);
}

// The library reads only plain decimal and exponent forms; reject anything else (it would
// otherwise accept "inf" and "nan").
bool looksNumeric(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        bool expDigits = false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            expDigits = true;
        }
        if (!expDigits) {
            return false;
        }
    }
    return i == text.size();
}

// Splits a finite value into sign, decimal digits of the coefficient and exponent.
struct Parts {
    bool negative = false;
    std::string digits;  // without leading zeros; "0" for zero
    int exponent = 0;
};

Parts partsOf(const Decimal& d) {
    // Where the coefficient fits 64 bits the parts are read from the bits: a save writes
    // every amount as text, and the library's text is slow.
    const BID_UINT128 v = bits(d);
    if (coefficientFitsLowWord(v.w[1])) {
        Parts parts;
        parts.negative = (v.w[1] & kSignBit) != 0;
        parts.exponent = exponentOf(v.w[1]);
        char digits[24];
        parts.digits.assign(digits, std::to_chars(digits, digits + sizeof digits, v.w[0]).ptr);
        return parts;
    }
    char buffer[64];
    _IDEC_flags flags = 0;
    bid128_to_string(buffer, bits(d), &flags);
    // The library writes [+-]digitsE[+-]exp.
    Parts parts;
    const char* p = buffer;
    parts.negative = (*p == '-');
    if (*p == '+' || *p == '-') {
        ++p;
    }
    const char* e = std::strchr(p, 'E');
    parts.digits.assign(p, e ? static_cast<std::size_t>(e - p) : std::strlen(p));
    parts.exponent = e ? std::atoi(e + 1) : 0;
    std::size_t nonZero = parts.digits.find_first_not_of('0');
    parts.digits = nonZero == std::string::npos ? "0" : parts.digits.substr(nonZero);
    return parts;
}

std::string plainText(const Parts& parts, bool dropTrailingZeros) {
    std::string digits = parts.digits;
    int exponent = parts.exponent;
    if (dropTrailingZeros) {
        while (exponent < 0 && digits.size() > 1 && digits.back() == '0') {
            digits.pop_back();
            ++exponent;
        }
        if (digits == "0") {
            exponent = exponent < 0 ? 0 : exponent;
        }
    }
    std::string text;
    if (exponent >= 0) {
        text = digits;
        if (digits != "0") {
            text.append(static_cast<std::size_t>(exponent), '0');
        }
    } else {
        std::size_t fraction = static_cast<std::size_t>(-exponent);
        if (digits.size() <= fraction) {
            digits.insert(0, fraction - digits.size() + 1, '0');
        }
        text = digits.substr(0, digits.size() - fraction) + "." +
               digits.substr(digits.size() - fraction);
    }
    bool isZero = parts.digits == "0";
    return (parts.negative && !isZero) ? "-" + text : text;
}

// plainText(parts, true) of a value whose coefficient fits 64 bits, written in one buffer:
// a save writes every amount this way.
std::string plainTextOfSmall(bool negative, std::uint64_t coefficient, int exponent) {
    if (coefficient == 0) {
        return "0";
    }
    while (exponent < 0 && coefficient % 10 == 0) {
        coefficient /= 10;
        ++exponent;
    }
    char digits[24];
    const auto length = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, coefficient).ptr - digits);
    std::string text;
    if (negative) {
        text.push_back('-');
    }
    if (exponent >= 0) {
        text.append(digits, length);
        text.append(static_cast<std::size_t>(exponent), '0');
        return text;
    }
    const auto fraction = static_cast<std::size_t>(-exponent);
    if (length <= fraction) {
        text.append("0.");
        text.append(fraction - length, '0');
        text.append(digits, length);
    } else {
        text.append(digits, length - fraction);
        text.push_back('.');
        text.append(digits + (length - fraction), fraction);
    }
    return text;
}

}  // namespace

Decimal Decimal::fromInt64(std::int64_t value) {
    return make(bid128_from_int64(value));
}

Decimal Decimal::fromString(std::string_view text) {
    std::optional<Decimal> value = parse(text);
    if (!value) {
        throw DecimalError("Decimal: not a number: " + std::string(text.substr(0, 64)));
    }
    return *value;
}

namespace {

// The plain form a store writes for every amount ("-1234.56", at most 18 digits, a digit on
// each side of a point) read without the library and without copying the text: the same
// value and quantum the library would give. Nothing for any other form.
std::optional<Decimal> parsePlain(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        ++i;
    }
    std::uint64_t coefficient = 0;
    int digits = 0;
    int wholeDigits = -1;  // set at the point
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 18) {
                return std::nullopt;
            }
            coefficient = coefficient * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && wholeDigits < 0) {
            wholeDigits = digits;
        } else {
            return std::nullopt;
        }
    }
    const int fractionDigits = wholeDigits < 0 ? 0 : digits - wholeDigits;
    if (digits == 0 || wholeDigits == 0 || (wholeDigits > 0 && fractionDigits == 0)) {
        return std::nullopt;
    }
    BID_UINT128 v;
    v.w[0] = coefficient;
    v.w[1] = highWord(negative, -fractionDigits);
    return make(v);
}

}  // namespace

std::optional<Decimal> Decimal::parse(std::string_view text) {
    if (std::optional<Decimal> plain = parsePlain(text)) {
        return plain;
    }
    if (text.size() > 200 || !looksNumeric(text)) {
        return std::nullopt;
    }
    std::string copy(text);
    _IDEC_flags flags = 0;
    BID_UINT128 v = bid128_from_string(copy.data(), BID_ROUNDING_TO_NEAREST, &flags);
    int finite = bid128_isFinite(v);
    if ((flags & kErrorFlags) != 0 || !finite) {
        return std::nullopt;
    }
    return make(v);
}

namespace {

// 10^n for n from 0 to 18, the powers that fit 63 bits.
constexpr std::uint64_t kPowersOfTen[19] = {1ull,
                                            10ull,
                                            100ull,
                                            1000ull,
                                            10000ull,
                                            100000ull,
                                            1000000ull,
                                            10000000ull,
                                            100000000ull,
                                            1000000000ull,
                                            10000000000ull,
                                            100000000000ull,
                                            1000000000000ull,
                                            10000000000000ull,
                                            100000000000000ull,
                                            1000000000000000ull,
                                            10000000000000000ull,
                                            100000000000000000ull,
                                            1000000000000000000ull};

// One operand of a sum: its sign, coefficient and biased exponent, when its coefficient is
// below 2^63.
struct Term {
    bool negative;
    std::uint64_t coefficient;
    std::uint64_t exponent;
};

std::optional<Term> termOf(const BID_UINT128& v) {
    if (!coefficientFitsLowWord(v.w[1]) || (v.w[0] & kSignBit) != 0) {
        return std::nullopt;
    }
    return Term{(v.w[1] & kSignBit) != 0, v.w[0], biasedExponentOf(v.w[1])};
}

// Brings `term` down to `exponent` (coefficient times a power of ten); false when the
// coefficient would no longer stay below 2^63.
bool scaleTo(Term& term, std::uint64_t exponent) {
    const std::uint64_t steps = term.exponent - exponent;
    if (steps >= std::size(kPowersOfTen) ||
        term.coefficient > (kSignBit - 1) / kPowersOfTen[steps]) {
        return false;
    }
    term.coefficient *= kPowersOfTen[steps];
    term.exponent = exponent;
    return true;
}

// a + b, or a - b when `subtract`, where both coefficients are below 2^63 and stay so when
// brought to the smaller exponent: every pair of amounts a person deals with. The sum is
// exact, so it is what the library gives: the smaller exponent, and +0 for x - x. Nothing
// for any other pair.
std::optional<BID_UINT128> sumOfSmallValues(BID_UINT128 a, BID_UINT128 b, bool subtract) {
    std::optional<Term> x = termOf(a);
    std::optional<Term> y = termOf(b);
    if (!x || !y) {
        return std::nullopt;
    }
    y->negative = y->negative != subtract;
    const std::uint64_t exponent = std::min(x->exponent, y->exponent);
    if (!scaleTo(*x, exponent) || !scaleTo(*y, exponent)) {
        return std::nullopt;
    }
    BID_UINT128 sum;
    bool negative = false;
    if (x->negative == y->negative) {
        sum.w[0] = x->coefficient + y->coefficient;
        negative = x->negative;
    } else if (x->coefficient != y->coefficient) {
        const bool xLarger = x->coefficient > y->coefficient;
        sum.w[0] = xLarger ? x->coefficient - y->coefficient : y->coefficient - x->coefficient;
        negative = xLarger ? x->negative : y->negative;
    } else {
        sum.w[0] = 0;
    }
    sum.w[1] = (exponent << kExponentShift) | (negative ? kSignBit : 0);
    return sum;
}

}  // namespace

Decimal Decimal::operator+(const Decimal& other) const {
    if (const std::optional<BID_UINT128> sum = sumOfSmallValues(bits(*this), bits(other), false)) {
        return make(*sum);
    }
    _IDEC_flags flags = 0;
    BID_UINT128 r = bid128_add(bits(*this), bits(other), BID_ROUNDING_TO_NEAREST, &flags);
    check(flags, "addition");
    return make(r);
}

Decimal Decimal::operator-(const Decimal& other) const {
    if (const std::optional<BID_UINT128> sum = sumOfSmallValues(bits(*this), bits(other), true)) {
        return make(*sum);
    }
    _IDEC_flags flags = 0;
    BID_UINT128 r = bid128_sub(bits(*this), bits(other), BID_ROUNDING_TO_NEAREST, &flags);
    check(flags, "subtraction");
    return make(r);
}

Decimal Decimal::operator*(const Decimal& other) const {
    _IDEC_flags flags = 0;
    BID_UINT128 r = bid128_mul(bits(*this), bits(other), BID_ROUNDING_TO_NEAREST, &flags);
    check(flags, "multiplication");
    return make(r);
}

Decimal Decimal::operator/(const Decimal& other) const {
    _IDEC_flags flags = 0;
    BID_UINT128 r = bid128_div(bits(*this), bits(other), BID_ROUNDING_TO_NEAREST, &flags);
    check(flags, "division");
    return make(r);
}

Decimal Decimal::operator-() const {
    return Decimal() - *this;
}

bool Decimal::operator==(const Decimal& other) const {
    _IDEC_flags flags = 0;
    return bid128_quiet_equal(bits(*this), bits(other), &flags) != 0;
}

std::strong_ordering Decimal::operator<=>(const Decimal& other) const {
    _IDEC_flags flags = 0;
    if (bid128_quiet_less(bits(*this), bits(other), &flags)) {
        return std::strong_ordering::less;
    }
    if (bid128_quiet_greater(bits(*this), bits(other), &flags)) {
        return std::strong_ordering::greater;
    }
    return std::strong_ordering::equal;
}

bool Decimal::isZero() const {
    return bid128_isZero(bits(*this)) != 0;
}

bool Decimal::isAbsoluteBelowPowerOfTen(int power) const {
    // Where the coefficient fits 64 bits (every amount a person types) the answer is one
    // comparison of integers.
    if (coefficientFitsLowWord(m_high) && power >= 0) {
        const int exponent = exponentOf(m_high);
        const std::uint64_t coefficient = m_low;
        if (coefficient == 0) {
            return true;
        }
        const int digits = power - exponent;  // the coefficient must stay below 10^digits
        if (digits <= 0) {
            return false;
        }
        if (digits > 19) {
            return true;  // 10^19 < 2^64 <= 10^20
        }
        std::uint64_t limit = 1;
        for (int i = 0; i < digits; ++i) {
            limit *= 10;
        }
        return coefficient < limit;
    }
    if (power < 0) {
        return false;
    }
    Decimal bound = 1;
    for (int i = 0; i < power; ++i) {
        bound *= Decimal(10);
    }
    return absolute_pn() < bound;
}

int Decimal::sign() const {
    if (isZero()) {
        return 0;
    }
    return bid128_isSigned(bits(*this)) ? -1 : 1;
}

Decimal Decimal::rounded(int scale) const {
    _IDEC_flags flags = 0;
    // The quantum 1E-scale selects the digit to round at.
    BID_UINT128 quantum =
        bid128_scalbn(bid128_from_int32(1), -scale, BID_ROUNDING_TO_NEAREST, &flags);
    check(flags, "rounding");
    flags = 0;
    BID_UINT128 r = bid128_quantize(bits(*this), quantum, BID_ROUNDING_TIES_AWAY, &flags);
    check(flags, "rounding");
    return make(r);
}

std::string Decimal::toString() const {
    const BID_UINT128 v = bits(*this);
    if (coefficientFitsLowWord(v.w[1])) {
        return plainTextOfSmall((v.w[1] & kSignBit) != 0, v.w[0], exponentOf(v.w[1]));
    }
    return plainText(partsOf(*this), true);
}

std::string Decimal::toString(int fractionDigits) const {
    Parts parts = partsOf(rounded(fractionDigits));
    return plainText(parts, false);
}

std::int64_t Decimal::toInt64() const {
    _IDEC_flags flags = 0;
    std::int64_t value = bid128_to_int64_int(bits(*this), &flags);
    check(flags, "conversion");
    return value;
}

double Decimal::toDouble() const {
    _IDEC_flags flags = 0;
    return bid128_to_binary64(bits(*this), BID_ROUNDING_TO_NEAREST, &flags);
}

std::size_t Decimal::hash() const {
    // Numerically equal values (1.5, 1.50, -0, 0) convert to the same binary64 value, so its
    // hash is consistent with operator== and needs no allocation.
    if (isZero()) {
        return 0;
    }
    return std::hash<double>()(toDouble());
}
