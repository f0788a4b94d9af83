#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "reports/TrendSeries.h"

namespace {

using Kind = TrendSeries::Kind;

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

std::vector<TrendSeries::DataPoint> seriesOf(std::initializer_list<const char*> values) {
    std::vector<TrendSeries::DataPoint> series;
    int month = 1;
    for (const char* value : values) {
        series.push_back({ymd(2012, month++, 1).endOfMonth_pn(), Decimal::fromString(value)});
    }
    return series;
}

TEST(TrendSeries, KindByMenuTitle) {
    EXPECT_EQ(TrendSeries::kindForTitle("Balance"), Kind::Balance);
    EXPECT_EQ(TrendSeries::kindForTitle("Income"), Kind::Income);
    EXPECT_EQ(TrendSeries::kindForTitle("Expense"), Kind::Expense);
    EXPECT_THROW((void)TrendSeries::kindForTitle("Savings"), AssertionFailure);
}

TEST(TrendSeries, MonthlyWindowsOverTheReportRange) {
    DateRange range{ymd(2011, 11, 20), ymd(2012, 2, 10)};
    std::vector<TrendSeries::Window> expected = {
        {ymd(2011, 11, 1), ymd(2011, 11, 30)},
        {ymd(2011, 12, 1), ymd(2011, 12, 31)},
        {ymd(2012, 1, 1), ymd(2012, 1, 31)},
        {ymd(2012, 2, 1), ymd(2012, 2, 29)},
    };
    for (Kind kind : {Kind::Income, Kind::Expense, Kind::Category}) {
        EXPECT_EQ(TrendSeries::windows(kind, range), expected);
        EXPECT_FALSE(TrendSeries::shouldShowDay(kind));
        EXPECT_TRUE(TrendSeries::shouldInvertSign(kind));
    }
    // The balance's last point is the range's last day, shown with its day, never inverted.
    expected.back().date = ymd(2012, 2, 10);
    EXPECT_EQ(TrendSeries::windows(Kind::Balance, range), expected);
    EXPECT_TRUE(TrendSeries::shouldShowDay(Kind::Balance));
    EXPECT_FALSE(TrendSeries::shouldInvertSign(Kind::Balance));
}

TEST(TrendSeries, OneMonthOfDataGivesOnePoint) {
    DateRange range{ymd(2012, 3, 5), ymd(2012, 3, 5)};
    auto series = TrendSeries::build(Kind::Expense, range, [](const TrendSeries::Window& w) {
        EXPECT_EQ(w.fromDate, ymd(2012, 3, 1));
        return Decimal(-42);
    });
    ASSERT_EQ(series.size(), 1u);
    EXPECT_EQ(series[0].date, ymd(2012, 3, 31));
    EXPECT_EQ(series[0].value, Decimal(-42));
}

TEST(TrendSeries, InvertsOnlyWhenNegativesOutnumberPositives) {
    struct Case {
        const char* name;
        std::vector<TrendSeries::DataPoint> series;
        bool inverted;
        std::vector<const char*> values;
    } const cases[] = {
        {"expense", seriesOf({"-120.50", "0", "-30"}), true, {"120.50", "0", "30"}},
        {"mostly positive", seriesOf({"10", "20", "-5"}), false, {"10", "20", "-5"}},
        {"as many each way", seriesOf({"10", "-20", "0"}), false, {"10", "-20", "0"}},
        {"mostly negative", seriesOf({"-10", "-20", "5"}), true, {"10", "20", "-5"}},
        {"only zeros", seriesOf({"0", "0"}), false, {"0", "0"}},
        {"large cents", seriesOf({"-16777217.01"}), true, {"16777217.01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto result = TrendSeries::invertSignIfNeeded(c.series);
        EXPECT_EQ(result.signsAreInverted, c.inverted);
        ASSERT_EQ(result.series.size(), c.values.size());
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            EXPECT_EQ(result.series[i].value, Decimal::fromString(c.values[i]));
            EXPECT_EQ(result.series[i].date, c.series[i].date);
        }
    }
}

TEST(TrendSeries, TooltipDateWithOrWithoutTheDay) {
    UserLocale::set("en_US");
    EXPECT_EQ(TrendSeries::tooltipDateText(ymd(2012, 3, 5), true), "Mar 05, 2012");
    EXPECT_EQ(TrendSeries::tooltipDateText(ymd(2012, 3, 31), false), "March, 2012");
    UserLocale::reset();
}

TEST(DateRange, ReportRangeStartsTodayWhenEverythingLiesAhead) {
    // Projected transactions three months ahead carry the range with them.
    EXPECT_EQ(DateRange::reportDateRange(ymd(2012, 6, 20), ymd(2012, 9, 14), ymd(2012, 6, 15)),
              (DateRange{ymd(2012, 6, 15), ymd(2012, 9, 14)}));
}

}  // namespace
