#include <gtest/gtest.h>

#include "reports/LineChartGeometry.h"
#include "reports/LineChartTooltipLayout.h"

namespace {

using Position = LineChartTooltipLayout::Position;

TEST(LineChartGeometry, ColumnsOfFortyPointsWithMargins) {
    EXPECT_DOUBLE_EQ(LineChartGeometry::width(1), 116);
    EXPECT_DOUBLE_EQ(LineChartGeometry::width(12), 556);
    EXPECT_DOUBLE_EQ(LineChartGeometry::pointX(0), 58);
    EXPECT_DOUBLE_EQ(LineChartGeometry::pointX(11), 498);
    EXPECT_EQ(LineChartGeometry::trackingRectForIndex(1, 200), (ReportRect{78.5, 0, 39, 200}));
}

TEST(LineChartGeometry, PointHeightFollowsTheScale) {
    // 0 to 1234: grid from -340 in steps of 340, five bands of 340 over the content height.
    ChartScale scale = ChartScale::determineScale({Decimal(0), Decimal(1234)});
    struct Case {
        const char* value;
        double y;
    } const cases[] = {{"-340", 0}, {"0", 34}, {"1360", 170}, {"510", 85}, {"1234", 157.4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ReportPoint p =
            LineChartGeometry::pointForIndex(2, Decimal::fromString(c.value), scale, 170);
        EXPECT_DOUBLE_EQ(p.x, 138);
        EXPECT_NEAR(p.y, c.y, 1e-9);
    }
}

TEST(LineChartGeometry, FramesOfTheChartParts) {
    EXPECT_EQ(LineChartGeometry::chartFrameInView({0, 0, 800, 500}),
              (ReportRect{20, 20, 755, 475}));
    EXPECT_EQ(LineChartGeometry::signsInvertedNoticeOrigin(755), (ReportPoint{661, 10}));
    LineChartGeometry::Frames frames = LineChartGeometry::frames(755, 475, 60);
    EXPECT_EQ(frames.chart, (ReportRect{60, 52, 695, 409}));
    EXPECT_EQ(frames.timeline, (ReportRect{60, 11, 695, 41}));
    EXPECT_EQ(frames.margin, (ReportRect{0, 41, 60, 420}));
    EXPECT_EQ(LineChartGeometry::valueLabelRect(0, 409, 60), (ReportRect{0, 45, 52, 14}));
    EXPECT_EQ(LineChartGeometry::valueLabelRect(3, 409, 60), (ReportRect{0, 290, 52, 14}));
    std::vector<ReportRect> bands = LineChartGeometry::bandRects(600, 409);
    ASSERT_EQ(bands.size(), 5u);
    EXPECT_DOUBLE_EQ(bands[1].y, 81);
    EXPECT_DOUBLE_EQ(bands[4].y, 327);
    EXPECT_DOUBLE_EQ(bands[4].height, 81.8);
}

TEST(LineChartTooltipLayout, ChoosesTheSideWithRoom) {
    const LineChartTooltipLayout::ImageSizes images{40, 16, 10};  // bubble 40, arrow 16 x 10
    const ReportRect visible{400, 0, 500, 300};
    // Text 100 wide: the tooltip is 120 wide and 49 high.
    struct Case {
        const char* name;
        ReportPoint point;
        Position position;
        ReportRect frame;
    } const cases[] = {
        {"first visible column", {458, 100}, Position::RightOfPoint, {463, 78.5, 129, 49}},
        {"last visible column", {858, 100}, Position::LeftOfPoint, {724, 78.5, 129, 49}},
        {"near the top", {650, 260}, Position::Below, {589, 206, 120, 49}},
        {"in the middle", {650, 100}, Position::Above, {589, 105, 120, 49}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto layout = LineChartTooltipLayout::place(c.point, visible, 100, images);
        EXPECT_EQ(layout.position(), c.position);
        EXPECT_EQ(layout.frame(), c.frame);
    }
}

TEST(LineChartTooltipLayout, PartsInsideTheTooltip) {
    const LineChartTooltipLayout::ImageSizes images{40, 16, 10};
    const ReportRect visible{0, 0, 1000, 300};
    auto above = LineChartTooltipLayout::place({500, 100}, visible, 100, images);
    EXPECT_EQ(above.bubbleRect(), (ReportRect{0, 9, 120, 40}));
    EXPECT_EQ(above.arrowOrigin(), (ReportPoint{52, 1}));
    EXPECT_EQ(above.monthTextOrigin(), (ReportPoint{10, 36}));
    EXPECT_EQ(above.amountTextOrigin(), (ReportPoint{10, 18}));

    auto below = LineChartTooltipLayout::place({500, 290}, visible, 100, images);
    EXPECT_EQ(below.bubbleRect(), (ReportRect{0, 0, 120, 40}));
    EXPECT_EQ(below.arrowOrigin(), (ReportPoint{52, 39}));
    EXPECT_EQ(below.monthTextOrigin(), (ReportPoint{10, 26}));

    // Beside the point the arrow is turned: 10 wide and 16 high.
    auto left = LineChartTooltipLayout::place({990, 100}, visible, 100, images);
    EXPECT_EQ(left.bubbleRect(), (ReportRect{0, 0, 119, 40}));
    EXPECT_EQ(left.arrowOrigin(), (ReportPoint{118, 12}));
    auto right = LineChartTooltipLayout::place({10, 100}, visible, 100, images);
    EXPECT_EQ(right.bubbleRect(), (ReportRect{9, 0, 119, 40}));
    EXPECT_EQ(right.arrowOrigin(), (ReportPoint{0, 12}));
    EXPECT_EQ(right.monthTextOrigin(), (ReportPoint{20, 26}));
    EXPECT_EQ(right.amountTextOrigin(), (ReportPoint{20, 8}));
}

}  // namespace
