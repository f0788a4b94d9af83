#include "ui/common/BreadcrumbPath.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "base/AssertionFailure.h"

namespace {

QFont labelFont(bool bold, int pixelSize = 13) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

const QColor kLinkColor(QStringLiteral("#234E79"));
const QColor kChevronColor(QStringLiteral("#859DBA"));
// The texts stand this far above the strip's bottom edge (the chevron 2 lower).
constexpr qreal kBaseOffset = 6;
constexpr qreal kChevronOffset = 4;

}  // namespace

BreadcrumbPath::BreadcrumbPath(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void BreadcrumbPath::addBreadcrumb(const QString& name, const QVariant& representedObject) {
    m_crumbs.push_back({name, representedObject});
    render();
}

void BreadcrumbPath::resetToRoot() {
    PN_ASSERT(!m_crumbs.empty(), "There is no root crumb");
    m_crumbs.resize(1);
    render();
}

void BreadcrumbPath::clearCrumbs() {
    m_crumbs.clear();
    render();
}

std::optional<QRectF> BreadcrumbPath::linkRect(std::size_t index) const {
    for (const auto& [crumb, rect] : m_links) {
        if (crumb == index) {
            return rect;
        }
    }
    return std::nullopt;
}

QSize BreadcrumbPath::sizeHint() const {
    return {200, 28};
}

void BreadcrumbPath::resizeEvent(QResizeEvent* /*event*/) {
    render();
}

void BreadcrumbPath::render() {
    m_currentCrumb.reset();
    m_records.clear();
    m_links.clear();
    const qreal h = height();
    qreal x = 19;
    for (std::size_t i = 0; i < m_crumbs.size(); ++i) {
        const bool last = i + 1 == m_crumbs.size();
        const QFont font = labelFont(last);
        const QFontMetricsF metrics(font);
        const QString& name = m_crumbs[i].name;
        const qreal nameWidth = metrics.horizontalAdvance(name);
        // The view's y grows downward; the texts sit on a line a fixed height above the bottom.
        const QPointF topLeft(x, std::round(h - kBaseOffset - metrics.height()));
        m_records.push_back({topLeft, name, font, last ? QColor(Qt::black) : kLinkColor});
        qreal next = x + std::ceil(nameWidth) + 7;
        if (!last) {
            m_links.emplace_back(i, QRectF(topLeft, QSizeF(nameWidth, metrics.height())));
            const QFont chevronFont = labelFont(true, 17);
            const QFontMetricsF chevronMetrics(chevronFont);
            const QString chevron = QStringLiteral("\u203A");
            m_records.push_back(
                {QPointF(next, std::round(h - kChevronOffset - chevronMetrics.height())), chevron,
                 chevronFont, kChevronColor});
            next += std::ceil(chevronMetrics.horizontalAdvance(chevron)) + 7;
        }
        x = next;
    }
    // A link added under the pointer is current at once.
    if (underMouse()) {
        updateCurrentCrumb(mapFromGlobal(QCursor::pos()));
    } else {
        unsetCursor();
    }
    update();
}

void BreadcrumbPath::updateCurrentCrumb(const QPointF& position) {
    m_currentCrumb.reset();
    for (const auto& [crumb, rect] : m_links) {
        if (rect.contains(position)) {
            m_currentCrumb = crumb;
        }
    }
    if (m_currentCrumb) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void BreadcrumbPath::mouseMoveEvent(QMouseEvent* event) {
    updateCurrentCrumb(event->position());
}

void BreadcrumbPath::leaveEvent(QEvent* /*event*/) {
    m_currentCrumb.reset();
    unsetCursor();
}

void BreadcrumbPath::mouseReleaseEvent(QMouseEvent* event) {
    updateCurrentCrumb(event->position());
    if (event->button() != Qt::LeftButton || !m_currentCrumb) {
        return;
    }
    const std::size_t index = *m_currentCrumb;
    m_crumbs.resize(index + 1);
    const Breadcrumb crumb = m_crumbs[index];
    render();
    emit crumbClicked(index, crumb);
}

void BreadcrumbPath::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(QStringLiteral("#F2F2F2")));
    for (const Record& record : m_records) {
        painter.setFont(record.font);
        painter.setPen(record.color);
        const QFontMetricsF metrics(record.font);
        painter.drawText(QPointF(record.topLeft.x(), record.topLeft.y() + metrics.ascent()),
                         record.text);
    }
}
