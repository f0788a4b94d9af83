#pragma once

#include <QWidget>

class TrendChart;

// The month labels under the trends chart's points, with the year under each January. As wide
// as the chart's content and scrolled with it.
class LineChartTimeline final : public QWidget {
    Q_OBJECT
public:
    explicit LineChartTimeline(const TrendChart& chart, QWidget* parent = nullptr);

    static constexpr int kHeight = 41;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TrendChart& m_chart;
};
