#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "ledger/CurrencyFormatter.h"

namespace {

class CurrencyFormatterTest : public testing::Test {
protected:
    void TearDown() override { UserLocale::reset(); }
};

struct FormatCase {
    const char* locale;
    const char* code;
    bool whole;
    const char* value;
    const char* expected;
};

// Expected texts are written out by hand; "\u00a0" is the no-break space ICU puts between an
// amount and a trailing symbol.
const FormatCase kFormatCases[] = {
    {"en_US", "USD", false, "1234.56", "$1,234.56"},
    {"en_US", "USD", false, "-1234.56", "-$1,234.56"},
    {"en_US", "USD", false, "7", "$7.00"},
    {"en_US", "USD", false, "0", "$0.00"},
    {"en_US", "USD", false, "-0", "$0.00"},
    {"en_US", "USD", false, "-0.004", "$0.00"},
    {"en_US", "USD", false, "0.005", "$0.01"},
    {"en_US", "USD", false, "-0.005", "-$0.01"},
    {"en_US", "USD", false, "2.345", "$2.35"},
    {"en_US", "USD", false, "12345678901234567890.12", "$12,345,678,901,234,567,890.12"},
    {"en_US", "USD", true, "1234.56", "$1,235"},
    {"en_US", "USD", true, "2.5", "$3"},
    {"en_US", "USD", true, "-0.4", "$0"},
    {"en_US", "USD", true, "-0.5", "-$1"},
    {"en_US", "EUR", false, "1234.56", "€1,234.56"},
    {"en_US", "JPY", false, "1234.5", "¥1,235"},
    {"de_DE", "EUR", false, "1234.56", "1.234,56\u00a0€"},
    {"de_DE", "EUR", false, "-1234.56", "-1.234,56\u00a0€"},
    {"de_DE", "EUR", false, "0", "0,00\u00a0€"},
    {"de_DE", "EUR", false, "12345678901.23", "12.345.678.901,23\u00a0€"},
    {"de_DE", "EUR", true, "1234.56", "1.235\u00a0€"},
    {"de_DE", "USD", false, "-5", "-5,00\u00a0$"},
    {"ja_JP", "JPY", false, "1234", "￥1,234"},
    {"ja_JP", "JPY", false, "-1234", "-￥1,234"},
    {"ja_JP", "JPY", false, "1234.5", "￥1,235"},
    {"ja_JP", "JPY", false, "0", "￥0"},
    {"ja_JP", "USD", false, "1234.56", "$1,234.56"},
    {"ja_JP", "USD", true, "-1234.56", "-$1,235"},
    // The accounting style puts negatives in parentheses; a minus sign replaces them.
    {"en_US@cf=account", "USD", false, "-5", "-$5.00"},
};

TEST_F(CurrencyFormatterTest, FormatsAmountsInTheUsersLocale) {
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.code + (c.whole ? " whole " : " ") + c.value);
        UserLocale::set(c.locale);
        CurrencyFormatter formatter =
            c.whole ? CurrencyFormatter::wholeAmountFormatterForCurrency(c.code)
                    : CurrencyFormatter::formatterForCurrency(c.code);
        EXPECT_EQ(formatter.stringFromDecimal(Decimal::fromString(c.value)), c.expected);
    }
}

TEST_F(CurrencyFormatterTest, PatternsCodesAndFractionDigits) {
    UserLocale::set("en_US");
    CurrencyFormatter dollars = CurrencyFormatter::formatterForCurrency("USD");
    EXPECT_EQ(dollars.pattern(), "¤#,##0.00");
    EXPECT_TRUE(dollars.patternBeginsWithCurrencySign());
    EXPECT_EQ(dollars.currencyCode(), "USD");
    EXPECT_EQ(dollars.maximumFractionDigits(), 2);
    EXPECT_EQ(CurrencyFormatter::formatterForCurrency("JPY").maximumFractionDigits(), 0);
    EXPECT_EQ(CurrencyFormatter::wholeAmountFormatterForCurrency("USD").maximumFractionDigits(), 0);
    EXPECT_EQ(CurrencyFormatter::formatterForCurrency("eur").currencyCode(), "EUR");

    UserLocale::set("de_DE");
    CurrencyFormatter euros = CurrencyFormatter::formatterForCurrency("EUR");
    EXPECT_EQ(euros.pattern(), "#,##0.00\u00a0¤");
    EXPECT_FALSE(euros.patternBeginsWithCurrencySign());

    UserLocale::set("ja_JP");
    EXPECT_TRUE(CurrencyFormatter::formatterForCurrency("JPY").patternBeginsWithCurrencySign());

    UserLocale::set("en_US@cf=account");
    std::string accounting = CurrencyFormatter::formatterForCurrency("USD").pattern();
    EXPECT_EQ(accounting.find('('), std::string::npos) << accounting;
    EXPECT_EQ(accounting.find(')'), std::string::npos) << accounting;
}

TEST_F(CurrencyFormatterTest, MalformedCodesAreInternalErrors) {
    UserLocale::set("en_US");
    for (const char* code : {"", "EU", "EURO", "E1R", "US$"}) {
        SCOPED_TRACE(code);
        EXPECT_THROW((void)CurrencyFormatter::formatterForCurrency(code), AssertionFailure);
        EXPECT_THROW((void)CurrencyFormatter::currencySymbolForCode_pn(code), AssertionFailure);
    }
}

TEST_F(CurrencyFormatterTest, CurrencySymbols) {
    struct Case {
        const char* locale;
        const char* code;
        const char* symbol;
    };
    const Case cases[] = {
        {"en_US", "USD", "$"},
        {"en_US", "EUR", "€"},
        {"en_US", "JPY", "¥"},
        {"en_US", "CAD", "CA$"},
        {"de_DE", "USD", "$"},
        {"ja_JP", "JPY", "￥"},
        // ICU keeps a letter symbol apart from the digits; that space is part of the text
        // before the first digit.
        {"en_US", "CHF", "CHF\u00a0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.code);
        UserLocale::set(c.locale);
        EXPECT_EQ(CurrencyFormatter::currencySymbolForCode_pn(c.code), c.symbol);
    }
}

TEST_F(CurrencyFormatterTest, CurrencyOfTheUsersLocale) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"en_US", "USD"}, {"de_DE", "EUR"}, {"ja_JP", "JPY"},
        {"de_CH", "CHF"}, {"en_GB", "GBP"}, {"en", std::nullopt},
    };
    for (const auto& [locale, code] : cases) {
        SCOPED_TRACE(locale);
        UserLocale::set(locale);
        EXPECT_EQ(CurrencyFormatter::currencyCodeOfUserLocale(), code);
    }
}

TEST_F(CurrencyFormatterTest, ReadsTypedAmounts) {
    struct Case {
        const char* locale;
        const char* text;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"en_US", "$1,234.56", "1234.56"},
        {"en_US", "  1234.56 ", "1234.56"},
        {"en_US", "-$5.00", "-5"},
        {"en_US", "1,234.567", "1234.567"},
        {"en_US", "12345678901234567890.12", "12345678901234567890.12"},
        {"en_US", "", std::nullopt},
        {"en_US", "abc", std::nullopt},
        {"en_US", "$1,234.56x", std::nullopt},
        {"de_DE", "1.234,56\u00a0€", "1234.56"},
        {"de_DE", "1.234,56", "1234.56"},
        {"de_DE", "-0,5", "-0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " [" + c.text + "]");
        UserLocale::set(c.locale);
        std::optional<Decimal> value = CurrencyFormatter::formatterForCurrency(
                                           c.locale == std::string("de_DE") ? "EUR" : "USD")
                                           .decimalFromString(c.text);
        ASSERT_EQ(value.has_value(), c.expected.has_value());
        if (value) {
            EXPECT_EQ(value->toString(), *c.expected);
        }
    }
}

}  // namespace
