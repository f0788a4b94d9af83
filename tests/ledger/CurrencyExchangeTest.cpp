#include <gtest/gtest.h>

#include <optional>

#include "base/AssertionFailure.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyExchange.h"

namespace {

const std::string kEurJpyGbp =
    std::string(PENNORA_TEST_DATA_DIR) + "/ledger/EurJpyGbpCurrencies.plist";
const std::string kNoSuchFile = std::string(PENNORA_TEST_DATA_DIR) + "/ledger/no-such-file.plist";

Decimal d(const char* text) {
    return Decimal::fromString(text);
}

std::map<std::string, std::string> asText(const std::map<std::string, Decimal>& rates) {
    std::map<std::string, std::string> text;
    for (const auto& [code, rate] : rates) {
        text[code] = rate.toString();
    }
    return text;
}

// Runs `operation` and returns the message of the AssertionFailure it throws.
template <typename F>
std::string assertionMessage(F operation) {
    try {
        operation();
    } catch (const AssertionFailure& failure) {
        return failure.message();
    }
    return "(no assertion failure)";
}

TEST(CurrencyExchange, RatesAgainstAHomeCurrencyFromTheFile) {
    // Home EUR at 0.8 per dollar: one euro is 1.25 dollars and 110 / 0.8 = 137.5 yen.
    EXPECT_EQ(
        asText(CurrencyExchange::generateExchangeRatesBasedOn("EUR", kEurJpyGbp)),
        (std::map<std::string, std::string>{{"USD", "1.25"}, {"JPY", "137.5"}, {"GBP", "0.625"}}));
    // The dollar's rate 1/110 is rounded to 10 places first and the others are derived from
    // it: 0.0090909091 x 0.5 = 0.00454545455 -> 0.0045454546 (the exact 0.5/110 would give
    // ...545 at 10 places).
    EXPECT_EQ(asText(CurrencyExchange::generateExchangeRatesBasedOn("JPY", kEurJpyGbp)),
              (std::map<std::string, std::string>{
                  {"USD", "0.0090909091"}, {"EUR", "0.0072727273"}, {"GBP", "0.0045454546"}}));
}

TEST(CurrencyExchange, DollarHomeUsesTheFileRatesAsTheyAre) {
    EXPECT_EQ(asText(CurrencyExchange::generateExchangeRatesBasedOn("USD", kEurJpyGbp)),
              (std::map<std::string, std::string>{{"EUR", "0.8"}, {"JPY", "110"}, {"GBP", "0.5"}}));
}

TEST(CurrencyExchange, UnknownHomeCodeIsAnInternalError) {
    EXPECT_EQ(assertionMessage(
                  [] { (void)CurrencyExchange::generateExchangeRatesBasedOn("CHF", kEurJpyGbp); }),
              "Invalid home currency code.");
    // Codes are matched exactly as the file spells them.
    EXPECT_EQ(assertionMessage(
                  [] { (void)CurrencyExchange::generateExchangeRatesBasedOn("eur", kEurJpyGbp); }),
              "Invalid home currency code.");
}

TEST(CurrencyExchange, ShippedFileGivesOneRateForEveryOtherCurrency) {
    const std::string path = CurrenciesFile::defaultPath();
    std::size_t listed = CurrenciesFile::read(path).size();
    std::map<std::string, Decimal> rates =
        CurrencyExchange::generateExchangeRatesBasedOn("EUR", path);
    EXPECT_EQ(rates.size(), listed);
    EXPECT_EQ(rates.count("EUR"), 0u);
    EXPECT_EQ(rates.count("USD"), 1u);
    for (const auto& [code, rate] : rates) {
        SCOPED_TRACE(code);
        EXPECT_GT(rate, Decimal(0));
        EXPECT_EQ(rate, rate.rounded(10));
    }
}

TEST(CurrencyExchange, NamesOfCodes) {
    // The dollar is built in: no file is read for it.
    EXPECT_EQ(CurrencyExchange::nameForCurrencyCode("USD", kNoSuchFile), "US Dollars");
    EXPECT_EQ(CurrencyExchange::nameForCurrencyCode("JPY", kEurJpyGbp), "Japanese Yen");
    EXPECT_EQ(CurrencyExchange::nameForCurrencyCode("GBP", kEurJpyGbp), "British Pounds");
    EXPECT_EQ(CurrencyExchange::nameForCurrencyCode("EUR", CurrenciesFile::read(kEurJpyGbp)),
              "Euros");
    EXPECT_EQ(
        assertionMessage([] { (void)CurrencyExchange::nameForCurrencyCode("CHF", kEurJpyGbp); }),
        "Invalid currency code specified, CHF");
    EXPECT_THROW((void)CurrencyExchange::nameForCurrencyCode("EUR", kNoSuchFile),
                 CurrenciesFile::Error);
}

TEST(CurrencyExchange, ConversionBetweenRates) {
    const std::optional<Decimal> home;
    struct Case {
        const char* name;
        const char* amount;
        std::optional<Decimal> from;
        std::optional<Decimal> to;
        const char* expected;
    };
    const Case cases[] = {
        {"home to home is untouched", "123.456", home, home, "123.456"},
        {"10 home euros in yen", "10", home, d("137.5"), "1375"},
        {"100 yen in home euros", "100", d("137.5"), home, "0.73"},
        {"100 yen in dollars", "100", d("137.5"), d("1.25"), "0.91"},
        {"dollars back to yen", "0.91", d("1.25"), d("137.5"), "100.1"},
        {"a half goes away from zero", "0.01", home, d("0.5"), "0.01"},
        {"a negative half too", "-0.01", home, d("0.5"), "-0.01"},
        {"negative into home", "-100", d("137.5"), home, "-0.73"},
        {"equal rates keep every decimal", "12.3456", d("1.25"), d("1.250"), "12.3456"},
        // The factor 1/3 keeps all its digits; a factor cut to 10 places would give
        // 333333333300.00.
        {"factor is not rounded", "1000000000000", d("3"), d("1"), "333333333333.33"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Decimal result = CurrencyExchange::exchange(d(c.amount), c.from, c.to);
        EXPECT_EQ(result.toString(), c.expected);
    }
}

TEST(CurrencyExchange, ArithmeticErrorsRaise) {
    const std::optional<Decimal> home;
    EXPECT_THROW((void)CurrencyExchange::exchange(d("10"), d("0"), home), DecimalError);
    EXPECT_THROW((void)CurrencyExchange::exchange(d("10"), home, d("0")), DecimalError);
    EXPECT_THROW((void)CurrencyExchange::exchange(d("10"), d("1.25"), d("0")), DecimalError);
    EXPECT_THROW((void)CurrencyExchange::exchange(d("10"), d("0"), d("0")), DecimalError);
    EXPECT_THROW((void)CurrencyExchange::exchange(d("9E6144"), home, d("1000")), DecimalError);
    // A result too long to be held with two places is not silently cut.
    EXPECT_THROW((void)CurrencyExchange::exchange(d("1E33"), home, d("7")), DecimalError);
}

}  // namespace
