#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImportTestSupport.h"
#include "import/QIFReader.h"

namespace {

TEST(QIFDateOrder, GuessedFromAllDatesOfAFile) {
    struct Case {
        std::vector<std::string> dates;
        const char* expected;  // nullptr: none
    };
    const Case cases[] = {
        {{"01/02/2009", "01/03/2009", "01/04/2009"}, "MDY"},  // second varies more
        {{"2009-03-01", "09-03-02"}, "YMD"},                  // first text alone decides
        {{"15/03/09", "16/03/09"}, "DMY"},
        {{"3/1/00", "4/1/00"}, nullptr},  // 0 is outside 1..99
        {{"5/5/2009"}, nullptr},          // one value in each position
        {{"1/2009/3"}, nullptr},          // a year in the middle
        {{"12/01/2009", "13/01/2009"}, "DMY"},
        {{"01/12/2009", "01/13/2009", "14/01/2009"}, "MDY"},  // the first deciding text wins
        {{"1/2/2009", "2/2/2009"}, "DMY"},
        {{"1/10/06", "1/17/06", "2/17/06"}, nullptr},  // {1,2} and {10,17} tie
        {{"6/1/94", "6/2/94", "6/3/94"}, "MDY"},
        {{"94/6/1", "95/6/1"}, "DMY"},  // no four digits: the first position varies most
        // Without a four-digit year only the set sizes count, not a value of 13 or more.
        {{"1/ 1'10", "6/ 1'10", "12/29'10"}, "DMY"},
        {{"1/2/3", "1/2/4", "1/2/5"}, "YMD"},
        // 100 is neither a year of four digits nor within 1..99.
        {{"1/2/100", "2/2/100"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dates.front());
        std::optional<std::string> order = QIFReader::guessDateOrder(c.dates);
        if (c.expected == nullptr) {
            EXPECT_EQ(order, std::nullopt);
        } else {
            EXPECT_EQ(order, c.expected);
        }
    }
}

TEST(QIFDateOrder, TextWithoutThreeNumbersRaises) {
    using Dates = std::vector<std::string>;
    for (const Dates& dates :
         {Dates{"March 2009"}, Dates{"1/2/2009", "1/2"}, Dates{"1/2/09", ""}}) {
        SCOPED_TRACE(dates.back());
        EXPECT_EQ(parseFailure([&] { (void)QIFReader::guessDateOrder(dates); }),
                  "PNParseError: Expected three date components.");
    }
    EXPECT_EQ(parseFailure([] { (void)QIFReader::parseDate("15/03", "DMY"); }),
              "PNParseError: Expected three date components.");
}

TEST(QIFDates, ReadInAKnownOrder) {
    struct Case {
        const char* text;
        const char* order;
        const char* expected;  // ISO day, nullptr: none
    };
    const Case cases[] = {
        {"3/15/2009", "MDY", "2009-03-15"},  {"15.03.2009", "DMY", "2009-03-15"},
        {"2009-03-15", "YMD", "2009-03-15"}, {"3/15'09", "MDY", "2009-03-15"},
        {"6/ 1/94", "MDY", "1994-06-01"},    {"1/1/70", "MDY", "1970-01-01"},
        {"12/31/69", "MDY", "2069-12-31"},   {"1/1/00", "MDY", "2000-01-01"},
        {"09/09/9", "DMY", "2009-09-09"},    {"29/02/2008", "DMY", "2008-02-29"},
        {"13/08/12", "YMD", "2013-08-12"},   {"7/4/1776", "MDY", "1776-07-04"},
        {"31/02/2009", "DMY", nullptr},  // no rolling over into March
        {"29/02/2009", "DMY", nullptr},      {"31/04/2009", "DMY", nullptr},
        {"32/01/2009", "DMY", nullptr},      {"0/01/2009", "DMY", nullptr},
        {"1/13/2009", "DMY", nullptr},       {"13/1/2009", "MDY", nullptr},
        {"1/1/99999", "MDY", nullptr},       {"99999999999999/1/2009", "MDY", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + c.order);
        std::optional<Date> day = QIFReader::parseDate(c.text, c.order);
        ASSERT_EQ(day.has_value(), c.expected != nullptr);
        if (day) {
            EXPECT_EQ(day->toISOString(), c.expected);
        }
    }
}

TEST(QIFDates, AccountListDatesReadMonthFirstOrYearFirst) {
    EXPECT_EQ(QIFReader::parseDate("1/10/06"), Date::dateWithYear_PN(2006, 1, 10));
    EXPECT_EQ(QIFReader::parseDate("2019-03-31"), Date::dateWithYear_PN(2019, 3, 31));
    EXPECT_EQ(QIFReader::parseDate("2/10'2020"), Date::dateWithYear_PN(2020, 2, 10));
    EXPECT_EQ(QIFReader::parseDate("2/30/2020"), std::nullopt);
    EXPECT_EQ(QIFReader::parseDate("yesterday"), std::nullopt);
    EXPECT_EQ(QIFReader::parseDate(""), std::nullopt);
}

// ASCII digit runs are compared with the pattern in QIFTextScannerDifferentialTest.
TEST(QIFDates, ComponentsAreTheFirstThreeDigitRunsOfAnyScript) {
    using C = std::array<std::int64_t, 3>;
    EXPECT_EQ(
        QIFReader::dateComponentsFromString("\xD9\xA1/\xD9\xA2/\xD9\xA2\xD9\xA0\xD9\xA0\xD9\xA9"),
        (C{1, 2, 2009}));  // Arabic-Indic digits are digits too
    EXPECT_EQ(QIFReader::dateComponentsFromString("99999999999999999999/1/1")[0], 1'000'000'000);
}

}  // namespace
