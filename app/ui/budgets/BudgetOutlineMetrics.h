#pragma once

#include <QRect>
#include <QRectF>

// The budget outline's row metrics in points. A row is its cells' height plus the vertical
// spacing between rows; a cell's frame is its part of the row inset by half of the spacing on
// each side (one point more below than above, so frames stay on whole points).
struct BudgetOutlineMetrics final {
    static constexpr int kRowHeight = 17;
    static constexpr int kTotalRowHeight = 35;
    static constexpr int kIntercellWidth = 8;
    static constexpr int kIntercellHeight = 19;

    // The height of a whole row of the outline.
    static constexpr int rowPitch(bool total) {
        return (total ? kTotalRowHeight : kRowHeight) + kIntercellHeight;
    }
    // The frame of a cell whose part of its row (column and row rectangles intersected) is
    // `rect`.
    static QRectF cellFrame(const QRect& rect) {
        const int top = kIntercellHeight / 2;
        const int left = kIntercellWidth / 2;
        return QRectF(rect).adjusted(left, top, -left, -(kIntercellHeight - top));
    }
};
