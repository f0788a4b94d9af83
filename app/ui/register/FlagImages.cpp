#include "ui/register/FlagImages.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A pennant on a pole in a 16 x 16 square.
void drawPennant(QPainter& painter, const QColor& fill) {
    painter.setPen(QPen(fill.darker(150), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4.5, 2.5), QPointF(4.5, 14));
    QPainterPath flag;
    flag.moveTo(5, 2.5);
    flag.lineTo(13.5, 5.5);
    flag.lineTo(5, 8.5);
    flag.closeSubpath();
    painter.setPen(QPen(fill.darker(130), 0.8));
    painter.setBrush(fill);
    painter.drawPath(flag);
}

void drawClock(QPainter& painter) {
    painter.setPen(QPen(QColor("#7A7A7A"), 1.0));
    painter.setBrush(QColor("#EEEEEE"));
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    painter.setPen(QPen(QColor("#555555"), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 8), QPointF(8, 4.8));
    painter.drawLine(QPointF(8, 8), QPointF(10.5, 9.3));
}

}  // namespace

bool FlagImages::hasImage(const QString& name) {
    return name == "pendingFlag" || name == "newFlag" || name == "generatedFlag" ||
           name == "pendingFlagGray" || name == "newFlagGray";
}

void FlagImages::paint(QPainter& painter, const QRectF& rect, const QString& name) {
    if (!hasImage(name)) {
        return;
    }
    const qreal side = std::min({rect.width(), rect.height(), qreal(16)});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 16, side / 16);
    if (name == "generatedFlag") {
        drawClock(painter);
    } else if (name == "pendingFlag") {
        drawPennant(painter, QColor("#3C7FD8"));
    } else if (name == "newFlag") {
        drawPennant(painter, QColor("#F08A1C"));
    } else {
        drawPennant(painter, QColor("#C4C4C4"));
    }
    painter.restore();
}
