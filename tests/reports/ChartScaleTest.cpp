#include <gtest/gtest.h>

#include "base/AssertionFailure.h"
#include "reports/ChartScale.h"

namespace {

std::vector<Decimal> values(std::initializer_list<const char*> texts) {
    std::vector<Decimal> result;
    for (const char* text : texts) {
        result.push_back(Decimal::fromString(text));
    }
    return result;
}

TEST(ChartScale, WorkedExamples) {
    struct Case {
        const char* name;
        std::vector<Decimal> values;
        int zeroLine;
        float step;
        float grid[6];
    } const cases[] = {
        {"0 to 1234", values({"0", "600", "1234"}), 1, 340, {-340, 0, 340, 680, 1020, 1360}},
        {"-500 to 1500", values({"-500", "1500", "20"}), 1, 550, {-550, 0, 550, 1100, 1650, 2200}},
        {"all zero", values({"0", "0"}), 1, 110, {-110, 0, 110, 220, 330, 440}},
        {"no values", {}, 1, 110, {-110, 0, 110, 220, 330, 440}},
        // All negative: zero on line 4; 2000 / 4 = 500, 550 after head room.
        {"-2000 to -10", values({"-2000", "-10"}), 4, 550, {-2200, -1650, -1100, -550, 0, 550}},
        // Mostly negative: x = 5 x 3000 / 4000 = 3.75, rounded to 4; the step is the larger of
        // 1000 / 1 and 3000 / 4, and 1000 x 1.1 rounds up to 1100.
        {"-3000 to 1000",
         values({"-3000", "1000"}),
         4,
         1100,
         {-4400, -3300, -2200, -1100, 0, 1100}},
        {"small values", values({"3", "40"}), 1, 20, {-20, 0, 20, 40, 60, 80}},
        // Whole units of -2.50 divided by four are zero; the chart must still get a step.
        {"small negatives", values({"-2.50", "-1.00"}), 4, 10, {-40, -30, -20, -10, 0, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartScale scale = ChartScale::determineScale(c.values);
        EXPECT_EQ(scale.zeroLine(), c.zeroLine);
        EXPECT_FLOAT_EQ(scale.scaleStep(), c.step);
        for (int i = 0; i < 6; ++i) {
            EXPECT_FLOAT_EQ(scale.gridValue(i), c.grid[i]) << "grid line " << i;
        }
        EXPECT_FLOAT_EQ(scale.gridValue(scale.zeroLine()), 0.0f);
    }
}

TEST(ChartScale, ZeroLineStaysOffTheEdges) {
    struct Case {
        float min;
        float max;
        int zeroLine;
    } const cases[] = {
        {0, 100, 1},      {5, 100, 1},      {-100, 0, 4},   {-100, -5, 4},
        {-500, 1500, 1},  {-10, 1000, 1},   {-1000, 10, 4}, {-1000, 1000, 3},  // 2.5 rounds up
        {-1000, 1500, 2}, {-0.9f, 1000, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.min) + " .. " + std::to_string(c.max));
        EXPECT_EQ(ChartScale::zeroLineForMinValue(c.min, c.max, 6), c.zeroLine);
    }
}

TEST(ChartScale, PreciseStep) {
    EXPECT_FLOAT_EQ(ChartScale::preciseStepForZeroLine(1, 6, 0, 1234), 308.5f);
    EXPECT_FLOAT_EQ(ChartScale::preciseStepForZeroLine(1, 6, 0, 0), 100.0f);
    EXPECT_FLOAT_EQ(ChartScale::preciseStepForZeroLine(1, 6, -500, 1500), 500.0f);
    // The negative side counts whole units, divided as integers: 2001 / 4 is 500.
    EXPECT_FLOAT_EQ(ChartScale::preciseStepForZeroLine(4, 6, -2001.9f, -3), 500.0f);
    EXPECT_FLOAT_EQ(ChartScale::preciseStepForZeroLine(3, 6, -1000, 1000), 500.0f);
    EXPECT_THROW((void)ChartScale::preciseStepForZeroLine(0, 6, 0, 10), AssertionFailure);
    EXPECT_THROW((void)ChartScale::preciseStepForZeroLine(5, 6, -10, 0), AssertionFailure);
}

TEST(ChartScale, RoundStep) {
    struct Case {
        float step;
        float rounded;
    } const cases[] = {
        {0.5f, 10}, {10, 10},     {10.5f, 20},    {99, 100},       {339.35f, 340}, {550, 550},
        {110, 110}, {1001, 1100}, {12345, 13000}, {99999, 100000}, {999.6f, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_FLOAT_EQ(ChartScale::roundStep(c.step), c.rounded);
    }
    EXPECT_THROW((void)ChartScale::roundStep(0), AssertionFailure);
    EXPECT_THROW((void)ChartScale::roundStep(-5), AssertionFailure);
}

TEST(ChartScale, LabelsAreWholeAmounts) {
    ChartScale scale = ChartScale::determineScale(values({"-500", "1500"}));
    EXPECT_EQ(scale.gridLabelValue(0), Decimal(-550));
    EXPECT_EQ(scale.gridLabelValue(1).toString(), "0");
    EXPECT_EQ(scale.gridLabelValue(5), Decimal(2200));
    EXPECT_EQ(scale.marginLabelValue(), Decimal(-2750));
    ChartScale huge = ChartScale::determineScale(values({"0", "40000000000000000000"}));
    EXPECT_EQ(huge.gridLabelValue(2).toString().size(), 20u);  // beyond any 64-bit integer
}

}  // namespace
