#include "ui/trends/LineChartTimeline.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "reports/LineChartGeometry.h"
#include "reports/TrendChart.h"
#include "ui/common/InsetShadow.h"

namespace {

QFont labelFont() {
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

}  // namespace

LineChartTimeline::LineChartTimeline(const TrendChart& chart, QWidget* parent)
    : QWidget(parent), m_chart(chart) {}

void LineChartTimeline::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QFont font = labelFont();
    const QFontMetricsF metrics(font);
    const qreal h = height();
    const QColor monthColor(QStringLiteral("#555555"));
    const QColor yearColor(QStringLiteral("#777777"));
    for (std::size_t i = 0; i < m_chart.pointCount(); ++i) {
        const ReportPoint month = LineChartGeometry::monthLabelOrigin(i);
        if (month.x > event->rect().right() + 40 || month.x < event->rect().left() - 80) {
            continue;
        }
        // Origins are the texts' bottom-left corners, y up from the timeline's bottom.
        InsetShadow::drawText(painter, QPointF(month.x, std::round(h - month.y - metrics.height())),
                              QString::fromStdString(m_chart.monthLabel(i)), font, monthColor);
        if (const auto& year = m_chart.yearLabel(i)) {
            const ReportPoint origin = LineChartGeometry::yearLabelOrigin(i);
            InsetShadow::drawText(painter,
                                  QPointF(origin.x, std::round(h - origin.y - metrics.height())),
                                  QString::fromStdString(*year), font, yearColor);
        }
    }
}
