#include "ui/breakdown/BreakdownView.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "reports/BreakdownRows.h"
#include "ui/common/Images.h"

namespace {

using Row = BreakdownReport::Row;

QFont font13(bool bold = false) {
    QFont font;
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

const QColor kLinkColor(QStringLiteral("#234E79"));

qreal barHeight() {
    return Images::imageSize(QStringLiteral("breakdownBarLeft")).height();
}

}  // namespace

BreakdownView::BreakdownView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

BreakdownView::Style BreakdownView::styleOf(Row::Style style) {
    switch (style) {
        case Row::Style::Group:
            return {font13(true), kLinkColor};
        case Row::Style::Total:
            return {font13(), QColor(Qt::black)};
        case Row::Style::Category:
        case Row::Style::Uncategorized:
            break;
    }
    return {font13(), kLinkColor};
}

void BreakdownView::setRows(std::vector<Row> rows, const Decimal& maxAmount) {
    m_rows = std::move(rows);
    m_maxAmount = maxAmount;
    measure();
    // As high as its rows; the scroll view's white shows below them.
    setFixedHeight(sizeHint().height());
    unsetCursor();
    update();
}

void BreakdownView::measure() {
    m_nameWidth = 0;
    m_amountWidth = 0;
    const QFontMetricsF amountMetrics(font13());
    // Whole points, so that the separators below the texts are crisp lines.
    m_textHeight = std::ceil(amountMetrics.height());
    for (const Row& row : m_rows) {
        const QFontMetricsF metrics(styleOf(row.style).font);
        m_nameWidth = std::max(
            m_nameWidth, std::ceil(metrics.horizontalAdvance(QString::fromStdString(row.title))));
        m_amountWidth = std::max(
            m_amountWidth,
            std::ceil(amountMetrics.horizontalAdvance(QString::fromStdString(row.amountText))));
    }
}

QSize BreakdownView::sizeHint() const {
    const auto height = static_cast<int>(std::ceil(BreakdownRows::rowY(m_rows.size())));
    return {static_cast<int>(m_nameWidth + m_amountWidth + 120), height};
}

QRectF BreakdownView::nameRect(std::size_t index) const {
    const auto columns = BreakdownRows::columns(width(), m_nameWidth, m_amountWidth);
    return {columns.nameX, BreakdownRows::rowY(index), m_nameWidth, m_textHeight};
}

QRectF BreakdownView::amountRect(std::size_t index) const {
    const auto columns = BreakdownRows::columns(width(), m_nameWidth, m_amountWidth);
    return {columns.amountX, BreakdownRows::rowY(index), m_amountWidth, m_textHeight};
}

std::optional<QRectF> BreakdownView::barRect(std::size_t index) const {
    const Row& row = m_rows.at(index);
    if (row.style == Row::Style::Total) {
        return std::nullopt;
    }
    const auto columns = BreakdownRows::columns(width(), m_nameWidth, m_amountWidth);
    const auto length = BreakdownRows::barLength(row.amount, m_maxAmount, columns.barWidth);
    if (!length) {
        return std::nullopt;
    }
    return QRectF(columns.barX, BreakdownRows::barY(BreakdownRows::rowY(index)), *length,
                  barHeight());
}

std::optional<qreal> BreakdownView::separatorY(std::size_t index) const {
    if (m_rows.at(index).style == Row::Style::Total) {
        return std::nullopt;
    }
    return BreakdownRows::separatorY(BreakdownRows::rowY(index), m_textHeight);
}

std::optional<std::size_t> BreakdownView::linkAt(const QPointF& position) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].style == Row::Style::Total) {
            continue;
        }
        const std::optional<QRectF> bar = barRect(i);
        if (nameRect(i).contains(position) || (bar && bar->contains(position))) {
            return i;
        }
    }
    return std::nullopt;
}

void BreakdownView::updateCursor(const QPointF& position) {
    if (linkAt(position)) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void BreakdownView::mouseMoveEvent(QMouseEvent* event) {
    updateCursor(event->position());
}

void BreakdownView::leaveEvent(QEvent* /*event*/) {
    unsetCursor();
}

void BreakdownView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (const std::optional<std::size_t> row = linkAt(event->position())) {
        // The rows may be replaced by the click's handler: copy the key first.
        const BreakdownKey key = *m_rows[*row].key;
        emit keyClicked(key);
    }
}

void BreakdownView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const auto columns = BreakdownRows::columns(width(), m_nameWidth, m_amountWidth);
    const QFont amountFont = font13();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const Style style = styleOf(row.style);
        painter.setFont(style.font);
        painter.setPen(style.color);
        painter.drawText(nameRect(i), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(row.title));
        painter.setFont(amountFont);
        painter.setPen(Qt::black);
        painter.drawText(amountRect(i), Qt::AlignRight | Qt::AlignTop,
                         QString::fromStdString(row.amountText));
        if (const std::optional<qreal> y = separatorY(i)) {
            painter.setPen(QColor(QStringLiteral("#CCCCCC")));
            painter.drawLine(QPointF(columns.nameX, *y), QPointF(columns.lineEndX, *y));
        }
        if (const std::optional<QRectF> bar = barRect(i)) {
            Images::drawThreePartImage(painter, *bar, QStringLiteral("breakdownBarLeft"),
                                       QStringLiteral("breakdownBarMiddle"),
                                       QStringLiteral("breakdownBarRight"));
        }
    }
}
