#pragma once

#include <cstddef>
#include <vector>

#include "ChartScale.h"
#include "ReportGeometry.h"
#include "base/Date.h"
#include "base/Decimal.h"

// Where the trends chart puts things: one 40-point column per month with a 58-point margin
// before the first and after the last point, the frames of its parts, and the tooltip's
// placement. The chart's own coordinates have y growing upward; the trends view's downward.
class LineChartGeometry final {
public:
    static constexpr double kColumnWidth = 40;
    static constexpr double kPointMargin = 58;

    // The content's width for `pointCount` points: (count - 1) x 40 + 116.
    [[nodiscard]] static double width(std::size_t pointCount);
    // The x of point i: 40 i + 58.
    [[nodiscard]] static double pointX(std::size_t index);
    // Point i of a value in the content's coordinates (y up): the value's place on the scale's
    // five bands times the content height.
    [[nodiscard]] static ReportPoint pointForIndex(std::size_t index, const Decimal& value,
                                                   const ChartScale& scale, double contentHeight);
    // The pointer region of point i: its column, (x - 19.5, 0, 39, content height).
    [[nodiscard]] static ReportRect trackingRectForIndex(std::size_t index, double contentHeight);

    // The chart inside the trends view: the bounds inset by 20 on every side, then 15 taller
    // and 5 narrower.
    [[nodiscard]] static ReportRect chartFrameInView(const ReportRect& viewBounds);
    // Where the trends view puts its signs-inverted notice: (chart width - 94, 10).
    [[nodiscard]] static ReportPoint signsInvertedNoticeOrigin(double chartWidth);

    // The three parts of a chart of size (w, h) whose value labels need `marginWidth`.
    struct Frames final {
        ReportRect chart;
        ReportRect timeline;
        ReportRect margin;
        bool operator==(const Frames&) const = default;
    };
    [[nodiscard]] static Frames frames(double w, double h, double marginWidth);
    // The rectangle of value label i (0 at the bottom) in a chart of plot height h.
    [[nodiscard]] static ReportRect valueLabelRect(int index, double chartHeight,
                                                   double marginWidth);
    // The five bands behind the plot of height h, bottom first; bands 0, 2 and 4 are filled.
    [[nodiscard]] static std::vector<ReportRect> bandRects(double clipWidth, double clipHeight);

    // Month label origin under point i, and the year label's when the month is January.
    [[nodiscard]] static ReportPoint monthLabelOrigin(std::size_t index);
    [[nodiscard]] static ReportPoint yearLabelOrigin(std::size_t index);
    [[nodiscard]] static bool showsYear(Date date) { return date.month_PN() == 1; }
};
