#pragma once

#include <QWidget>
#include <optional>

#include "reports/LineChartTooltipLayout.h"

class TrendChart;

// The bubble over a point of the trends chart with the point's month and amount. A child of
// the chart's content; it places itself by LineChartTooltipLayout so it stays in view.
class LineChartTooltip final : public QWidget {
    Q_OBJECT
public:
    explicit LineChartTooltip(QWidget* content);

    // Shows the tooltip of point `index` of `chart`; `visible` is the visible part of the
    // content (y up from the content's bottom).
    void showForIndex(const TrendChart& chart, std::size_t index, const ReportRect& visible);
    void hideTooltip();

    std::optional<std::size_t> shownIndex() const { return m_index; }
    LineChartTooltipLayout::Position position() const { return m_layout->position(); }
    QString monthText() const { return m_month; }
    QString amountText() const { return m_amount; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<std::size_t> m_index;
    std::optional<LineChartTooltipLayout> m_layout;
    QString m_month;
    QString m_amount;
};
