#include <gtest/gtest.h>

#include "base/DateFormatter.h"
#include "base/PNDateFormatter.h"
#include "base/UserLocale.h"

namespace {

class DateFormatterTest : public ::testing::Test {
protected:
    void TearDown() override { UserLocale::reset(); }
};

TEST_F(DateFormatterTest, DefaultPatternShowsTheCalendarDay) {
    UserLocale::set("en_US");
    DateFormatter f = DateFormatter::defaultDateFormatter_PN();
    EXPECT_EQ(f.stringFromDate(Date::dateWithYear_PN(2012, 3, 5)), "Mar 05, 2012");
    EXPECT_EQ(f.stringFromDate(Date::dateWithYear_PN(1969, 12, 31)), "Dec 31, 1969");
    EXPECT_EQ(f.dateFromString("Mar 05, 2012"), Date::dateWithYear_PN(2012, 3, 5));
    EXPECT_FALSE(f.dateFromString("not a date").has_value());
}

TEST_F(DateFormatterTest, MediumStyleFollowsTheLocale) {
    Date d = Date::dateWithYear_PN(2012, 3, 5);
    UserLocale::set("en_US");
    EXPECT_EQ(PNDateFormatter().stringFromDate(d), "Mar 5, 2012");
    UserLocale::set("de_DE");
    EXPECT_EQ(PNDateFormatter().stringFromDate(d), "05.03.2012");
    EXPECT_EQ(PNDateFormatter().dateFromString("05.03.2012"), d);
}

TEST_F(DateFormatterTest, MonthNamesInTheLocale) {
    UserLocale::set("de_DE");
    EXPECT_EQ(
        DateFormatter::withPattern("MMMM d").stringFromDate(Date::dateWithYear_PN(2012, 3, 5)),
        "März 5");
}

}  // namespace
