#include "ledger/AmountFormatter.h"

#include <unicode/decimfmt.h>
#include <unicode/fmtable.h>
#include <unicode/numfmt.h>

#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "ledger/CurrencyFormatter.h"

namespace {

std::string_view trimmed(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string toUTF8(const icu::UnicodeString& text) {
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

bool isWhole(const Decimal& value) {
    return value.rounded(0) == value;
}

}  // namespace

AmountFormatter::AmountFormatter() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> number(
        icu::NumberFormat::createInstance(icu::Locale(UserLocale::current().c_str()), status));
    auto* decimal = dynamic_cast<icu::DecimalFormat*>(number.get());
    PN_ASSERT(U_SUCCESS(status) && decimal != nullptr, "Could not create an amount formatter");
    number.release();
    m_format.reset(decimal);
    // The program's plain rounding: a half goes away from zero.
    m_format->setRoundingMode(icu::DecimalFormat::kRoundHalfUp);
    // Typed text must be a whole amount: "1e3" and misplaced grouping are not.
    m_format->setLenient(false);
    m_format->setParseNoExponent(true);
    setFractionDigits(2);
}

AmountFormatter::~AmountFormatter() = default;
AmountFormatter::AmountFormatter(AmountFormatter&&) noexcept = default;
AmountFormatter& AmountFormatter::operator=(AmountFormatter&&) noexcept = default;

void AmountFormatter::setFractionDigits(int digits) {
    PN_ASSERT(digits >= 0, "Negative fraction digits for an amount formatter");
    m_fractionDigits = digits;
    m_format->setMinimumFractionDigits(digits);
    m_format->setMaximumFractionDigits(digits);
}

void AmountFormatter::setCurrencyCode(const std::string& code) {
    if (code == m_currencyCode) {
        return;
    }
    m_currencyCode = code;
    m_currencyFormatter.reset();
    if (!code.empty()) {
        m_currencyFormatter =
            std::make_unique<CurrencyFormatter>(CurrencyFormatter::formatterForCurrency(code));
    }
}

std::string AmountFormatter::formatted(const Decimal& value) const {
    std::string text = value.toString();
    UErrorCode status = U_ZERO_ERROR;
    icu::Formattable number(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                            status);
    PN_ASSERT(U_SUCCESS(status), "Could not hand an amount to the formatter: " + text);
    icu::UnicodeString out;
    icu::FieldPosition position;
    m_format->format(number, out, position, status);
    PN_ASSERT(U_SUCCESS(status), "Could not format an amount");
    return toUTF8(out);
}

std::string AmountFormatter::stringFromDecimal(const Decimal& value) const {
    // A value that rounds to zero shows the zero form; ICU would keep a minus sign ("-0.00").
    const Decimal shown = value.rounded(m_fractionDigits);
    if (shown.isZero()) {
        return (m_assumesNegative ? "-" : "") + formatted(Decimal());
    }
    return formatted(shown);
}

std::string AmountFormatter::stringFromValue(const std::optional<Decimal>& value) const {
    return value ? stringFromDecimal(*value) : std::string();
}

std::optional<Decimal> AmountFormatter::readLocaleForm(std::string_view text) const {
    const icu::UnicodeString input = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    icu::Formattable result;
    icu::ParsePosition position(0);
    m_format->parse(input, result, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::StringPiece digits = result.getDecimalNumber(status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return Decimal::parse(std::string_view(digits.data(), static_cast<std::size_t>(digits.size())));
}

AmountFormatter::Reading AmountFormatter::read(std::string_view text) const {
    text = trimmed(text);
    if (text.empty() || text == "-") {
        return {};
    }
    std::optional<Decimal> value = readLocaleForm(text);
    if (!value) {
        value = plainAmountFromString(text);
    }
    if (!value && m_currencyFormatter != nullptr) {
        value = m_currencyFormatter->decimalFromString(text);
    }
    const bool acceptable = value.has_value() && (!m_minimum || *value >= *m_minimum) &&
                            (m_fractionDigits > 0 || isWhole(*value));
    if (!acceptable) {
        return {Reading::Kind::Invalid, std::nullopt};
    }
    return {Reading::Kind::Value, value};
}

Decimal AmountFormatter::interpretAmount(const std::optional<Decimal>& value) {
    return value ? value->rounded(2) : Decimal();
}

std::optional<Decimal> AmountFormatter::plainAmountFromString(std::string_view text) {
    const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const std::string_view body = text.substr(start);
    const bool plain =
        std::count(body.begin(), body.end(), '.') <= 1 &&
        std::any_of(body.begin(), body.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        std::all_of(body.begin(), body.end(),
                    [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    return plain ? Decimal::parse(text) : std::nullopt;
}
