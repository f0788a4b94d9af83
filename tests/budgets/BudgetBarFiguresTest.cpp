#include <gtest/gtest.h>

#include "base/UserLocale.h"
#include "budgets/BudgetBarFigures.h"
#include "ledger/CurrencyFormatter.h"

namespace {

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

class BudgetBarFiguresTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override { UserLocale::reset(); }
};

TEST_F(BudgetBarFiguresTest, FillColourAndProgressText) {
    auto dollars = CurrencyFormatter::formatterForCurrency("USD");
    struct Case {
        const char* name;
        const char* limit;
        const char* actual;
        float share;
        bool red;
        const char* message;
    } const cases[] = {
        {"within the limit", "-600", "-450", 0.75f, false, "$450.00"},
        {"over the limit", "-600", "-750", 1, true, "$750.00 ($150.00 over)"},
        {"net income in a spending category", "-600", "80", 0, false, "$80.00 credit"},
        {"uncategorized spending", "0", "-12.34", 1, true, "$12.34 ($12.34 over)"},
        {"uncategorized, nothing spent", "0", "0", 0, false, "$0.00"},
        {"income over its goal", "600", "900", 1, false, "$900.00"},
        {"income below its goal", "600", "150", 0.25f, false, "$150.00"},
        {"income with a net loss", "600", "-50", 0, false, "-$50.00"},
        // Cents of amounts in the millions survive: a float holds 16777216.00 here.
        {"large amounts", "-20000000", "-16777217.01", 0.83886085f, false, "$16,777,217.01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BudgetBarFigures figures(dec(c.limit), dec(c.actual));
        EXPECT_FLOAT_EQ(figures.percentageToFill(), c.share);
        EXPECT_EQ(figures.isOverLimit(), c.red);
        EXPECT_EQ(figures.progressMessage(dollars), c.message);
    }
}

TEST_F(BudgetBarFiguresTest, SpendingRowsAreMadePositive) {
    TrackRow row = TrackRow::named("Food", TrackRow::Type::Category);
    row.limit = dec("-600");
    row.actual = dec("-450");
    BudgetBarFigures figures = BudgetBarFigures::forRow(row);
    EXPECT_TRUE(figures.isExpense());
    EXPECT_EQ(figures.limit(), dec("600"));
    EXPECT_EQ(figures.actual(), dec("450"));
    EXPECT_FALSE(BudgetBarFigures(dec("1"), dec("0")).isExpense());
}

TEST_F(BudgetBarFiguresTest, FillWidthAndNeedle) {
    EXPECT_DOUBLE_EQ(BudgetBarFigures(dec("-600"), dec("-450")).fillWidth(202), 150);
    EXPECT_DOUBLE_EQ(BudgetBarFigures(dec("-3"), dec("-1")).fillWidth(102), 34);  // 33.33 up
    EXPECT_DOUBLE_EQ(BudgetBarFigures(dec("-3"), dec("-9")).fillWidth(102), 100);
    EXPECT_DOUBLE_EQ(BudgetBarFigures::needleX(300, 229, 0), 304.5);
    EXPECT_DOUBLE_EQ(BudgetBarFigures::needleX(300, 229, 1), 504.5);
    EXPECT_DOUBLE_EQ(BudgetBarFigures::needleX(300, 229, 0.501f), 405.5);  // 100.2 up
}

}  // namespace
