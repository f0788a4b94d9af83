#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "base/Date.h"

namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

TEST(Date, HoldsMidnightUTC) {
    EXPECT_EQ(ymd(1970, 1, 2).secondsSinceEpoch(), 86400);
    EXPECT_EQ(ymd(2012, 2, 29).toISOString(), "2012-02-29");
    EXPECT_EQ(ymd(1969, 12, 31).daysSinceEpoch(), -1);
    EXPECT_EQ(Date::distantFuture().toISOString(), "4001-01-01");
}

TEST(Date, ComponentsAndWeekday) {
    Date d = ymd(2012, 3, 5);
    EXPECT_EQ(d.year_PN(), 2012);
    EXPECT_EQ(d.month_PN(), 3);
    EXPECT_EQ(d.day_pn(), 5);
    EXPECT_EQ(ymd(2012, 3, 4).weekday_pn(), 1);    // Sunday
    EXPECT_EQ(ymd(2012, 3, 10).weekday_pn(), 7);   // Saturday
    EXPECT_EQ(ymd(1969, 12, 31).weekday_pn(), 4);  // Wednesday
}

TEST(Date, MonthArithmeticClampsToMonthEnd) {
    struct Case {
        Date from;
        int months;
        Date expected;
    } const cases[] = {
        {ymd(2012, 1, 31), 1, ymd(2012, 2, 29)},  {ymd(2011, 1, 31), 1, ymd(2011, 2, 28)},
        {ymd(2012, 3, 31), -1, ymd(2012, 2, 29)}, {ymd(2011, 3, 31), -1, ymd(2011, 2, 28)},
        {ymd(2012, 11, 15), 3, ymd(2013, 2, 15)}, {ymd(2012, 1, 15), -13, ymd(2010, 12, 15)},
        {ymd(2012, 5, 31), 0, ymd(2012, 5, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.toISOString() + " + " + std::to_string(c.months));
        EXPECT_EQ(c.from.advanceMonths_PN(c.months), c.expected);
    }
    EXPECT_EQ(ymd(2012, 3, 31).monthsAgo_PN(1), ymd(2012, 2, 29));
    EXPECT_EQ(ymd(2012, 1, 31).monthsLater_PN(2), ymd(2012, 3, 31));
}

TEST(Date, DayAndWeekArithmetic) {
    Date d = ymd(2012, 2, 28);
    EXPECT_EQ(d.daysLater_PN(2), ymd(2012, 3, 1));
    EXPECT_EQ(d.daysAgo_PN(28), ymd(2012, 1, 31));
    EXPECT_EQ(d.advanceWeeks_pn(-1), ymd(2012, 2, 21));
    EXPECT_EQ(d.weeksLater_pn(0), d);
    EXPECT_EQ(d.weeksAgo_pn(2), ymd(2012, 2, 14));
    EXPECT_THROW(d.weeksAgo_pn(-1), AssertionFailure);
    try {
        d.weeksLater_pn(-1);
        FAIL();
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.message(), "Step needs to be a positive integer");
    }
}

TEST(Date, DifferencesBothWays) {
    Date jan31 = ymd(2012, 1, 31), mar1 = ymd(2012, 3, 1);
    EXPECT_EQ(mar1.numberOfDaysAfter_PN(jan31), 30);
    EXPECT_EQ(jan31.numberOfDaysAfter_PN(mar1), -30);
    EXPECT_EQ(mar1.daysAwayFrom_pn(jan31), 30);
    EXPECT_EQ(jan31.daysAwayFrom_pn(mar1), 30);
    EXPECT_EQ(mar1.numberOfMonthsAfter_pn(jan31), 2);
    EXPECT_EQ(ymd(2013, 1, 1).numberOfMonthsAfter_pn(ymd(2012, 12, 31)), 1);
    EXPECT_EQ(ymd(2012, 1, 1).numberOfMonthsAfter_pn(ymd(2012, 3, 31)), -2);
    EXPECT_TRUE(mar1.isLaterThan_PN(jan31));
    EXPECT_FALSE(mar1.isLaterThan_PN(mar1));
}

TEST(Date, MonthAndYearBounds) {
    EXPECT_EQ(ymd(2012, 2, 10).endOfMonth_pn(), ymd(2012, 2, 29));
    EXPECT_EQ(ymd(2011, 2, 10).endOfMonth_pn(), ymd(2011, 2, 28));
    EXPECT_EQ(ymd(2000, 2, 1).endOfMonth_pn(), ymd(2000, 2, 29));
    EXPECT_EQ(ymd(1900, 2, 1).endOfMonth_pn(), ymd(1900, 2, 28));
    EXPECT_EQ(ymd(2011, 4, 30).beginningOfMonth_pn(), ymd(2011, 4, 1));
    EXPECT_EQ(ymd(2011, 4, 30).beginningOfYear_pn(), ymd(2011, 1, 1));
    EXPECT_EQ(ymd(2011, 4, 30).endOfYear_pn(), ymd(2011, 12, 31));
}

TEST(Date, MonthEndsList) {
    std::vector<Date> leap = Date::monthsFromStartDate(ymd(2012, 1, 31), ymd(2012, 3, 1));
    EXPECT_EQ(leap, (std::vector<Date>{ymd(2012, 1, 31), ymd(2012, 2, 29), ymd(2012, 3, 31)}));
    std::vector<Date> plain = Date::monthsFromStartDate(ymd(2011, 1, 31), ymd(2011, 3, 1));
    EXPECT_EQ(plain[1], ymd(2011, 2, 28));
    EXPECT_EQ(Date::monthsFromStartDate(ymd(2012, 11, 5), ymd(2013, 1, 1)).size(), 3u);
    EXPECT_TRUE(Date::monthsFromStartDate(ymd(2012, 4, 1), ymd(2012, 3, 31)).empty());
}

TEST(Date, ValidAndISODates) {
    EXPECT_FALSE(Date::validDate(2011, 2, 29).has_value());
    EXPECT_TRUE(Date::validDate(2012, 2, 29).has_value());
    EXPECT_FALSE(Date::validDate(2012, 13, 1).has_value());
    EXPECT_EQ(Date::dateWithYear_PN(2012, 13, 1), ymd(2013, 1, 1));
    EXPECT_EQ(Date::fromISOString("2012-03-05"), ymd(2012, 3, 5));
    for (const char* bad : {"2012-3-5", "2011-02-29", "20120305", "2012-03-0x", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(Date::fromISOString(bad).has_value());
    }
}

// Sets TZ for the duration of a test.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (m_old.empty()) {
            unsetenv("TZ");
        } else {
            setenv("TZ", m_old.c_str(), 1);
        }
        tzset();
        Clock::reset();
    }

private:
    std::string m_old;
};

TEST(Date, TodayIsTheLocalDayWestOfUTC) {
    ScopedTimeZone zone("America/New_York");
    // 5 March 2012 23:30 in New York is 6 March 04:30 UTC.
    Clock::setFixedNow(std::chrono::system_clock::from_time_t(ymd(2012, 3, 6).secondsSinceEpoch() +
                                                              4 * 3600 + 30 * 60));
    EXPECT_EQ(Date::today_PN(), ymd(2012, 3, 5));
}

TEST(Date, TodayIsTheLocalDayEastOfUTC) {
    ScopedTimeZone zone("Asia/Tokyo");
    // 5 March 2012 20:00 UTC is already 6 March in Tokyo.
    Clock::setFixedNow(
        std::chrono::system_clock::from_time_t(ymd(2012, 3, 5).secondsSinceEpoch() + 20 * 3600));
    EXPECT_EQ(Date::today_PN(), ymd(2012, 3, 6));
    Clock::setFixedToday(ymd(2020, 1, 1));
    EXPECT_EQ(Date::today_PN(), ymd(2020, 1, 1));
}

}  // namespace
