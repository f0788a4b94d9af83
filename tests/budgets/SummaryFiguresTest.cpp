#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "budgets/SummaryFigures.h"

namespace {

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

// A box as one line: "Title: Label=value(style) ...".
std::string render(const SummaryFigures::Box& box) {
    static const char* const kStyles[] = {"", "(green)", "(red)"};
    std::string text = box.title + ":";
    for (const auto& row : box.rows()) {
        text += " " + row.label + "=" + row.value.toString(2) + kStyles[int(row.style)];
    }
    return text;
}

TEST(SummaryFigures, EstimatedBoxPlansFromTheLimitsWithExactCents) {
    // Each of these amounts would lose its cents in a 32-bit float.
    SummaryFigures::Inputs inputs;
    inputs.expenseLimit = dec("-2500000.37");
    inputs.incomeLimit = dec("3000000.49");
    inputs.balanceBeforeStart = dec("12345678.91");
    auto box = SummaryFigures::estimatedBox(inputs);
    EXPECT_EQ(box.icon, SummaryFigures::Icon::Budget);
    EXPECT_EQ(render(box),
              "Estimated: Expense=2500000.37 Income=3000000.49 Savings=500000.12(green) "
              "Ending Balance=12845679.03");
}

TEST(SummaryFigures, ActualBoxWhileRunningAndAfterTheEnd) {
    SummaryFigures::Inputs inputs;
    inputs.expenseActual = dec("-1250.40");
    inputs.incomeActual = dec("1000");
    inputs.balanceAtEnd = dec("-20.5");
    auto running = SummaryFigures::actualBox(inputs);
    EXPECT_EQ(running.icon, SummaryFigures::Icon::Clock);
    EXPECT_EQ(render(running),
              "As of Today: Expense=1250.40 Income=1000.00 Loss=250.40(red) "
              "Current Balance=-20.50");
    inputs.hasEnded = true;
    EXPECT_EQ(render(SummaryFigures::actualBox(inputs)),
              "Actual: Expense=1250.40 Income=1000.00 Loss=250.40(red) Ending Balance=-20.50");
}

TEST(SummaryFigures, ZeroIsNeverShownNegative) {
    Decimal negativeZero = Decimal::fromString("-0.00");
    ASSERT_TRUE(std::signbit(negativeZero.toDouble()));
    SummaryFigures::Inputs inputs;
    inputs.expenseLimit = negativeZero;
    inputs.expenseActual = negativeZero;
    inputs.balanceAtEnd = negativeZero;
    for (const auto& box :
         {SummaryFigures::estimatedBox(inputs), SummaryFigures::actualBox(inputs)}) {
        SCOPED_TRACE(box.title);
        auto rows = box.rows();
        ASSERT_EQ(rows.size(), 4u);
        for (const auto& row : rows) {
            SCOPED_TRACE(row.label);
            EXPECT_TRUE(row.value.isZero());
            EXPECT_FALSE(std::signbit(row.value.toDouble()));
        }
        EXPECT_EQ(rows[2].label, "Savings");
        EXPECT_EQ(rows[2].style, SummaryFigures::ValueStyle::Green);
    }
}

}  // namespace
