#include <gtest/gtest.h>

#include "ReportTestStore.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/CurrencyFormatter.h"
#include "reports/TrendChart.h"
#include "reports/TrendsMenuEntries.h"

namespace {

using S = ReportTestStore;
using Points = std::vector<TrendSeries::DataPoint>;

class TrendChartTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override {
        UserLocale::reset();
        Clock::reset();
    }
    static TrendChart chart(const Points& points, bool showDay, bool invert) {
        return TrendChart::make(points, showDay, invert,
                                CurrencyFormatter::wholeAmountFormatterForCurrency("USD"),
                                CurrencyFormatter::formatterForCurrency("USD"));
    }
};

std::string joined(const std::vector<std::string>& texts) {
    std::string result;
    for (const std::string& text : texts) {
        result += (result.empty() ? "" : " ") + text;
    }
    return result;
}

TEST_F(TrendChartTest, LabelsAndTextsFollowTheDrawnSeries) {
    struct Case {
        const char* name;
        std::vector<const char*> values;
        bool invert;
        bool inverted;
        const char* labels;
        const char* margin;
        const char* firstAmount;
    } const cases[] = {
        // Spending is drawn as positive amounts, and its tooltips say so.
        {"expense",
         {"-100", "-50", "0"},
         true,
         true,
         "-$30 $0 $30 $60 $90 $120",
         "-$150",
         "$100.00"},
        // A series across zero keeps its signs and puts zero on the second line.
        {"across zero",
         {"-500", "1500", "200"},
         true,
         false,
         "-$550 $0 $550 $1,100 $1,650 $2,200",
         "-$2,750",
         "-$500.00"},
        // A balance is never flipped: zero moves up to the fifth line.
        {"negative balance",
         {"-1000", "-2000", "-400"},
         false,
         false,
         "-$2,200 -$1,650 -$1,100 -$550 $0 $550",
         "-$2,750",
         "-$1,000.00"},
        {"only zeros",
         {"0", "0", "0"},
         true,
         false,
         "-$110 $0 $110 $220 $330 $440",
         "-$550",
         "$0.00"},
        // As many negatives as positives: not flipped.
        {"balanced",
         {"-10", "10", "0"},
         true,
         false,
         "-$30 -$20 -$10 $0 $10 $20",
         "-$50",
         "-$10.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Points points;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            points.push_back({S::day(2012, int(i) + 1, 28), S::dec(c.values[i])});
        }
        const TrendChart result = chart(points, false, c.invert);
        EXPECT_EQ(result.signsAreInverted(), c.inverted);
        EXPECT_EQ(joined(result.valueLabels()), c.labels);
        EXPECT_EQ(result.marginLabel(), c.margin);
        EXPECT_EQ(result.tooltipAmount(0), c.firstAmount);
    }
}

TEST_F(TrendChartTest, PointsLieOnTheScaleInFortyPointColumns) {
    // Values 0 to 120 on a scale of step 30 from -30: 150 units over the content's height.
    const TrendChart result = chart({{S::day(2012, 1, 31), S::dec("0")},
                                     {S::day(2012, 2, 29), S::dec("60")},
                                     {S::day(2012, 3, 31), S::dec("100")}},
                                    false, true);
    EXPECT_EQ(result.contentWidth(), 196);
    EXPECT_EQ(result.pointForIndex(0, 300), (ReportPoint{58, 60}));
    EXPECT_EQ(result.pointForIndex(1, 300), (ReportPoint{98, 180}));
    EXPECT_EQ(result.pointForIndex(2, 150), (ReportPoint{138, 130}));
}

TEST_F(TrendChartTest, MonthLabelsShowTheYearInJanuaryAndTooltipsTheDayWhenAsked) {
    const Points points = {{S::day(2011, 12, 31), S::dec("1")},
                           {S::day(2012, 1, 31), S::dec("2")},
                           {S::day(2012, 2, 5), S::dec("1234.5")}};
    const TrendChart months = chart(points, false, true);
    EXPECT_EQ(months.monthLabel(0), "Dec");
    EXPECT_EQ(months.monthLabel(1), "Jan");
    EXPECT_EQ(months.yearLabel(0), std::nullopt);
    EXPECT_EQ(months.yearLabel(1), "2012");
    EXPECT_EQ(months.yearLabel(2), std::nullopt);
    EXPECT_EQ(months.tooltipDate(2), "February, 2012");
    EXPECT_EQ(months.tooltipAmount(2), "$1,234.50");
    const TrendChart days = chart(points, true, false);
    EXPECT_EQ(days.tooltipDate(2), "Feb 05, 2012");
}

TEST_F(TrendChartTest, StoreSeriesCoverTheReportRange) {
    Clock::setFixedToday(S::day(2012, 3, 15));
    S store;
    Category* food = store.category("Food");
    Account* checking = store.account("Checking");
    store.add(checking, S::day(2012, 1, 10), "-40", food);
    store.add(checking, S::day(2012, 2, 10), "-60", food);
    store.add(checking, S::day(2012, 2, 12), "500", nullptr);

    const TrendChart expense =
        TrendChart::forSeries(TrendSeries::Kind::Expense, nullptr, store.context());
    ASSERT_EQ(expense.pointCount(), 3u);
    EXPECT_TRUE(expense.signsAreInverted());
    EXPECT_EQ(expense.tooltipAmount(0), "$40.00");
    EXPECT_EQ(expense.tooltipAmount(1), "$60.00");
    EXPECT_EQ(expense.tooltipAmount(2), "$0.00");

    // The balance ends on the report's last day and names the day.
    const TrendChart balance =
        TrendChart::forSeries(TrendSeries::Kind::Balance, nullptr, store.context());
    EXPECT_FALSE(balance.signsAreInverted());
    EXPECT_EQ(balance.tooltipDate(2), "Mar 15, 2012");
    EXPECT_EQ(balance.tooltipAmount(1), "$400.00");

    // A category entry charts the category whatever kind is passed with it.
    const TrendChart category =
        TrendChart::forSeries(TrendSeries::Kind::Balance, food, store.context());
    EXPECT_TRUE(category.signsAreInverted());
    EXPECT_EQ(category.tooltipAmount(1), "$60.00");
    EXPECT_EQ(category.tooltipDate(1), "February, 2012");
}

TEST_F(TrendChartTest, MenuListsGroupsWithTheirCategoriesAndLoneCategoriesByName) {
    S store;
    CategoryGroup* home = store.group("Home");
    store.category("Rent", home);
    store.category("Power", home);
    store.category("Zoo");
    store.category("Books");
    std::string text;
    for (const auto& entry : TrendsMenuEntries::categoryEntries(store.context())) {
        text += (entry.isGroupTitle ? "["
                 : entry.indented   ? "  "
                                    : "") +
                entry.title + (entry.isGroupTitle ? "]" : "") + (entry.category ? "" : "!") + ";";
    }
    EXPECT_EQ(text, "Books;[Home]!;  Power;  Rent;Zoo;");
}

}  // namespace
