#pragma once

#include <QWidget>

#include "reports/TrendChart.h"

class LineChartClipView;
class LineChartContent;
class LineChartTimeline;

// One trends chart: the value scale in a fixed margin on the left, the plot scrolling
// horizontally at 40 points a month, and the month labels under it scrolled in step. Made for
// one TrendChart; the trends view makes a new one for each series and size. Opens scrolled to
// the latest months.
class LineChart final : public QWidget {
    Q_OBJECT
public:
    LineChart(TrendChart chart, QWidget* parent = nullptr);

    const TrendChart& chart() const { return m_chart; }
    bool signsAreInverted() const { return m_chart.signsAreInverted(); }
    qreal marginWidth() const { return m_marginWidth; }

    LineChartClipView& clipView() const { return *m_clipView; }
    LineChartContent& content() const { return *m_content; }
    LineChartTimeline& timeline() const { return *m_timeline; }
    // The plot's visible part in the content's coordinates, y up.
    ReportRect visibleContentRect() const;
    // Whether the plot scrolls (its scroller is shown).
    bool scrolls() const;
    void scrollToEnd();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the plot, the timeline and the margin; makes room for the scroller when shown.
    void viewDidResize();
    void chartDidScroll(int x);

    TrendChart m_chart;
    qreal m_marginWidth = 0;
    LineChartClipView* m_clipView;
    LineChartContent* m_content;
    QWidget* m_timelineClip;
    LineChartTimeline* m_timeline;
};
