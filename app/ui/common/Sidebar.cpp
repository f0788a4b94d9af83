#include "ui/common/Sidebar.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "ledger/CurrencyFormatter.h"
#include "ledger/SidebarFigures.h"
#include "ui/common/Images.h"
#include "ui/common/InsetShadow.h"
#include "ui/common/SidebarButton.h"

namespace {

QFont savingsFont() {
    QFont font;
    font.setPixelSize(12);
    return font;
}

}  // namespace

Sidebar::Sidebar(QWidget* parent) : QWidget(parent) {
    m_group.setExclusive(true);
    setAutoFillBackground(false);
}

void Sidebar::addButton(SidebarButton* button) {
    m_buttons.push_back(button);
    button->setParent(this);
    button->setSidebar(this);
    m_group.addButton(button);
    layoutButtons();
    button->show();
    updateGeometry();
}

void Sidebar::selectButton(SidebarButton* button) {
    button->setChecked(true);
    update();
}

SidebarButton* Sidebar::selectedButton() const {
    for (SidebarButton* button : m_buttons) {
        if (button->isSelected()) {
            return button;
        }
    }
    return nullptr;
}

void Sidebar::setCurrencyCode(const std::string& code) {
    m_currencyCode = code;
    for (SidebarButton* button : m_buttons) {
        button->setup();
    }
    updateGeometry();
    update();
}

void Sidebar::setOverallSavings(const Decimal& savings) {
    m_overallSavings = savings;
    updateGeometry();
    update();
}

void Sidebar::setShowOverallSavings(bool show) {
    m_showOverallSavings = show;
    updateGeometry();
    update();
}

void Sidebar::setOnLeft(bool onLeft) {
    m_onLeft = onLeft;
    layoutButtons();
    update();
}

QString Sidebar::savingsText() const {
    const auto line = SidebarFigures::savingsLine(
        m_overallSavings, CurrencyFormatter::formatterForCurrency(m_currencyCode));
    return QString::fromStdString(line.word + line.amount);
}

qreal Sidebar::savingsLineWidth() const {
    return QFontMetricsF(savingsFont()).horizontalAdvance(savingsText());
}

int Sidebar::idealWidth() const {
    qreal width = 0;
    for (const SidebarButton* button : m_buttons) {
        width = std::max<qreal>(width, button->idealSize().width());
    }
    if (m_showOverallSavings) {
        width = std::max(width, std::ceil(savingsLineWidth()) + 28 + 5 +
                                    Images::imageSize(QStringLiteral("smallDownArrow")).width());
    }
    return static_cast<int>(std::ceil(width)) + 1;
}

void Sidebar::sizeToFit() {
    resize(idealWidth(), height());
    // A hidden widget gets its resize event only when shown; the buttons follow now.
    layoutButtons();
}

QSize Sidebar::sizeHint() const {
    return {idealWidth(), buttonsBottom() + 40};
}

void Sidebar::resizeEvent(QResizeEvent* /*event*/) {
    layoutButtons();
}

void Sidebar::layoutButtons() {
    int y = 0;
    const int x = m_onLeft ? 0 : 1;
    for (SidebarButton* button : m_buttons) {
        const int height = button->idealSize().height();
        button->setGeometry(x, y, width() - 1, height);
        y += height;
    }
}

int Sidebar::buttonsBottom() const {
    int bottom = 0;
    for (const SidebarButton* button : m_buttons) {
        bottom += button->idealSize().height();
    }
    return bottom;
}

void Sidebar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(QStringLiteral("#F2F2F2")));
    const qreal w = width();
    const qreal b = buttonsBottom();
    painter.setPen(QColor(QStringLiteral("#FBFBFB")));
    painter.drawLine(QPointF(0, b + 0.5), QPointF(w - 1, b + 0.5));
    const qreal borderX = m_onLeft ? w - 0.5 : 0.5;
    painter.setPen(QColor(QStringLiteral("#A5A5A5")));
    painter.drawLine(QPointF(borderX, 0), QPointF(borderX, height()));
    if (!m_showOverallSavings) {
        return;
    }
    const auto line = SidebarFigures::savingsLine(
        m_overallSavings, CurrencyFormatter::formatterForCurrency(m_currencyCode));
    const QFont font = savingsFont();
    const QFontMetricsF metrics(font);
    const QString word = QString::fromStdString(line.word);
    const QString amount = QString::fromStdString(line.amount);
    const QPointF origin(14, b + 1 + 6);
    InsetShadow::drawText(painter, origin, word, font,
                          QColor(QStringLiteral("#") + QString::fromStdString(line.wordColor)));
    const qreal wordWidth = metrics.horizontalAdvance(word);
    InsetShadow::drawText(painter, origin + QPointF(wordWidth, 0), amount, font,
                          QColor(QStringLiteral("#") + QString::fromStdString(line.amountColor)));
    const qreal labelWidth = metrics.horizontalAdvance(word + amount);
    const QString arrow =
        line.down ? QStringLiteral("smallDownArrow") : QStringLiteral("smallUpArrow");
    painter.drawPixmap(QPointF(std::round(labelWidth + 14 + 5), origin.y() + 2),
                       Images::image(arrow, devicePixelRatioF()));
}
