#include "ui/common/InsetShadow.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
// Whole points keep the glyphs on the pixel grid at 1x and 2x alike.
constexpr qreal kShadowOffset = 1;
const QColor kShadowColor(255, 255, 255, 178);
}  // namespace

void InsetShadow::drawText(QPainter& painter, const QPointF& topLeft, const QString& text,
                           const QFont& font, const QColor& color) {
    const QFontMetricsF metrics(font);
    drawText(painter,
             QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text) + 1, metrics.height())),
             Qt::AlignLeft | Qt::AlignTop, text, font, color);
}

void InsetShadow::drawText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                           const QFont& font, const QColor& color) {
    painter.save();
    painter.setFont(font);
    painter.setPen(kShadowColor);
    painter.drawText(rect.translated(0, kShadowOffset), flags, text);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
    painter.restore();
}
