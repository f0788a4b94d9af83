#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Decimal.h"

#include <unicode/uversion.h>

class Account;
class ObjectContext;

U_NAMESPACE_BEGIN
class DecimalFormat;
U_NAMESPACE_END

// Shows amounts of one currency in the currency style of the user's locale (UserLocale), as
// every view does: "$1,234.56" in en_US, "1.234,56 €" in de_DE. Negatives carry a minus sign,
// never parentheses, and zero always shows the positive form ("$0.00", never "-$0.00").
// Amounts go to ICU as exact decimal text, never through a binary float.
class CurrencyFormatter final {
public:
    ~CurrencyFormatter();
    CurrencyFormatter(CurrencyFormatter&&) noexcept;
    CurrencyFormatter& operator=(CurrencyFormatter&&) noexcept;

    // A formatter for the ISO 4217 `code` with the currency's usual fraction digits (2 for
    // "USD", 0 for "JPY"). A code that is not three ASCII letters is an assertion failure.
    [[nodiscard]] static CurrencyFormatter formatterForCurrency(const std::string& code);
    // The same without fraction digits, for whole amounts (reports, the sidebar): "$1,235".
    [[nodiscard]] static CurrencyFormatter wholeAmountFormatterForCurrency(const std::string& code);
    // The same two for the home currency of the store (Global.homeCurrency).
    [[nodiscard]] static CurrencyFormatter formatterForHomeCurrency(ObjectContext& context);
    [[nodiscard]] static CurrencyFormatter wholeAmountFormatterForHomeCurrency(
        ObjectContext& context);
    // The formatter of the account's own currency, or of the home currency when it has none.
    [[nodiscard]] static CurrencyFormatter formatterForAccount(const Account& account);

    // The text of `value`, rounded to the shown digits with a half going away from zero. A
    // value that shows as zero is written as the number 1 with each digit one made a zero.
    [[nodiscard]] std::string stringFromDecimal(const Decimal& value) const;
    // Reads a typed amount, with or without the currency symbol and grouping ("$1,234.56",
    // "1234.56", "-$5"); nothing unless the whole text (outer white space aside) is an amount.
    [[nodiscard]] std::optional<Decimal> decimalFromString(std::string_view text) const;

    // The ICU pattern in use, e.g. "¤#,##0.00" or "#,##0.00\u00a0¤".
    [[nodiscard]] std::string pattern() const;
    [[nodiscard]] std::string currencyCode() const;
    [[nodiscard]] int maximumFractionDigits() const;
    // True when the currency sign comes before the amount (the pattern matches "^¤"); the
    // currency field then draws the symbol on the left.
    [[nodiscard]] bool patternBeginsWithCurrencySign() const;

    // The symbol of `code` in the user's locale ("$", "€", "CA$"): the text before the first
    // digit one when 1 is formatted with the pattern "¤#,##0.00".
    [[nodiscard]] static std::string currencySymbolForCode_pn(const std::string& code);
    // The currency of the user's locale ("EUR" for de_DE); nothing when the locale names no
    // country with a currency (e.g. "en").
    [[nodiscard]] static std::optional<std::string> currencyCodeOfUserLocale();

private:
    explicit CurrencyFormatter(std::unique_ptr<icu::DecimalFormat> format);
    static CurrencyFormatter make(const std::string& code, bool wholeAmounts);
    [[nodiscard]] std::string formattedZero() const;

    std::unique_ptr<icu::DecimalFormat> m_format;
};
