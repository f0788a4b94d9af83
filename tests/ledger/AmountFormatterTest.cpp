// Reading and showing typed amounts and check numbers, as every amount and check-number field
// and the command line do.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "LedgerTestSupport.h"
#include "base/UserLocale.h"
#include "ledger/AmountFormatter.h"
#include "ledger/CheckNumberFormatter.h"

namespace {

using Kind = AmountFormatter::Reading::Kind;

// "none", "invalid" or the value read, with its digits as typed.
std::string reading(const AmountFormatter& formatter, const std::string& text) {
    const AmountFormatter::Reading read = formatter.read(text);
    switch (read.kind) {
        case Kind::NoValue:
            return "none";
        case Kind::Invalid:
            return "invalid";
        case Kind::Value:
            return read.value->toString();
    }
    return "?";
}

class AmountFormatterTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override { UserLocale::reset(); }
};

TEST_F(AmountFormatterTest, ReadsTypedTextInTheLocaleFormPlainOrInTheCurrencyForm) {
    struct Case {
        const char* locale;
        const char* currency;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"en_US", "", "", "none"},
        {"en_US", "", "   ", "none"},
        {"en_US", "", "-", "none"},
        {"en_US", "", " - ", "none"},
        {"en_US", "", "12.50", "12.5"},
        {"en_US", "", "-12.505", "-12.505"},
        {"en_US", "", "+3", "3"},
        {"en_US", "", " 1,234.56 ", "1234.56"},
        {"en_US", "", "1,23", "invalid"},
        {"en_US", "", "1e3", "invalid"},
        {"en_US", "", "12abc", "invalid"},
        {"en_US", "", "--5", "invalid"},
        {"en_US", "", "$1,234.56", "invalid"},
        {"en_US", "USD", "$1,234.56", "1234.56"},
        {"en_US", "USD", "-$5", "-5"},
        {"de_DE", "", "1.234,56", "1234.56"},
        {"de_DE", "", "-12,5", "-12.5"},
        // Not the German form, but a plain amount: read as typed.
        {"de_DE", "", "12.50", "12.5"},
        {"de_DE", "EUR", "1.234,56\u00a0\u20ac", "1234.56"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " \"" + c.text + "\"");
        UserLocale::set(c.locale);
        AmountFormatter formatter;
        formatter.setCurrencyCode(c.currency);
        EXPECT_EQ(reading(formatter, c.text), c.expected);
    }
}

TEST_F(AmountFormatterTest, ShowsExactlyTwoDigitsRoundingHalvesAwayFromZero) {
    struct Case {
        const char* locale;
        bool assumesNegative;
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {"en_US", false, "1234.5", "1,234.50"}, {"en_US", false, "-12", "-12.00"},
        {"en_US", false, "2.345", "2.35"},      {"en_US", false, "-2.345", "-2.35"},
        {"en_US", false, "2.344", "2.34"},      {"en_US", false, "-0.004", "0.00"},
        {"en_US", false, "0", "0.00"},          {"en_US", true, "0", "-0.00"},
        {"en_US", true, "-0.001", "-0.00"},     {"en_US", true, "-12.5", "-12.50"},
        {"en_US", true, "7", "7.00"},           {"de_DE", false, "1234.5", "1.234,50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.value);
        UserLocale::set(c.locale);
        AmountFormatter formatter;
        formatter.setAssumesNegative(c.assumesNegative);
        EXPECT_EQ(formatter.stringFromDecimal(dec(c.value)), c.expected);
    }
    AmountFormatter formatter;
    EXPECT_EQ(formatter.stringFromValue(std::nullopt), "");
}

TEST_F(AmountFormatterTest, InterpretsNoValueAsZeroAndRoundsToCents) {
    EXPECT_EQ(AmountFormatter::interpretAmount(std::nullopt), Decimal(0));
    EXPECT_EQ(AmountFormatter::interpretAmount(dec("2.345")).toString(), "2.35");
    EXPECT_EQ(AmountFormatter::interpretAmount(dec("-2.345")).toString(), "-2.35");
    EXPECT_EQ(AmountFormatter::interpretAmount(dec("-0.005")).toString(), "-0.01");
    EXPECT_EQ(AmountFormatter::interpretAmount(dec("12.344")).toString(), "12.34");
}

TEST_F(AmountFormatterTest, AWholeNumberFormatterWithAMinimumRefusesTheRest) {
    AmountFormatter formatter;
    formatter.setFractionDigits(0);
    formatter.setMinimum(Decimal(0));
    EXPECT_EQ(reading(formatter, "1,200"), "1200");
    EXPECT_EQ(reading(formatter, "0"), "0");
    EXPECT_EQ(reading(formatter, "12.5"), "invalid");
    EXPECT_EQ(reading(formatter, "-1"), "invalid");
    EXPECT_EQ(formatter.stringFromDecimal(dec("1234.5")), "1,235");
}

TEST(PlainAmounts, TakeASignDigitsAndOnePointOnly) {
    const std::pair<const char*, std::optional<const char*>> cases[] = {
        {"-1234.50", "-1234.5"}, {"+3", "3"},
        {".5", "0.5"},           {"7.", "7"},
        {".", std::nullopt},     {"-", std::nullopt},
        {"", std::nullopt},      {"1,000", std::nullopt},
        {"1e3", std::nullopt},   {"1.2.3", std::nullopt},
        {" 5", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const std::optional<Decimal> amount = AmountFormatter::plainAmountFromString(text);
        ASSERT_EQ(amount.has_value(), expected.has_value());
        if (expected) {
            EXPECT_EQ(amount->toString(), *expected);
        }
    }
}

TEST(CheckNumbers, BlankIsNoneDigitsAreANumberAndAnythingElseIsInvalid) {
    using Reading = CheckNumberFormatter::Reading;
    const std::pair<const char*, Reading> cases[] = {
        {"", {true, std::nullopt}},
        {"  \t", {true, std::nullopt}},
        {"1042", {true, 1042}},
        {" 7 ", {true, 7}},
        {"007", {true, 7}},
        {"12a", {false, std::nullopt}},
        {"-5", {false, std::nullopt}},
        {"1 000", {false, std::nullopt}},
        {"123456789012345678", {true, 123456789012345678}},
        {"1234567890123456789", {false, std::nullopt}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CheckNumberFormatter::read(text), expected);
    }
    EXPECT_EQ(CheckNumberFormatter::stringFromCheckNumber(1042), "1042");
    EXPECT_EQ(CheckNumberFormatter::stringFromCheckNumber(std::nullopt), "");
}

}  // namespace
