#include "LineChartGeometry.h"

#include <cmath>

namespace {
constexpr double kTimelineHeight = 41;
constexpr double kTrackingHalfWidth = 19.5;
constexpr int kBands = ChartScale::kNumDivisions - 1;
}  // namespace

double LineChartGeometry::width(std::size_t pointCount) {
    return (static_cast<double>(pointCount) - 1) * kColumnWidth + 2 * kPointMargin;
}

double LineChartGeometry::pointX(std::size_t index) {
    return kColumnWidth * static_cast<double>(index) + kPointMargin;
}

ReportPoint LineChartGeometry::pointForIndex(std::size_t index, const Decimal& value,
                                             const ChartScale& scale, double contentHeight) {
    // The scale is float maths; the value joins it at this one place.
    double offset = value.toDouble() - static_cast<double>(scale.scaleStart());
    double span = static_cast<double>(scale.scaleStep()) * kBands;
    return {pointX(index), offset / span * contentHeight};
}

ReportRect LineChartGeometry::trackingRectForIndex(std::size_t index, double contentHeight) {
    return {pointX(index) - kTrackingHalfWidth, 0, 2 * kTrackingHalfWidth, contentHeight};
}

ReportRect LineChartGeometry::chartFrameInView(const ReportRect& viewBounds) {
    return {viewBounds.x + 20, viewBounds.y + 20, viewBounds.width - 45, viewBounds.height - 25};
}

ReportPoint LineChartGeometry::signsInvertedNoticeOrigin(double chartWidth) {
    return {chartWidth - 94, 10};
}

LineChartGeometry::Frames LineChartGeometry::frames(double w, double h, double marginWidth) {
    Frames frames;
    frames.chart = {marginWidth, 52, w - marginWidth, h - 66};
    frames.timeline = {marginWidth, 11, w - marginWidth, kTimelineHeight};
    frames.margin = {0, kTimelineHeight, marginWidth, frames.chart.height + 11};
    return frames;
}

ReportRect LineChartGeometry::valueLabelRect(int index, double chartHeight, double marginWidth) {
    double y = kTimelineHeight + std::floor(index * chartHeight / kBands) + 4;
    return {0, y, marginWidth - 8, 14};
}

std::vector<ReportRect> LineChartGeometry::bandRects(double clipWidth, double clipHeight) {
    double band = clipHeight / kBands;
    std::vector<ReportRect> rects;
    for (int i = 0; i < kBands; ++i) {
        rects.push_back({0, std::floor(i * band), clipWidth, band});
    }
    return rects;
}

ReportPoint LineChartGeometry::monthLabelOrigin(std::size_t index) {
    return {pointX(index) - 8, 20};
}

ReportPoint LineChartGeometry::yearLabelOrigin(std::size_t index) {
    return {pointX(index) - 14, 4};
}
