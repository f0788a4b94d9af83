#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Decimal.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class DecimalFormat;
U_NAMESPACE_END

class CurrencyFormatter;

// Reads and shows the amounts typed into amount fields: the decimal style of the user's locale
// with exactly two fraction digits ("1,234.50" in en_US, "1.234,50" in de_DE). Typed text may
// also be plain ("-1234.5") or, when a currency is set, in that currency's own form
// ("$1,234.50"). Values go to ICU as exact decimal text and come back the same way.
class AmountFormatter final {
public:
    // What a field's text holds.
    struct Reading {
        enum class Kind { NoValue, Value, Invalid };
        Kind kind = Kind::NoValue;
        std::optional<Decimal> value;  // set for Value only, exactly as typed (not rounded)

        bool operator==(const Reading&) const = default;
    };

    AmountFormatter();
    ~AmountFormatter();
    AmountFormatter(AmountFormatter&&) noexcept;
    AmountFormatter& operator=(AmountFormatter&&) noexcept;

    // Zero is shown as "-" followed by the formatted zero, so that a number typed over the
    // digits keeps the sign: the formatter of a field that assumes expenses.
    bool assumesNegative() const { return m_assumesNegative; }
    void setAssumesNegative(bool assumes) { m_assumesNegative = assumes; }
    // Digits shown after the decimal separator; 2 unless set. A formatter of 0 digits reads
    // only whole numbers (other text is Invalid).
    int fractionDigits() const { return m_fractionDigits; }
    void setFractionDigits(int digits);
    // Values below the minimum read as Invalid. Nothing (the default): no lower bound.
    const std::optional<Decimal>& minimum() const { return m_minimum; }
    void setMinimum(std::optional<Decimal> minimum) { m_minimum = std::move(minimum); }
    // The ISO code whose currency form is read too; empty (the default): none.
    const std::string& currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(const std::string& code);

    // `value` with exactly fractionDigits() digits, a half rounded away from zero; a value
    // that shows as zero never carries a minus sign unless assumesNegative() is set.
    [[nodiscard]] std::string stringFromDecimal(const Decimal& value) const;
    // The text of an optional value: "" for nothing.
    [[nodiscard]] std::string stringFromValue(const std::optional<Decimal>& value) const;
    // Empty or blank text, and "-" alone, hold no value. Otherwise the whole text (outer white
    // space aside) must be an amount in one of the forms above, within the minimum and, for a
    // whole-number formatter, whole; anything else is Invalid.
    [[nodiscard]] Reading read(std::string_view text) const;

    // The amount a field's value stands for: 0 for no value, otherwise the value rounded to
    // 2 places with a half going away from zero (2.345 -> 2.35, -2.345 -> -2.35).
    [[nodiscard]] static Decimal interpretAmount(const std::optional<Decimal>& value);
    // Plain decimal text only: an optional sign, digits and at most one "." with a digit
    // somewhere; nothing for any other text. The form the command line takes amounts in.
    [[nodiscard]] static std::optional<Decimal> plainAmountFromString(std::string_view text);

private:
    [[nodiscard]] std::optional<Decimal> readLocaleForm(std::string_view text) const;
    [[nodiscard]] std::string formatted(const Decimal& value) const;

    std::unique_ptr<icu::DecimalFormat> m_format;
    std::unique_ptr<CurrencyFormatter> m_currencyFormatter;
    std::string m_currencyCode;
    std::optional<Decimal> m_minimum;
    int m_fractionDigits = 2;
    bool m_assumesNegative = false;
};
