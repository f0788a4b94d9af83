#pragma once

#include <QWidget>
#include <optional>

#include "reports/TrendChart.h"

class LineChart;
class QLabel;

// The trends view's drawing area: a light background, the line chart inset by 20 points, and
// the notice that the amounts are shown with their signs inverted when the chart says so. It
// makes a new LineChart whenever its chart or its size changes.
class TrendsView final : public QWidget {
    Q_OBJECT
public:
    explicit TrendsView(QWidget* parent = nullptr);

    // Shows `chart` (rendering it at once when the view has a size).
    void setChart(TrendChart chart);
    // Removes the chart: the view is blank until the next setChart.
    void showBlank();

    LineChart* lineChart() const { return m_lineChart; }
    QLabel& signsInvertedNotice() const { return *m_notice; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderChart();

    std::optional<TrendChart> m_chart;
    LineChart* m_lineChart = nullptr;
    QLabel* m_notice;
};
