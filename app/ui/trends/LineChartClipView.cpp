#include "ui/trends/LineChartClipView.h"

#include <QPainter>
#include <QScrollBar>

#include "reports/LineChartGeometry.h"
#include "ui/trends/ChartCoordinates.h"

LineChartClipView::LineChartClipView(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    viewport()->setAutoFillBackground(false);
    // A small graphite scroller without arrows, as the chart's only control.
    horizontalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:horizontal { height: 11px; background: #F2F2F2;"
        " border-top: 1px solid #D6D6D6; margin: 0; }"
        "QScrollBar::handle:horizontal { background: #9A9FA6; border-radius: 4px;"
        " min-width: 24px; margin: 2px 1px 1px 1px; }"
        "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }"
        "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal {"
        " background: none; }"));
}

void LineChartClipView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    const qreal w = viewport()->width();
    const qreal h = viewport()->height();
    painter.fillRect(viewport()->rect(), Qt::white);
    const auto bands = LineChartGeometry::bandRects(w, h);
    const QColor bandColor(QStringLiteral("#EBF4F7"));
    for (std::size_t i = 0; i < bands.size(); i += 2) {
        painter.fillRect(flippedRect(bands[i], h), bandColor);
    }
    painter.setPen(QColor(QStringLiteral("#DADADA")));
    for (std::size_t i = 1; i < bands.size(); ++i) {
        // Band i starts at a whole point; the line's centre half a point inside keeps it crisp.
        const qreal y = h - bands[i].y - 0.5;
        painter.drawLine(QPointF(0, y), QPointF(w, y));
    }
}
