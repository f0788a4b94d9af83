#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QFont;

// The chrome's engraved text: the text over a copy of itself in white at 70 % opacity, one
// point lower. Shared by the sidebar and the trends chart's labels.
class InsetShadow final {
public:
    // Draws `text` with its bounding box's top-left at `topLeft`.
    static void drawText(QPainter& painter, const QPointF& topLeft, const QString& text,
                         const QFont& font, const QColor& color);
    // Draws `text` aligned by `flags` in `rect`.
    static void drawText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                         const QFont& font, const QColor& color);
};
