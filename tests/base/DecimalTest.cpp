#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <unordered_set>

#include "base/Decimal.h"

namespace {

Decimal d(const char* text) {
    return Decimal::fromString(text);
}

TEST(Decimal, ReadsAndWritesPlainText) {
    struct Case {
        const char* input;
        const char* plain;
    } const cases[] = {
        {"-1234.56", "-1234.56"},
        {"1e3", "1000"},
        {"1.50", "1.5"},
        {"+3", "3"},
        {".5", "0.5"},
        {"-0.00", "0"},
        {"0.001", "0.001"},
        {"12E-5", "0.00012"},
        {"100", "100"},
        {"-7", "-7"},
        // Coefficients on both sides of 2^64, which are written by different code.
        {"18446744073709551615", "18446744073709551615"},
        {"18446744073709551616", "18446744073709551616"},
        {"-1844674407370955161.5", "-1844674407370955161.5"},
        {"-123456789012345678901234.50", "-123456789012345678901234.5"},
        {"0.000000000000000000000000001", "0.000000000000000000000000001"},
        {"-5E+2", "-500"},
        {"0E+5", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(d(c.input).toString(), c.plain);
    }
}

// The plain form is read without the library; the same digits in exponent form still go
// through it. Both must give the same 128 bits: value, quantum and the sign of a zero.
TEST(Decimal, PlainTextReadsToTheBitsOfItsExponentForm) {
    const auto bits = [](const Decimal& value) {
        std::array<unsigned char, sizeof(Decimal)> bytes{};
        std::memcpy(bytes.data(), &value, sizeof(Decimal));
        return bytes;
    };
    // "1234.56" as "123456e-2", "-0.00" as "-000e-2", "+7" as "+7e0".
    const auto exponentForm = [](const std::string& plain) {
        const std::size_t point = plain.find('.');
        if (point == std::string::npos) {
            return plain + "e0";
        }
        return plain.substr(0, point) + plain.substr(point + 1) + "e-" +
               std::to_string(plain.size() - point - 1);
    };
    std::vector<std::string> plains = {"0",
                                       "-0",
                                       "+0",
                                       "-0.00",
                                       "0.10",
                                       "007.50",
                                       "-7",
                                       "+3",
                                       "1.50",
                                       "-1234.56",
                                       "999999999999999999",
                                       "-99999999999999999.9",
                                       "0.000000000000000001",
                                       "123456789.123456789"};
    std::mt19937_64 random(11);
    for (int i = 0; i < 2000; ++i) {
        const int whole = static_cast<int>(random() % 10) + 1;
        const int fraction = static_cast<int>(random() % (19 - whole));
        std::string text = random() % 2 ? "-" : "";
        for (int k = 0; k < whole + fraction; ++k) {
            if (k == whole) {
                text += '.';
            }
            text += static_cast<char>('0' + random() % 10);
        }
        plains.push_back(text);
    }
    for (const std::string& plain : plains) {
        SCOPED_TRACE(plain);
        const std::optional<Decimal> read = Decimal::parse(plain);
        const std::optional<Decimal> reference = Decimal::parse(exponentForm(plain));
        ASSERT_TRUE(read && reference);
        ASSERT_EQ(bits(*read), bits(*reference));
    }
    // Past 18 digits, and the forms with a bare point, the library reads them.
    EXPECT_EQ(d("1234567890123456789.5").toString(), "1234567890123456789.5");
    EXPECT_EQ(d("5.").toString(), "5");
    EXPECT_EQ(d("-.25").toString(), "-0.25");
}

// Plain text written back drops the quantum's trailing zeros and nothing else.
TEST(Decimal, PlainTextReadBackIsWrittenWithoutTrailingZeros) {
    const auto expected = [](std::string text) {
        const bool negative = text.front() == '-';
        if (negative || text.front() == '+') {
            text.erase(0, 1);
        }
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.') {
                text.pop_back();
            }
        }
        text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
        if (text.starts_with('.')) {
            text.insert(0, "0");
        }
        return negative && text != "0" ? "-" + text : text;
    };
    std::mt19937_64 random(5);
    for (int i = 0; i < 3000; ++i) {
        const int whole = static_cast<int>(random() % 12) + 1;
        const int fraction = static_cast<int>(random() % 12);
        std::string text = random() % 2 ? "-" : "";
        for (int k = 0; k < whole + fraction; ++k) {
            if (k == whole) {
                text += '.';
            }
            // Zeros often, so that leading, trailing and whole zero values come up.
            text += random() % 3 == 0 ? '0' : static_cast<char>('0' + random() % 10);
        }
        SCOPED_TRACE(text);
        ASSERT_EQ(d(text.c_str()).toString(), expected(text));
    }
}

TEST(Decimal, RejectsTextThatIsNotANumber) {
    for (const char* text : {"", "abc", "1.2.3", "inf", "NaN", "1e", "--1", "1,5", " 1", "."}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Decimal::parse(text).has_value());
        EXPECT_THROW(Decimal::fromString(text), DecimalError);
    }
}

TEST(Decimal, FixedFractionDigits) {
    EXPECT_EQ(d("-12.5").toString(2), "-12.50");
    EXPECT_EQ(d("3").toString(2), "3.00");
    EXPECT_EQ(d("-0.001").toString(2), "0.00");
    EXPECT_EQ(d("1234567.89").toString(2), "1234567.89");
    EXPECT_EQ(d("2.5").toString(0), "3");
}

TEST(Decimal, PlainRoundingHalvesAwayFromZero) {
    struct Case {
        const char* value;
        int scale;
        const char* expected;
    } const cases[] = {
        {"2.345", 2, "2.35"}, {"-2.345", 2, "-2.35"},
        {"0.005", 2, "0.01"}, {"-0.005", 2, "-0.01"},
        {"2.5", 0, "3"},      {"-2.5", 0, "-3"},
        {"2.344", 2, "2.34"}, {"1.23456789015", 10, "1.2345678902"},
        {"149", -2, "100"},   {"150", -2, "200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " @" + std::to_string(c.scale));
        EXPECT_EQ(d(c.value).rounded(c.scale), d(c.expected));
    }
}

TEST(Decimal, ArithmeticIsExact) {
    EXPECT_EQ(d("0.1") + d("0.2"), d("0.3"));
    EXPECT_EQ(d("1234567.89") - d("0.01"), d("1234567.88"));
    EXPECT_EQ(d("-12.5") * Decimal(4), d("-50"));
    EXPECT_EQ(Decimal(10) / Decimal(4), d("2.5"));
    EXPECT_EQ(-d("3.25"), d("-3.25"));
    Decimal sum;
    for (int i = 0; i < 1000; ++i) {
        sum += d("0.01");
    }
    EXPECT_EQ(sum, Decimal(10));
}

// Sums and differences of amounts against the same sums of whole cents. Coefficients below 2^63
// once brought to the smaller exponent take a short path; huge coefficients and far-apart exponents
// the library's.
TEST(Decimal, SumsAndDifferencesAgreeWithWholeCents) {
    const struct {
        const char* a;
        const char* b;
        const char* sum;
        const char* difference;
    } kCases[] = {
        {"1.50", "2.50", "4.00", "-1.00"},
        {"-1.50", "1.50", "0.00", "-3.00"},
        {"0.00", "-0.00", "0.00", "0.00"},
        {"-0.00", "-0.00", "-0.00", "0.00"},
        {"12", "0.5", "12.5", "11.5"},
        {"9223372036854775807", "1", "9223372036854775808", "9223372036854775806"},
        {"9223372036854775808", "9223372036854775808", "18446744073709551616", "0"},
        {"-18446744073709551615", "1", "-18446744073709551614", "-18446744073709551616"},
        {"123456789012345678901234.56", "0.44", "123456789012345678901235.00",
         "123456789012345678901234.12"},
        {"-128.2", "30.49", "-97.71", "-158.69"},
        {"92233720368547758.07", "0.1", "92233720368547758.17", "92233720368547757.97"},
        {"922337203685477580.7", "0.01", "922337203685477580.71", "922337203685477580.69"},
        {"1E+30", "0.01", "1000000000000000000000000000000.01",
         "999999999999999999999999999999.99"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.a) + " and " + c.b);
        const Decimal sum = d(c.a) + d(c.b);
        const Decimal difference = d(c.a) - d(c.b);
        EXPECT_EQ(sum, d(c.sum));
        EXPECT_EQ(difference, d(c.difference));
        EXPECT_EQ(sum.toString(2), d(c.sum).toString(2));
        EXPECT_EQ(d(c.a) - d(c.a), Decimal());
    }
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> cents(-1'000'000'000'000, 1'000'000'000'000);
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t a = cents(random), b = cents(random);
        const Decimal x = Decimal(a) / Decimal(100), y = Decimal(b) / Decimal(100);
        ASSERT_EQ(x + y, Decimal(a + b) / Decimal(100)) << a << " + " << b;
        ASSERT_EQ(x - y, Decimal(a - b) / Decimal(100)) << a << " - " << b;
    }
}

TEST(Decimal, InexactQuotientIsRoundedNotAnError) {
    Decimal q = Decimal(100) / d("137.5");
    EXPECT_EQ(q.rounded(2), d("0.73"));
}

TEST(Decimal, ArithmeticErrorsThrow) {
    EXPECT_THROW(Decimal(1) / Decimal(0), DecimalError);
    EXPECT_THROW(Decimal(0) / Decimal(0), DecimalError);
    Decimal huge = d("9e6144");
    EXPECT_THROW(huge * huge, DecimalError);
    Decimal tiny = d("1e-6100");
    EXPECT_THROW(tiny * tiny, DecimalError);
}

TEST(Decimal, ComparesNumerically) {
    EXPECT_EQ(d("1.50"), d("1.5"));
    EXPECT_LT(d("-2"), d("-1.99"));
    EXPECT_GT(d("0.001"), Decimal());
    EXPECT_EQ(d("-0"), Decimal());
    EXPECT_TRUE(d("0.00").isZero());
    EXPECT_EQ(d("-3").sign(), -1);
    EXPECT_EQ(d("0").sign(), 0);
    EXPECT_EQ(d("5").sign(), 1);
}

TEST(Decimal, AbsoluteBelowAPowerOfTen) {
    struct Case {
        const char* text;
        int power;
        bool below;
    };
    const Case cases[] = {
        {"999999999999999.99", 15, true},
        {"-999999999999999.999999", 15, true},
        {"1000000000000000", 15, false},
        {"-1000000000000000.00", 15, false},
        {"1e15", 15, false},
        {"9.99e14", 15, true},
        {"0", 0, true},
        {"-0.5", 0, true},
        {"1", 0, false},
        {"0.00000000000000000000000000000001", 15, true},
        // Coefficients beyond 64 bits take the long way.
        {"12345678901234567890123456789012.34", 15, false},
        {"123.000000000000000000000000000000", 3, true},
        {"-123.000000000000000000000000000000", 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " below 10^" + std::to_string(c.power));
        EXPECT_EQ(Decimal::fromString(c.text).isAbsoluteBelowPowerOfTen(c.power), c.below);
    }
}

TEST(Decimal, SignHelpers) {
    EXPECT_EQ(d("-4.2").absolute_pn(), d("4.2"));
    EXPECT_EQ(d("4.2").absolute_pn(), d("4.2"));
    EXPECT_EQ(d("4.2").negate_pn(), d("-4.2"));
    EXPECT_TRUE(d("0.01").isIncome_pn());
    EXPECT_FALSE(Decimal().isIncome_pn());
    EXPECT_FALSE(d("-1").isIncome_pn());
}

TEST(Decimal, EqualValuesAreOneKey) {
    std::map<Decimal, int> ordered{{d("1.5"), 1}};
    EXPECT_EQ(ordered.count(d("1.50")), 1u);
    std::unordered_set<Decimal> hashed{d("2.10"), d("2.1"), d("-0"), Decimal()};
    EXPECT_EQ(hashed.size(), 2u);
}

TEST(Decimal, IntegerConversion) {
    EXPECT_EQ(d("-12.9").toInt64(), -12);
    EXPECT_EQ(Decimal(std::int64_t{9'000'000'000'000}).toString(), "9000000000000");
    EXPECT_THROW(d("1e30").toInt64(), DecimalError);
}

}  // namespace
