#include "ui/common/SidebarButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "ledger/CurrencyFormatter.h"
#include "ui/common/Images.h"
#include "ui/common/InsetShadow.h"
#include "ui/common/Sidebar.h"

namespace {

QFont buttonFont() {
    QFont font;
    font.setPixelSize(12);
    return font;
}

}  // namespace

SidebarButton::SidebarButton(const QString& title, QWidget* parent) : QAbstractButton(parent) {
    setText(title);
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setup();
}

void SidebarButton::setSidebar(Sidebar* sidebar) {
    m_sidebar = sidebar;
    setup();
}

void SidebarButton::setTitle(const QString& title) {
    setText(title);
    updateGeometry();
    update();
}

void SidebarButton::setAmount(const Decimal& amount) {
    m_amount = amount;
    setup();
}

void SidebarButton::setColorCoded(bool colorCoded) {
    m_colorCoded = colorCoded;
    setup();
}

void SidebarButton::setShowCents(bool showCents) {
    m_showCents = showCents;
    setup();
}

void SidebarButton::setIsIncome(bool isIncome) {
    m_isIncome = isIncome;
    setup();
}

void SidebarButton::setup() {
    const std::string code = m_sidebar != nullptr ? m_sidebar->currencyCode() : "USD";
    const CurrencyFormatter formatter =
        m_showCents ? CurrencyFormatter::formatterForCurrency(code)
                    : CurrencyFormatter::wholeAmountFormatterForCurrency(code);
    m_figures = SidebarFigures::button(m_amount, m_colorCoded, m_isIncome, formatter);
    updateGeometry();
    update();
}

QString SidebarButton::arrowName() const {
    switch (m_figures.arrow) {
        case SidebarFigures::Arrow::Down:
            return QStringLiteral("downArrow");
        case SidebarFigures::Arrow::Up:
            return QStringLiteral("upArrow");
        case SidebarFigures::Arrow::RedDown:
            return QStringLiteral("redDownArrow");
        case SidebarFigures::Arrow::GreenUp:
            return QStringLiteral("greenUpArrow");
    }
    return {};
}

QSize SidebarButton::idealSize() const {
    const QFontMetricsF metrics(buttonFont());
    const qreal textWidth =
        std::max(metrics.horizontalAdvance(text()),
                 metrics.horizontalAdvance(QString::fromStdString(m_figures.subtitle)));
    const qreal width = Images::imageSize(arrowName()).width() + 37 + 6 + std::ceil(textWidth);
    return {static_cast<int>(std::ceil(width)), kHeight};
}

void SidebarButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const qreal w = width();
    const qreal h = height();
    QColor bottomLine(QStringLiteral("#CACACA"));
    QColor topLine(QStringLiteral("#FBFBFB"));
    if (isSelected()) {
        const QSizeF highlight = Images::imageSize(QStringLiteral("sidebarHighlight"));
        Images::drawThreePartImage(
            painter, QRectF(0, h - 1 - highlight.height(), w, highlight.height()),
            QStringLiteral("sidebarHighlight"), QStringLiteral("sidebarHighlight"),
            QStringLiteral("sidebarHighlight"));
        bottomLine = QColor(QStringLiteral("#B3B3B3"));
        topLine = QColor(QStringLiteral("#E5ECF2"));
    }
    painter.setPen(bottomLine);
    painter.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));
    painter.setPen(topLine);
    painter.drawLine(QPointF(0, 0.5), QPointF(w, 0.5));

    const QString arrow = arrowName();
    const QSizeF arrowSize = Images::imageSize(arrow);
    painter.drawPixmap(QPointF(16, h - 29 - arrowSize.height()),
                       Images::image(arrow, devicePixelRatioF()));

    const QFont font = buttonFont();
    const QFontMetricsF metrics(font);
    const qreal textX = arrowSize.width() + 16 + 6;
    const qreal subtitleTop = h - 10 - metrics.height();
    const qreal titleTop = subtitleTop - 3 - metrics.height();
    InsetShadow::drawText(painter, QPointF(textX, titleTop), text(), font,
                          QColor(QStringLiteral("#222222")));
    InsetShadow::drawText(painter, QPointF(textX, subtitleTop),
                          QString::fromStdString(m_figures.subtitle), font,
                          QColor(QStringLiteral("#444444")));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(QRectF(2.5, 2.5, w - 5, h - 6));
    }
}
