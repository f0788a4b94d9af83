#pragma once

#include <QPointF>
#include <QRectF>

#include "reports/ReportGeometry.h"

// The chart's figures put y growing upward from a view's bottom; Qt's y grows downward. These
// turn a rectangle or point of a view `height` high from the one into the other.
inline QRectF flippedRect(const ReportRect& rect, qreal height) {
    return {rect.x, height - rect.y - rect.height, rect.width, rect.height};
}

inline QPointF flippedPoint(const ReportPoint& point, qreal height) {
    return {point.x, height - point.y};
}
