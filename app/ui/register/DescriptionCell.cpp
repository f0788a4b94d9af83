#include "ui/register/DescriptionCell.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "ui/register/RegisterFonts.h"

void DescriptionCell::paint(QPainter& painter, const QRectF& frame, const Content& content,
                            const RegisterFonts& fonts) {
    const double pt = fonts.pixelsPerPoint();
    const QRectF inner = frame.adjusted(3 * pt, 0, -3 * pt, 0);
    const QFontMetricsF titleMetrics(fonts.title());
    const QFontMetricsF badgeMetrics(fonts.checkNumber());

    double titleWidth = inner.width();
    double badgeWidth = 0;
    if (!content.checkNumber.isNull()) {
        badgeWidth = badgeMetrics.horizontalAdvance(content.checkNumber) + 6 * pt;
        titleWidth = std::min(titleMetrics.horizontalAdvance(content.title),
                              inner.width() - 7 * pt - badgeWidth);
    }
    titleWidth = std::max(0.0, titleWidth);
    const QString title = titleMetrics.elidedText(content.title, Qt::ElideRight, titleWidth);
    painter.save();
    painter.setFont(fonts.title());
    painter.setPen(content.titleColor);
    const QRectF titleRect(inner.left(), inner.top(), titleWidth, titleMetrics.height());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop, title);

    if (!content.checkNumber.isNull()) {
        const double titleEnd = inner.left() + titleMetrics.horizontalAdvance(title);
        const QRectF badge(titleEnd + 7 * pt, inner.top() + 2 * pt, badgeWidth, 14 * pt);
        QPainterPath path;
        path.addRoundedRect(badge, 2 * pt, 2 * pt);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(path, QColor("#FF9500"));
        painter.setFont(fonts.checkNumber());
        painter.setPen(Qt::white);
        painter.drawText(badge.adjusted(3 * pt, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         content.checkNumber);
    }

    if (!content.notes.isNull()) {
        const QFontMetricsF notesMetrics(fonts.notes());
        painter.setFont(fonts.notes());
        painter.setPen(content.notesColor);
        double y = titleRect.bottom() + 5 * pt;
        for (const QString& line : content.notes.split('\n')) {
            painter.drawText(QRectF(inner.left(), y, inner.width(), notesMetrics.height()),
                             Qt::AlignLeft | Qt::AlignTop,
                             notesMetrics.elidedText(line, Qt::ElideRight, inner.width()));
            y += notesMetrics.height();
        }
    }
    painter.restore();
}
