#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "reports/ReportGeometry.h"

class LineChartTooltip;
class TrendChart;

// The scrolled document of the trends chart: the line through the points and a dot on each,
// one 40-point column per month. The pointer over a point's column shows its tooltip.
class LineChartContent final : public QWidget {
    Q_OBJECT
public:
    // `visibleRect` gives the visible part of the content (y up) for placing the tooltip.
    LineChartContent(const TrendChart& chart, std::function<ReportRect()> visibleRect,
                     QWidget* parent = nullptr);

    // The point of data point i in the widget's own coordinates (y down).
    QPointF pointForIndex(std::size_t index) const;
    // The point whose column holds x, if any.
    std::optional<std::size_t> indexAtX(qreal x) const;
    LineChartTooltip& tooltip() const { return *m_tooltip; }
    // Shows the tooltip of point `index` (what hovering its column does).
    void showTooltipForIndex(std::size_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const TrendChart& m_chart;
    std::function<ReportRect()> m_visibleRect;
    LineChartTooltip* m_tooltip;
};
