#pragma once

#include <QRectF>
#include <QString>

#include "budgets/TrackRow.h"

class QPainter;

// The cell of the budget outline's "actual" column: a grey track in which the row's actual
// amount fills up against its limit (green, red past a spending limit), the amount as text
// while the pointer is over the cell, and, on category and uncategorized rows, a zoom button
// that opens the transactions behind the row. The figures come from BudgetBarFigures; the
// cell only lays out and paints. Frames are in points, y growing downward.
class BudgetBarCell final {
public:
    struct Layout final {
        QRectF barRect;     // the track: the frame's width less 20, the track image's height
        QRectF buttonRect;  // the zoom button, 4 points right of the track, 2 below the top
        QRectF labelRect;   // the hover text, over the track, 2 points lower
    };
    [[nodiscard]] static Layout layoutWithFrame(const QRectF& frame);
    [[nodiscard]] static QRectF buttonRectForFrame(const QRectF& frame) {
        return layoutWithFrame(frame).buttonRect;
    }
    // Category and uncategorized rows have a zoom button; groups and the total have none.
    [[nodiscard]] static bool hasZoomButton(TrackRow::Type type) {
        return type == TrackRow::Type::Category || type == TrackRow::Type::Uncategorized;
    }

    struct Pointer final {
        bool overCell = false;
        bool overButton = false;
        bool buttonPressed = false;  // pressed and still over the button
    };
    // Paints `row` into `frame`; `progressMessage` is the hover text.
    static void draw(QPainter& painter, const QRectF& frame, const TrackRow& row,
                     const QString& progressMessage, Pointer pointer);
};
