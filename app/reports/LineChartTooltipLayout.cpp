#include "LineChartTooltipLayout.h"

LineChartTooltipLayout LineChartTooltipLayout::place(const ReportPoint& point,
                                                     const ReportRect& visible, double textWidth,
                                                     const ImageSizes& images) {
    double width = textWidth + 20;
    double height = images.bubbleHeight + images.arrowHeight - 1;
    double sideY = point.y - height / 2 + 3;
    if (point.x - visible.x < width / 2) {
        width += images.arrowHeight - 1;
        return {Position::RightOfPoint, {point.x + 5, sideY, width, height}, images};
    }
    if (visible.x + visible.width - point.x < width / 2) {
        width += images.arrowHeight - 1;
        return {Position::LeftOfPoint, {point.x - width - 5, sideY, width, height}, images};
    }
    double x = point.x - width / 2 - 1;
    if (point.y + height + 5 > visible.height) {
        return {Position::Below, {x, point.y - height - 5, width, height}, images};
    }
    return {Position::Above, {x, point.y + 5, width, height}, images};
}

ReportRect LineChartTooltipLayout::bubbleRect() const {
    double width = m_frame.width;
    double bubble = m_images.bubbleHeight;
    double rotatedWidth = m_images.arrowHeight;
    switch (m_position) {
        case Position::Above:
            return {0, m_images.arrowHeight - 1, width, bubble};
        case Position::Below:
            return {0, 0, width, bubble};
        case Position::LeftOfPoint:
            return {0, 0, width - rotatedWidth, bubble};
        case Position::RightOfPoint:
            return {rotatedWidth - 1, 0, width - rotatedWidth, bubble};
    }
    return {};
}

ReportPoint LineChartTooltipLayout::arrowOrigin() const {
    double width = m_frame.width;
    double bubble = m_images.bubbleHeight;
    double rotatedWidth = m_images.arrowHeight;
    double rotatedHeight = m_images.arrowWidth;
    switch (m_position) {
        case Position::Above:
            return {width / 2 - m_images.arrowWidth / 2, 1};
        case Position::Below:
            return {width / 2 - m_images.arrowWidth / 2, bubble - 1};
        case Position::LeftOfPoint:
            return {width - rotatedWidth - 1, bubble / 2 - rotatedHeight / 2};
        case Position::RightOfPoint:
            return {0, bubble / 2 - rotatedHeight / 2};
    }
    return {};
}

ReportPoint LineChartTooltipLayout::monthTextOrigin() const {
    switch (m_position) {
        case Position::Above:
            return {10, m_images.arrowHeight + 26};
        case Position::RightOfPoint:
            return {m_images.arrowHeight + 10, 26};
        default:
            return {10, 26};
    }
}

ReportPoint LineChartTooltipLayout::amountTextOrigin() const {
    switch (m_position) {
        case Position::Above:
            return {10, m_images.arrowHeight + 8};
        case Position::RightOfPoint:
            return {m_images.arrowHeight + 10, 8};
        default:
            return {10, 8};
    }
}
