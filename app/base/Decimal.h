#pragma once

#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Thrown when a decimal operation overflows, underflows, divides by zero or is invalid
// (including text that is not a number).
class DecimalError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An exact base-10 number: IEEE 754 decimal128, 34 significant digits. Used for every amount
// and rate. Values are compared numerically (1.50 == 1.5) and may serve as map keys; the
// quantum (trailing zeros) is kept but never affects comparison or hashing.
//
// Every operation checks the library's status flags and throws DecimalError on overflow,
// underflow, division by zero and invalid operations. An inexact result (100 / 137.5) is not an
// error: it is rounded to 34 digits and rounded further when the caller calls rounded().
class Decimal final {
public:
    // Zero.
    constexpr Decimal() noexcept : m_low(0), m_high(kZeroHigh) {}
    template <std::integral T>
    Decimal(T value) : Decimal(fromInt64(static_cast<std::int64_t>(value))) {}  // NOLINT
    Decimal(double) = delete;
    Decimal(float) = delete;

    // Reads "-1234.56", "+3", "1e3", ".5". REQUIRES nothing; throws DecimalError on text that
    // is not a finite number.
    static Decimal fromString(std::string_view text);
    // The same without throwing: nothing when the text is not a finite number.
    static std::optional<Decimal> parse(std::string_view text);

    Decimal operator+(const Decimal& other) const;
    Decimal operator-(const Decimal& other) const;
    Decimal operator*(const Decimal& other) const;
    Decimal operator/(const Decimal& other) const;
    Decimal operator-() const;
    Decimal& operator+=(const Decimal& other) { return *this = *this + other; }
    Decimal& operator-=(const Decimal& other) { return *this = *this - other; }
    Decimal& operator*=(const Decimal& other) { return *this = *this * other; }
    Decimal& operator/=(const Decimal& other) { return *this = *this / other; }

    bool operator==(const Decimal& other) const;
    std::strong_ordering operator<=>(const Decimal& other) const;

    bool isZero() const;
    // True when |this| < 10^power (power >= 0). Cheap for the values amounts take: it reads the
    // coefficient and exponent instead of comparing.
    bool isAbsoluteBelowPowerOfTen(int power) const;
    // -1, 0 or 1.
    int sign() const;

    Decimal negate_pn() const { return Decimal() - *this; }
    Decimal absolute_pn() const { return sign() < 0 ? negate_pn() : *this; }
    // True for an amount above zero; zero is not income.
    bool isIncome_pn() const { return sign() > 0; }

    // Plain rounding to `scale` fraction digits (half away from zero): 2.345 -> 2.35,
    // -2.345 -> -2.35; scale 0: 2.5 -> 3. A negative scale rounds to tens, hundreds, ...
    Decimal rounded(int scale) const;

    // Plain text without exponent: "-12.5", "1000", "0.001". Trailing zeros of the stored
    // quantum are dropped ("1.50" -> "1.5"); no trailing "." .
    std::string toString() const;
    // Exactly `fractionDigits` digits after the point, plainly rounded: toString(2) of -12.5 is
    // "-12.50". Zero is never written with a minus sign.
    std::string toString(int fractionDigits) const;

    // The integer part, truncated toward zero. Throws DecimalError when it does not fit.
    std::int64_t toInt64() const;
    // For geometry only (bar lengths, chart coordinates): never feed the result back into money.
    double toDouble() const;

    std::size_t hash() const;

private:
    static constexpr std::uint64_t kZeroHigh = 0x3040000000000000ull;  // +0E+0

    constexpr Decimal(std::uint64_t low, std::uint64_t high) : m_low(low), m_high(high) {}
    static Decimal fromInt64(std::int64_t value);

    friend class DecimalAccess;
    std::uint64_t m_low;
    std::uint64_t m_high;
};

template <>
struct std::hash<Decimal> {
    std::size_t operator()(const Decimal& d) const { return d.hash(); }
};
