#include "ui/common/ChromeImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

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

// The budget outline's bars: a light grey track with round caps, and the green or red fill
// drawn into whatever width the share asks for (so it is drawn at its size, not stretched).
const QColor kTrackEdge(QStringLiteral("#B4B4B4"));

QLinearGradient trackGradient(qreal height) {
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, QColor("#E4E4E4"));
    gradient.setColorAt(1, QColor("#FAFAFA"));
    return gradient;
}

Draw trackCap(bool left) {
    return [left](QPainter& p, const QSizeF& s) {
        p.setPen(QPen(kTrackEdge, 1));
        p.setBrush(trackGradient(s.height()));
        const qreal x = left ? 0.5 : -s.width();
        p.drawRoundedRect(QRectF(x, 0.5, 2 * s.width() - 0.5, s.height() - 1), 5, 5);
    };
}

void drawTrackMiddle(QPainter& p, const QSizeF& s) {
    p.fillRect(QRectF(QPointF(0, 0), s), trackGradient(s.height()));
    p.fillRect(QRectF(0, 0, s.width(), 1), kTrackEdge);
    p.fillRect(QRectF(0, s.height() - 1, s.width(), 1), kTrackEdge);
}

Draw barFill(const char* top, const char* bottom, const char* edge) {
    return [top, bottom, edge](QPainter& p, const QSizeF& s) {
        QLinearGradient gradient(0, 1, 0, s.height() - 1);
        gradient.setColorAt(0, QColor(top));
        gradient.setColorAt(1, QColor(bottom));
        p.setPen(QPen(QColor(edge), 1));
        p.setBrush(gradient);
        const qreal radius = std::min<qreal>(4.5, s.width() / 2);
        p.drawRoundedRect(QRectF(0.5, 1.5, s.width() - 1, s.height() - 3), radius, radius);
    };
}

// The zoom button: a round button with a magnifying glass; darker under the pointer and while
// pressed.
Draw zoomButton(const char* fill, const char* glass) {
    return [fill, glass](QPainter& p, const QSizeF& s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(fill));
        p.drawEllipse(QRectF(0, 0, s.width(), s.height()));
        p.setPen(QPen(QColor(glass), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const qreal w = s.width();
        p.drawEllipse(QRectF(w * 0.24, w * 0.22, w * 0.4, w * 0.4));
        p.drawLine(QPointF(w * 0.58, w * 0.58), QPointF(w * 0.76, w * 0.76));
    };
}

// The pace needle's head under the scale: a small triangle pointing up at the bars.
void drawNeedle(QPainter& p, const QSizeF& s) {
    QPainterPath path;
    path.moveTo(s.width() / 2, 0);
    path.lineTo(s.width(), s.height());
    path.lineTo(0, s.height());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#333333"));
    p.drawPath(path);
}

// A note sheet with a folded corner and three lines: the limit has notes.
void drawNotes(QPainter& p, const QSizeF& s) {
    const qreal w = s.width();
    const qreal h = s.height();
    QPainterPath sheet;
    sheet.moveTo(0.5, 0.5);
    sheet.lineTo(w - 3.5, 0.5);
    sheet.lineTo(w - 0.5, 3.5);
    sheet.lineTo(w - 0.5, h - 0.5);
    sheet.lineTo(0.5, h - 0.5);
    sheet.closeSubpath();
    p.setPen(QPen(QColor("#A08A3C"), 1));
    p.setBrush(QColor("#FFF3B0"));
    p.drawPath(sheet);
    p.setPen(QPen(QColor("#B9A45A"), 1));
    for (qreal y = 4.5; y < h - 1; y += 2.5) {
        p.drawLine(QPointF(2, y), QPointF(w - 2.5, y));
    }
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
        {QStringLiteral("barGrayLeft"), {{5, 16}, trackCap(true)}},
        {QStringLiteral("barGrayMiddle"), {{2, 16}, drawTrackMiddle}},
        {QStringLiteral("barGrayRight"), {{5, 16}, trackCap(false)}},
        {QStringLiteral("barGreen"), {{10, 16}, barFill("#9BE07A", "#4E9E2E", "#3F8A23")}},
        {QStringLiteral("barRed"), {{10, 16}, barFill("#F58A80", "#C23228", "#A3261E")}},
        {QStringLiteral("zoom"), {{13, 13}, zoomButton("#A9A9A9", "#FFFFFF")}},
        {QStringLiteral("zoomRollover"), {{13, 13}, zoomButton("#6F6F6F", "#FFFFFF")}},
        {QStringLiteral("zoomPressed"), {{13, 13}, zoomButton("#454545", "#DDDDDD")}},
        {QStringLiteral("needle"), {{9, 6}, drawNeedle}},
        {QStringLiteral("notes"), {{10, 11}, drawNotes}},
    };
    return images;
}
