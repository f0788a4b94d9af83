#include "ui/trends/TrendsView.h"

#include <QLabel>
#include <QPainter>

#include "reports/LineChartGeometry.h"
#include "ui/trends/LineChart.h"

TrendsView::TrendsView(QWidget* parent) : QWidget(parent), m_notice(new QLabel(this)) {
    m_notice->setText(tr("Signs inverted"));
    m_notice->setToolTip(
        tr("Most of these amounts are negative, so they are shown as positive amounts."));
    QFont font = m_notice->font();
    font.setPixelSize(11);
    font.setItalic(true);
    m_notice->setFont(font);
    m_notice->setStyleSheet(QStringLiteral("color: #666666;"));
    m_notice->adjustSize();
    m_notice->hide();
}

void TrendsView::setChart(TrendChart chart) {
    m_chart = std::move(chart);
    renderChart();
}

void TrendsView::showBlank() {
    m_chart.reset();
    delete m_lineChart;
    m_lineChart = nullptr;
    m_notice->hide();
}

void TrendsView::resizeEvent(QResizeEvent* /*event*/) {
    renderChart();
}

void TrendsView::renderChart() {
    delete m_lineChart;
    m_lineChart = nullptr;
    m_notice->hide();
    if (!m_chart) {
        return;
    }
    const ReportRect frame = LineChartGeometry::chartFrameInView(
        {0, 0, static_cast<double>(width()), static_cast<double>(height())});
    m_lineChart = new LineChart(*m_chart, this);
    m_lineChart->setGeometry(QRectF(frame.x, frame.y, frame.width, frame.height).toRect());
    m_lineChart->show();
    if (m_lineChart->signsAreInverted()) {
        const ReportPoint origin = LineChartGeometry::signsInvertedNoticeOrigin(frame.width);
        m_notice->move(static_cast<int>(origin.x), static_cast<int>(origin.y));
        m_notice->raise();
        m_notice->show();
    }
}

void TrendsView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(QStringLiteral("#F6F6F6")));
}
