#include "ui/common/ChromeImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using Draw = std::function<void(QPainter&, const QSizeF&)>;

// A triangle in a w x h box pointing down (or up).
void drawTriangle(QPainter& p, const QSizeF& s, const QColor& fill, const QColor& edge, bool up) {
    QPainterPath path;
    if (up) {
        path.moveTo(s.width() / 2, 0.5);
        path.lineTo(s.width() - 0.5, s.height() - 0.5);
        path.lineTo(0.5, s.height() - 0.5);
    } else {
        path.moveTo(0.5, 0.5);
        path.lineTo(s.width() - 0.5, 0.5);
        path.lineTo(s.width() / 2, s.height() - 0.5);
    }
    path.closeSubpath();
    p.setPen(QPen(edge, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

Draw arrow(const char* fill, const char* edge, bool up) {
    return [fill, edge, up](QPainter& p, const QSizeF& s) {
        // The sidebar's arrows: a shaft and a head, drawn inside a 14-point square.
        const qreal w = s.width();
        const qreal h = s.height();
        QPainterPath path;
        if (up) {
            path.moveTo(w / 2, 1);
            path.lineTo(w - 1, h / 2);
            path.lineTo(w * 0.66, h / 2);
            path.lineTo(w * 0.66, h - 1);
            path.lineTo(w * 0.34, h - 1);
            path.lineTo(w * 0.34, h / 2);
            path.lineTo(1, h / 2);
        } else {
            path.moveTo(w / 2, h - 1);
            path.lineTo(w - 1, h / 2);
            path.lineTo(w * 0.66, h / 2);
            path.lineTo(w * 0.66, 1);
            path.lineTo(w * 0.34, 1);
            path.lineTo(w * 0.34, h / 2);
            path.lineTo(1, h / 2);
        }
        path.closeSubpath();
        p.setPen(QPen(QColor(edge), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(fill));
        p.drawPath(path);
    };
}

void drawSidebarHighlight(QPainter& p, const QSizeF& s) {
    QLinearGradient gradient(0, 0, 0, s.height());
    gradient.setColorAt(0, QColor("#DCE6F0"));
    gradient.setColorAt(1, QColor("#C4D3E2"));
    p.fillRect(QRectF(QPointF(0, 0), s), gradient);
}

const QColor kBubble(30, 30, 30, 225);

// The bubble's caps are half of a rounded rectangle; the middle is a plain strip.
Draw bubbleCap(bool left) {
    return [left](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBubble);
        const qreal x = left ? 0 : -s.width();
        p.drawRoundedRect(QRectF(x, 0, 2 * s.width(), s.height()), 6, 6);
    };
}

void drawBubbleMiddle(QPainter& p, const QSizeF& s) {
    p.fillRect(QRectF(QPointF(0, 0), s), kBubble);
}

Draw tooltipArrow(bool up) {
    return [up](QPainter& p, const QSizeF& s) {
        QPainterPath path;
        if (up) {
            path.moveTo(s.width() / 2, 0);
            path.lineTo(s.width(), s.height());
            path.lineTo(0, s.height());
        } else {
            path.moveTo(0, 0);
            path.lineTo(s.width(), 0);
            path.lineTo(s.width() / 2, s.height());
        }
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kBubble);
        p.drawPath(path);
    };
}

QLinearGradient barGradient(qreal height) {
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, QColor("#8FB4E8"));
    gradient.setColorAt(0.5, QColor("#5A8FD8"));
    gradient.setColorAt(1, QColor("#3F73C0"));
    return gradient;
}

Draw barCap(bool left) {
    return [left](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(barGradient(s.height()));
        const qreal x = left ? 0 : -s.width();
        p.drawRoundedRect(QRectF(x, 0, 2 * s.width(), s.height()), 4, 4);
    };
}

void drawBarMiddle(QPainter& p, const QSizeF& s) {
    p.fillRect(QRectF(QPointF(0, 0), s), barGradient(s.height()));
}

}  // namespace

const QHash<QString, ChromeImages::Image>& ChromeImages::all() {
    static const QHash<QString, Image> images = {
        {QStringLiteral("smallDownArrow"),
         {{9, 9},
          [](QPainter& p, const QSizeF& s) {
              drawTriangle(p, s, QColor("#CC0000"), QColor("#990000"), false);
          }}},
        {QStringLiteral("smallUpArrow"),
         {{9, 9},
          [](QPainter& p, const QSizeF& s) {
              drawTriangle(p, s, QColor("#258B19"), QColor("#1B6612"), true);
          }}},
        {QStringLiteral("downArrow"), {{14, 14}, arrow("#8C8C8C", "#6E6E6E", false)}},
        {QStringLiteral("upArrow"), {{14, 14}, arrow("#8C8C8C", "#6E6E6E", true)}},
        {QStringLiteral("redDownArrow"), {{14, 14}, arrow("#D8413A", "#A5231E", false)}},
        {QStringLiteral("greenUpArrow"), {{14, 14}, arrow("#3DA53A", "#257A22", true)}},
        {QStringLiteral("sidebarHighlight"), {{12, 53}, drawSidebarHighlight}},
        {QStringLiteral("tooltipLeft"), {{6, 44}, bubbleCap(true)}},
        {QStringLiteral("tooltipMiddle"), {{2, 44}, drawBubbleMiddle}},
        {QStringLiteral("tooltipRight"), {{6, 44}, bubbleCap(false)}},
        {QStringLiteral("tooltipArrow"), {{14, 8}, tooltipArrow(false)}},
        {QStringLiteral("tooltipArrowUp"), {{14, 8}, tooltipArrow(true)}},
        {QStringLiteral("breakdownBarLeft"), {{4, 16}, barCap(true)}},
        {QStringLiteral("breakdownBarMiddle"), {{2, 16}, drawBarMiddle}},
        {QStringLiteral("breakdownBarRight"), {{4, 16}, barCap(false)}},
    };
    return images;
}
