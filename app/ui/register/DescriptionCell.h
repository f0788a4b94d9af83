#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;
class RegisterFonts;

// Draws the description column of a register row: the title at the top, truncated at its
// end; an orange badge with the check number right after the title; the notes 5 points
// below the title.
class DescriptionCell final {
public:
    struct Content {
        QString title;
        QString notes;        // null: no notes line
        QString checkNumber;  // null: no badge
        QColor titleColor;
        QColor notesColor;
    };

    // `frame` is the cell's content area; the cell keeps 3 points clear on either side.
    static void paint(QPainter& painter, const QRectF& frame, const Content& content,
                      const RegisterFonts& fonts);
};
