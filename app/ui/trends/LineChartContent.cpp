#include "ui/trends/LineChartContent.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "reports/LineChartGeometry.h"
#include "reports/TrendChart.h"
#include "ui/trends/ChartCoordinates.h"
#include "ui/trends/LineChartTooltip.h"

namespace {
const QColor kLineColor(QStringLiteral("#3972CD"));
constexpr qreal kDotDiameter = 8;
}  // namespace

LineChartContent::LineChartContent(const TrendChart& chart, std::function<ReportRect()> visibleRect,
                                   QWidget* parent)
    : QWidget(parent),
      m_chart(chart),
      m_visibleRect(std::move(visibleRect)),
      m_tooltip(new LineChartTooltip(this)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QPointF LineChartContent::pointForIndex(std::size_t index) const {
    return flippedPoint(m_chart.pointForIndex(index, height()), height());
}

std::optional<std::size_t> LineChartContent::indexAtX(qreal x) const {
    const qreal column =
        std::round((x - LineChartGeometry::kPointMargin) / LineChartGeometry::kColumnWidth);
    if (column < 0 || column >= static_cast<qreal>(m_chart.pointCount())) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(column);
    const ReportRect area = LineChartGeometry::trackingRectForIndex(index, height());
    if (x < area.x || x >= area.x + area.width) {
        return std::nullopt;
    }
    return index;
}

void LineChartContent::showTooltipForIndex(std::size_t index) {
    m_tooltip->showForIndex(m_chart, index, m_visibleRect());
}

void LineChartContent::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<std::size_t> index = indexAtX(event->position().x());
    if (index == m_tooltip->shownIndex()) {
        return;
    }
    if (index) {
        showTooltipForIndex(*index);
    } else {
        m_tooltip->hideTooltip();
    }
}

void LineChartContent::leaveEvent(QEvent* /*event*/) {
    m_tooltip->hideTooltip();
}

void LineChartContent::paintEvent(QPaintEvent* /*event*/) {
    if (m_chart.pointCount() == 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(pointForIndex(0));
    for (std::size_t i = 1; i < m_chart.pointCount(); ++i) {
        path.lineTo(pointForIndex(i));
    }
    painter.setPen(QPen(kLineColor, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLineColor);
    for (std::size_t i = 0; i < m_chart.pointCount(); ++i) {
        painter.drawEllipse(pointForIndex(i), kDotDiameter / 2, kDotDiameter / 2);
    }
}
