#include <gtest/gtest.h>

#include <optional>

#include "LedgerTestSupport.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyExchange.h"

namespace {

const std::string kNoSuchFile = std::string(PENNORA_TEST_DATA_DIR) + "/ledger/no-such-file.plist";

std::map<std::string, std::string> ratesAsText(const std::string& home) {
    std::map<std::string, std::string> text;
    for (const auto& [code, rate] :
         CurrencyExchange::generateExchangeRatesBasedOn(home, kEurJpyGbp)) {
        text[code] = rate.toString();
    }
    return text;
}

TEST(CurrencyExchange, RatesAgainstAHomeCurrencyFromTheFile) {
    using Texts = std::map<std::string, std::string>;
    // Home EUR at 0.8 per dollar: one euro is 1.25 dollars and 110 / 0.8 = 137.5 yen.
    EXPECT_EQ(ratesAsText("EUR"), (Texts{{"USD", "1.25"}, {"JPY", "137.5"}, {"GBP", "0.625"}}));
    // The dollar's rate 1/110 is rounded to 10 places first and the others are derived from
    // it: 0.0090909091 x 0.5 = 0.00454545455 -> 0.0045454546 (the exact 0.5/110 would give
    // ...545 at 10 places).
    EXPECT_EQ(ratesAsText("JPY"),
              (Texts{{"USD", "0.0090909091"}, {"EUR", "0.0072727273"}, {"GBP", "0.0045454546"}}));
    EXPECT_EQ(ratesAsText("USD"), (Texts{{"EUR", "0.8"}, {"JPY", "110"}, {"GBP", "0.5"}}));
    // Codes are matched exactly as the file spells them.
    for (const char* unknown : {"CHF", "eur"}) {
        EXPECT_EQ(assertionMessage([&] { (void)ratesAsText(unknown); }),
                  "Invalid home currency code.");
    }
}

TEST(CurrencyExchange, NamesOfCodes) {
    // The dollar is built in: no file is read for it.
    EXPECT_EQ(CurrencyExchange::nameForCurrencyCode("USD", kNoSuchFile), "US Dollars");
    EXPECT_EQ(CurrencyExchange::nameForCurrencyCode("JPY", kEurJpyGbp), "Japanese Yen");
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
        {"10 home euros in yen", "10", home, dec("137.5"), "1375"},
        {"100 yen in home euros", "100", dec("137.5"), home, "0.73"},
        {"100 yen in dollars", "100", dec("137.5"), dec("1.25"), "0.91"},
        {"a half goes away from zero", "0.01", home, dec("0.5"), "0.01"},
        {"a negative half too", "-0.01", home, dec("0.5"), "-0.01"},
        {"negative into home", "-100", dec("137.5"), home, "-0.73"},
        {"equal rates keep every decimal", "12.3456", dec("1.25"), dec("1.250"), "12.3456"},
        // The factor 1/3 keeps all its digits; a factor cut to 10 places would give
        // 333333333300.00.
        {"factor is not rounded", "1000000000000", dec("3"), dec("1"), "333333333333.33"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Decimal result = CurrencyExchange::exchange(dec(c.amount), c.from, c.to);
        EXPECT_EQ(result.toString(), c.expected);
    }
}

TEST(CurrencyExchange, ArithmeticErrorsRaise) {
    const std::optional<Decimal> home;
    EXPECT_THROW((void)CurrencyExchange::exchange(dec("10"), dec("0"), home), DecimalError);
    EXPECT_THROW((void)CurrencyExchange::exchange(dec("10"), dec("1.25"), dec("0")), DecimalError);
    EXPECT_THROW((void)CurrencyExchange::exchange(dec("9E6144"), home, dec("1000")), DecimalError);
    // A result too long to be held with two places is not silently cut.
    EXPECT_THROW((void)CurrencyExchange::exchange(dec("1E33"), home, dec("7")), DecimalError);
}

}  // namespace
