#include "ui/summary/SummaryBox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "ledger/CurrencyFormatter.h"
#include "ui/common/Images.h"

namespace {

constexpr int kIconSize = 16;
const QColor kRule(QStringLiteral("#D8D8D8"));

QFont boxFont(bool bold) {
    QFont font;
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

QString colorFor(SummaryFigures::ValueStyle style) {
    switch (style) {
        case SummaryFigures::ValueStyle::Green:
            return QStringLiteral("237F00");
        case SummaryFigures::ValueStyle::Red:
            return QStringLiteral("CC0011");
        case SummaryFigures::ValueStyle::Plain:
            break;
    }
    return QStringLiteral("232323");
}

qreal lineHeight(const QFont& font) {
    return std::ceil(QFontMetricsF(font).height());
}

}  // namespace

SummaryBox::SummaryBox(QWidget* parent) : QWidget(parent) {}

void SummaryBox::setBox(const SummaryFigures::Box& box, const std::string& currencyCode) {
    m_box = box;
    const CurrencyFormatter formatter = CurrencyFormatter::formatterForCurrency(currencyCode);
    m_rows.clear();
    for (const SummaryFigures::Row& row : box.rows()) {
        m_rows.push_back({tr(row.label.c_str()),
                          QString::fromStdString(formatter.stringFromDecimal(row.value)),
                          colorFor(row.style)});
    }
    updateGeometry();
    update();
}

QString SummaryBox::title() const {
    return tr(m_box.title.c_str());
}

QSize SummaryBox::sizeHint() const {
    const qreal title = lineHeight(boxFont(true));
    const qreal row = 6 + lineHeight(boxFont(false)) + 6;
    return {240, static_cast<int>(title + 6 + row * static_cast<qreal>(m_rows.size()) + 1)};
}

void SummaryBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QString icon = m_box.icon == SummaryFigures::Icon::Budget
                             ? QStringLiteral("sourceListBudgetIcon")
                             : QStringLiteral("clock");
    painter.drawPixmap(QPointF(0, 1), Images::pixmap(icon, kIconSize, devicePixelRatioF()));
    const QFont titleFont = boxFont(true);
    painter.setFont(titleFont);
    painter.setPen(QColor(QStringLiteral("#232323")));
    painter.drawText(QRectF(kIconSize + 6, 0, width() - kIconSize - 6, lineHeight(titleFont)),
                     Qt::AlignLeft | Qt::AlignTop, title());
    qreal y = lineHeight(titleFont) + 6;
    for (const ShownRow& row : m_rows) {
        y = drawRow(painter, row, y);
    }
}

qreal SummaryBox::drawRow(QPainter& painter, const ShownRow& row, qreal y) const {
    painter.fillRect(QRectF(0, y, width(), 1), kRule);
    const QFont font = boxFont(false);
    const qreal height = lineHeight(font);
    const qreal half = width() / 2.0;
    painter.setFont(font);
    painter.setPen(QColor(QStringLiteral("#232323")));
    painter.drawText(QRectF(0, y + 6, half, height), Qt::AlignLeft | Qt::AlignTop, row.label);
    painter.setPen(QColor(QLatin1Char('#') + row.color));
    painter.drawText(QRectF(half, y + 6, width() - half, height), Qt::AlignRight | Qt::AlignTop,
                     row.value);
    return y + 6 + height + 6;
}
