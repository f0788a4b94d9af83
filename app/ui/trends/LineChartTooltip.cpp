#include "ui/trends/LineChartTooltip.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "reports/TrendChart.h"
#include "ui/common/Images.h"
#include "ui/trends/ChartCoordinates.h"

namespace {

QFont tooltipFont() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

LineChartTooltipLayout::ImageSizes imageSizes() {
    const QSizeF bubble = Images::imageSize(QStringLiteral("tooltipLeft"));
    const QSizeF arrow = Images::imageSize(QStringLiteral("tooltipArrow"));
    return {bubble.height(), arrow.width(), arrow.height()};
}

}  // namespace

LineChartTooltip::LineChartTooltip(QWidget* content) : QWidget(content) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void LineChartTooltip::showForIndex(const TrendChart& chart, std::size_t index,
                                    const ReportRect& visible) {
    const qreal contentHeight = parentWidget()->height();
    m_index = index;
    m_month = QString::fromStdString(chart.tooltipDate(index));
    m_amount = QString::fromStdString(chart.tooltipAmount(index));
    const QFontMetricsF metrics(tooltipFont());
    const qreal textWidth =
        std::max(metrics.horizontalAdvance(m_month), metrics.horizontalAdvance(m_amount));
    m_layout = LineChartTooltipLayout::place(chart.pointForIndex(index, contentHeight), visible,
                                             std::ceil(textWidth), imageSizes());
    setGeometry(flippedRect(m_layout->frame(), contentHeight).toAlignedRect());
    raise();
    show();
    update();
}

void LineChartTooltip::hideTooltip() {
    m_index.reset();
    hide();
}

void LineChartTooltip::paintEvent(QPaintEvent* /*event*/) {
    if (!m_layout) {
        return;
    }
    QPainter painter(this);
    const qreal h = height();
    Images::drawThreePartImage(painter, flippedRect(m_layout->bubbleRect(), h),
                               QStringLiteral("tooltipLeft"), QStringLiteral("tooltipMiddle"),
                               QStringLiteral("tooltipRight"));
    QPixmap arrow;
    const qreal ratio = devicePixelRatioF();
    switch (m_layout->position()) {
        case LineChartTooltipLayout::Position::Above:
            arrow = Images::image(QStringLiteral("tooltipArrow"), ratio);
            break;
        case LineChartTooltipLayout::Position::Below:
            arrow = Images::image(QStringLiteral("tooltipArrowUp"), ratio);
            break;
        case LineChartTooltipLayout::Position::LeftOfPoint:
            arrow = Images::rotateBy(Images::image(QStringLiteral("tooltipArrow"), ratio), 90);
            break;
        case LineChartTooltipLayout::Position::RightOfPoint:
            arrow = Images::rotateBy(Images::image(QStringLiteral("tooltipArrow"), ratio), 270);
            break;
    }
    const QSizeF arrowSize = arrow.deviceIndependentSize();
    const ReportPoint arrowOrigin = m_layout->arrowOrigin();
    painter.drawPixmap(QPointF(arrowOrigin.x, h - arrowOrigin.y - arrowSize.height()), arrow);

    const QFont font = tooltipFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    // Each text's origin is its bottom-left corner, y up from the tooltip's bottom.
    const auto drawLine = [&](const ReportPoint& origin, const QString& text, const char* color) {
        painter.setPen(QColor(QString::fromLatin1(color)));
        const qreal top = std::round(h - origin.y - metrics.height());
        painter.drawText(QPointF(origin.x, top + metrics.ascent()), text);
    };
    drawLine(m_layout->monthTextOrigin(), m_month, "#dddddd");
    drawLine(m_layout->amountTextOrigin(), m_amount, "#eeeeee");
}
