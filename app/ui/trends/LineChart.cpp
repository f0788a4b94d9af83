#include "ui/trends/LineChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "reports/LineChartGeometry.h"
#include "ui/common/InsetShadow.h"
#include "ui/trends/ChartCoordinates.h"
#include "ui/trends/LineChartClipView.h"
#include "ui/trends/LineChartContent.h"
#include "ui/trends/LineChartTimeline.h"
#include "ui/trends/LineChartTooltip.h"

namespace {

QFont valueFont() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

}  // namespace

LineChart::LineChart(TrendChart chart, QWidget* parent)
    : QWidget(parent),
      m_chart(std::move(chart)),
      m_clipView(new LineChartClipView(this)),
      m_content(new LineChartContent(
          m_chart, [this] { return visibleContentRect(); }, nullptr)),
      m_timelineClip(new QWidget(this)),
      m_timeline(new LineChartTimeline(m_chart, m_timelineClip)) {
    m_marginWidth =
        std::ceil(QFontMetricsF(valueFont())
                      .horizontalAdvance(QString::fromStdString(m_chart.marginLabel()))) +
        8;
    m_clipView->setWidget(m_content);
    // The scroll area gives its widget a background; the bands behind must show through.
    m_content->setAutoFillBackground(false);
    connect(m_clipView->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int x) { chartDidScroll(x); });
    viewDidResize();
    scrollToEnd();
}

ReportRect LineChart::visibleContentRect() const {
    return {static_cast<double>(m_clipView->horizontalScrollBar()->value()), 0,
            static_cast<double>(m_clipView->viewport()->width()),
            static_cast<double>(m_content->height())};
}

bool LineChart::scrolls() const {
    return m_clipView->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

void LineChart::scrollToEnd() {
    QScrollBar* bar = m_clipView->horizontalScrollBar();
    // The scroll area sets its range only once it has laid itself out, which a chart not yet
    // shown has not: the range is the one it will set.
    bar->setRange(0, std::max(0, m_content->width() - m_clipView->width()));
    bar->setPageStep(m_clipView->width());
    bar->setValue(bar->maximum());
    chartDidScroll(bar->value());
}

void LineChart::chartDidScroll(int x) {
    m_timeline->move(-x, 0);
    m_content->tooltip().hideTooltip();
}

void LineChart::resizeEvent(QResizeEvent* /*event*/) {
    viewDidResize();
}

void LineChart::viewDidResize() {
    const qreal h = height();
    const LineChartGeometry::Frames frames = LineChartGeometry::frames(width(), h, m_marginWidth);
    const QRect plot = flippedRect(frames.chart, h).toAlignedRect();
    QRect timeline = flippedRect(frames.timeline, h).toAlignedRect();
    const int contentWidth = static_cast<int>(std::ceil(m_chart.contentWidth()));
    // The scroller takes room below the plot, so the plot keeps its height and the month
    // labels move down by the scroller's height.
    const bool scroll = contentWidth > plot.width();
    const int scroller = scroll ? m_clipView->horizontalScrollBar()->sizeHint().height() : 0;
    m_clipView->setHorizontalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    m_clipView->setGeometry(plot.adjusted(0, 0, 0, scroller));
    m_content->resize(contentWidth, plot.height());
    timeline.translate(0, scroller);
    m_timelineClip->setGeometry(timeline);
    m_timeline->resize(contentWidth, LineChartTimeline::kHeight);
    chartDidScroll(m_clipView->horizontalScrollBar()->value());
    update();
}

void LineChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const qreal h = height();
    const qreal plotHeight = m_content->height();
    const QFont font = valueFont();
    const QColor color(QStringLiteral("#444444"));
    for (int i = 0; i < ChartScale::kNumDivisions; ++i) {
        const QRectF rect =
            flippedRect(LineChartGeometry::valueLabelRect(i, plotHeight, m_marginWidth), h);
        InsetShadow::drawText(painter, rect, Qt::AlignRight | Qt::AlignVCenter,
                              QString::fromStdString(m_chart.valueLabels()[i]), font, color);
    }
}
