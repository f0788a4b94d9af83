#pragma once

#include "ReportGeometry.h"

// Where the trends chart's tooltip goes for a point and how its parts sit inside it. The
// tooltip stands above its point unless it would leave the visible part of the content: near
// the left edge it goes to the right of the point, near the right edge to the left, near the
// top below. Coordinates are the chart content's (y up); the images' sizes come from the view.
class LineChartTooltipLayout final {
public:
    enum class Position { Above = 0, Below = 1, LeftOfPoint = 2, RightOfPoint = 3 };

    struct ImageSizes final {
        double bubbleHeight = 0;  // "tooltipLeft"
        double arrowWidth = 0;    // "tooltipArrow", unrotated
        double arrowHeight = 0;
    };

    // Chooses the position and the frame for point p with the content's visible rectangle,
    // given the wider of the two text lines.
    [[nodiscard]] static LineChartTooltipLayout place(const ReportPoint& point,
                                                      const ReportRect& visible, double textWidth,
                                                      const ImageSizes& images);

    Position position() const { return m_position; }
    const ReportRect& frame() const { return m_frame; }

    // The parts inside the frame (origin at the tooltip's bottom left). Left and right of the
    // point the arrow is rotated, so its width and height change places.
    [[nodiscard]] ReportRect bubbleRect() const;
    [[nodiscard]] ReportPoint arrowOrigin() const;
    [[nodiscard]] ReportPoint monthTextOrigin() const;
    [[nodiscard]] ReportPoint amountTextOrigin() const;

private:
    LineChartTooltipLayout(Position position, const ReportRect& frame, const ImageSizes& images)
        : m_position(position), m_frame(frame), m_images(images) {}

    Position m_position;
    ReportRect m_frame;
    ImageSizes m_images;
};
