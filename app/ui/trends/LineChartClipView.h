#pragma once

#include <QScrollArea>

// The trends chart's horizontally scrolling plot: behind the content it fills the value
// scale's bands 0, 2 and 4 and draws the grid lines between the bands, across the whole
// visible width.
class LineChartClipView final : public QScrollArea {
    Q_OBJECT
public:
    explicit LineChartClipView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
