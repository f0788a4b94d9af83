#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/SidebarFigures.h"

namespace {

using Arrow = SidebarFigures::Arrow;

class SidebarFiguresTest : public ::testing::Test {
protected:
    void SetUp() override { UserLocale::set("en_US"); }
    void TearDown() override { UserLocale::reset(); }
};

TEST_F(SidebarFiguresTest, ButtonShowsTheAbsoluteAmountAndAnArrowBySign) {
    struct Case {
        const char* amount;
        bool colorCoded;
        bool isIncome;
        bool showCents;
        SidebarFigures::Button expected;
    } const cases[] = {
        {"-1234.56", false, false, true, {"$1,234.56", Arrow::Down}},
        {"0", false, false, true, {"$0.00", Arrow::Down}},
        {"0", false, true, true, {"$0.00", Arrow::Up}},
        {"1234.56", false, false, false, {"$1,235", Arrow::Up}},
        {"-20", true, false, true, {"$20.00", Arrow::RedDown}},
        {"20", true, false, true, {"$20.00", Arrow::GreenUp}},
        {"0", true, true, false, {"$0", Arrow::GreenUp}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        const CurrencyFormatter formatter =
            c.showCents ? CurrencyFormatter::formatterForCurrency("USD")
                        : CurrencyFormatter::wholeAmountFormatterForCurrency("USD");
        EXPECT_EQ(SidebarFigures::button(Decimal::fromString(c.amount), c.colorCoded, c.isIncome,
                                         formatter),
                  c.expected);
    }
}

TEST_F(SidebarFiguresTest, NegativeIncomeIsAnAssertionFailure) {
    const auto formatter = CurrencyFormatter::formatterForCurrency("USD");
    try {
        (void)SidebarFigures::button(Decimal::fromString("-5"), false, true, formatter);
        FAIL() << "no assertion failure";
    } catch (const AssertionFailure& failure) {
        EXPECT_EQ(failure.message(), "-5 should be positive");
    }
}

TEST_F(SidebarFiguresTest, SavingsLineSaysSavingsOrLossInItsColour) {
    const auto formatter = CurrencyFormatter::formatterForCurrency("USD");
    EXPECT_EQ(SidebarFigures::savingsLine(Decimal::fromString("-200"), formatter),
              (SidebarFigures::SavingsLine{"Loss: ", "$200.00", "222222", "CC0000", true}));
    EXPECT_EQ(SidebarFigures::savingsLine(Decimal::fromString("200"), formatter),
              (SidebarFigures::SavingsLine{"Savings: ", "$200.00", "222222", "258B19", false}));
    EXPECT_EQ(SidebarFigures::savingsLine(Decimal(), formatter),
              (SidebarFigures::SavingsLine{"Savings: ", "$0.00", "222222", "258B19", false}));
}

}  // namespace
