#include "CurrencyFormatter.h"

#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/fmtable.h>
#include <unicode/numfmt.h>
#include <unicode/ucurr.h>

#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"

namespace {

constexpr char16_t kCurrencySign = u'\u00a4';

std::string toUTF8(const icu::UnicodeString& text) {
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

icu::Locale userLocale() {
    return icu::Locale(UserLocale::current().c_str());
}

// The NUL-terminated UTF-16 form ICU wants of a three-letter code, in upper case.
std::u16string isoCode(const std::string& code) {
    auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    PN_ASSERT(code.size() == 3 && std::all_of(code.begin(), code.end(), isLetter),
              "Invalid currency code for a formatter: " + code);
    std::u16string iso;
    for (char c : code) {
        iso.push_back(static_cast<char16_t>(c >= 'a' ? c - 'a' + 'A' : c));
    }
    return iso;
}

// Negatives are shown with a minus sign, so parentheses go from the pattern. A negative
// subpattern that relied on them alone would then show negatives unsigned; it is dropped so
// that the minus sign of the positive pattern applies.
void removeParentheses(icu::DecimalFormat& format) {
    icu::UnicodeString pattern;
    format.toPattern(pattern);
    if (pattern.indexOf(u'(') < 0) {
        return;
    }
    pattern.findAndReplace(u"(", u"").findAndReplace(u")", u"");
    int32_t separator = pattern.indexOf(u';');
    if (separator >= 0 && pattern.indexOf(u'-', separator) < 0) {
        pattern.truncate(separator);
    }
    UErrorCode status = U_ZERO_ERROR;
    format.applyPattern(pattern, status);
    PN_ASSERT(U_SUCCESS(status), "Could not apply currency pattern " + toUTF8(pattern));
}

const icu::UnicodeString& digitOne(const icu::DecimalFormat& format) {
    return format.getDecimalFormatSymbols()->getConstSymbol(
        icu::DecimalFormatSymbols::kOneDigitSymbol);
}

std::string formatted(const icu::DecimalFormat& format, const icu::Formattable& number,
                      icu::UnicodeString* text = nullptr) {
    icu::UnicodeString out;
    icu::FieldPosition position;
    UErrorCode status = U_ZERO_ERROR;
    format.format(number, out, position, status);
    PN_ASSERT(U_SUCCESS(status), "Could not format an amount");
    if (text != nullptr) {
        *text = out;
    }
    return toUTF8(out);
}

}  // namespace

CurrencyFormatter::CurrencyFormatter(std::unique_ptr<icu::DecimalFormat> format)
    : m_format(std::move(format)) {}
CurrencyFormatter::~CurrencyFormatter() = default;
CurrencyFormatter::CurrencyFormatter(CurrencyFormatter&&) noexcept = default;
CurrencyFormatter& CurrencyFormatter::operator=(CurrencyFormatter&&) noexcept = default;

CurrencyFormatter CurrencyFormatter::formatterForCurrency(const std::string& code) {
    return make(code, false);
}

CurrencyFormatter CurrencyFormatter::wholeAmountFormatterForCurrency(const std::string& code) {
    return make(code, true);
}

CurrencyFormatter CurrencyFormatter::formatterForHomeCurrency(ObjectContext& context) {
    return make(Global::sharedInstanceInContext(context)->homeCurrency(), false);
}

CurrencyFormatter CurrencyFormatter::wholeAmountFormatterForHomeCurrency(ObjectContext& context) {
    return make(Global::sharedInstanceInContext(context)->homeCurrency(), true);
}

CurrencyFormatter CurrencyFormatter::formatterForAccount(const Account& account) {
    return account.isForeign() ? make(account.currency()->code(), false)
                               : formatterForHomeCurrency(*account.managedObjectContext());
}

CurrencyFormatter CurrencyFormatter::make(const std::string& code, bool wholeAmounts) {
    std::u16string iso = isoCode(code);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> number(
        icu::NumberFormat::createCurrencyInstance(userLocale(), status));
    auto* decimal = dynamic_cast<icu::DecimalFormat*>(number.get());
    PN_ASSERT(U_SUCCESS(status) && decimal != nullptr, "Could not create a currency formatter");
    number.release();
    std::unique_ptr<icu::DecimalFormat> format(decimal);
    removeParentheses(*format);
    format->setCurrency(iso.c_str(), status);
    PN_ASSERT(U_SUCCESS(status), "Could not set the currency of a formatter to " + code);
    if (wholeAmounts) {
        format->setMinimumFractionDigits(0);
        format->setMaximumFractionDigits(0);
    }
    // The program's plain rounding: a half goes away from zero.
    format->setRoundingMode(icu::DecimalFormat::kRoundHalfUp);
    // Typed amounts may leave out the symbol or the grouping.
    format->setLenient(true);
    return CurrencyFormatter(std::move(format));
}

std::string CurrencyFormatter::stringFromDecimal(const Decimal& value) const {
    // Below half of the last shown digit the value shows as zero, and ICU would keep its
    // sign ("-$0.00"); such values take the zero form instead.
    Decimal half = Decimal::fromString("5E-" + std::to_string(maximumFractionDigits() + 1));
    if (value.absolute_pn() < half) {
        return formattedZero();
    }
    std::string text = value.toString();
    UErrorCode status = U_ZERO_ERROR;
    icu::Formattable number(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                            status);
    PN_ASSERT(U_SUCCESS(status), "Could not hand an amount to the formatter: " + text);
    return formatted(*m_format, number);
}

std::string CurrencyFormatter::formattedZero() const {
    icu::UnicodeString text;
    formatted(*m_format, icu::Formattable(static_cast<int32_t>(1)), &text);
    // The locale's own digits, so that locales without Latin digits get a zero too.
    const icu::UnicodeString& zero = m_format->getDecimalFormatSymbols()->getConstSymbol(
        icu::DecimalFormatSymbols::kZeroDigitSymbol);
    text.findAndReplace(digitOne(*m_format), zero);
    return toUTF8(text);
}

std::optional<Decimal> CurrencyFormatter::decimalFromString(std::string_view text) const {
    icu::UnicodeString input = icu::UnicodeString::fromUTF8(
                                   icu::StringPiece(text.data(), static_cast<int32_t>(text.size())))
                                   .trim();
    if (input.isEmpty()) {
        return std::nullopt;
    }
    icu::Formattable result;
    icu::ParsePosition position(0);
    m_format->parse(input, result, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::StringPiece digits = result.getDecimalNumber(status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return Decimal::parse(std::string_view(digits.data(), static_cast<std::size_t>(digits.size())));
}

std::string CurrencyFormatter::pattern() const {
    icu::UnicodeString text;
    m_format->toPattern(text);
    return toUTF8(text);
}

std::string CurrencyFormatter::currencyCode() const {
    return toUTF8(icu::UnicodeString(m_format->getCurrency()));
}

int CurrencyFormatter::maximumFractionDigits() const {
    return m_format->getMaximumFractionDigits();
}

bool CurrencyFormatter::patternBeginsWithCurrencySign() const {
    icu::UnicodeString text;
    m_format->toPattern(text);
    return !text.isEmpty() && text.charAt(0) == kCurrencySign;
}

std::string CurrencyFormatter::currencySymbolForCode_pn(const std::string& code) {
    std::u16string iso = isoCode(code);
    UErrorCode status = U_ZERO_ERROR;
    auto* symbols = new icu::DecimalFormatSymbols(userLocale(), status);
    icu::DecimalFormat format(icu::UnicodeString(u"\u00a4#,##0.00"), symbols, status);
    format.setCurrency(iso.c_str(), status);
    PN_ASSERT(U_SUCCESS(status), "Could not create a formatter for the symbol of " + code);
    icu::UnicodeString text;
    formatted(format, icu::Formattable(static_cast<int32_t>(1)), &text);
    int32_t one = text.indexOf(digitOne(format));
    PN_ASSERT(one >= 0, "No digit in the formatted number 1 for " + code);
    return toUTF8(text.tempSubString(0, one));
}

std::optional<std::string> CurrencyFormatter::currencyCodeOfUserLocale() {
    UChar code[4] = {};
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucurr_forLocale(UserLocale::current().c_str(), code, 4, &status);
    if (U_FAILURE(status) || length != 3) {
        return std::nullopt;
    }
    return toUTF8(icu::UnicodeString(code, length));
}
