#include "ui/common/CurrencyField.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "ledger/Currency.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/Global.h"
#include "ui/common/AmountField.h"

namespace {

constexpr int kSymbolGap = 5;

}  // namespace

CurrencyField::CurrencyField(ControlSize size, QWidget* parent)
    : QWidget(parent), m_size(size), m_amountField(new AmountField(this)) {
    setFixedHeight(controlHeight(size));
    QFont font = m_amountField->font();
    font.setPixelSize(controlTextPixelSize(size));
    m_amountField->setFont(font);
    m_amountField->setFixedHeight(controlHeight(size));
    setFocusProxy(m_amountField);
    setFocusPolicy(m_amountField->focusPolicy());
    setCurrencyCode("USD");
}

void CurrencyField::setCurrency(ObjectContext& context, Currency* currency) {
    m_currency = currency;
    setCurrencyCode(currency != nullptr ? currency->code()
                                        : Global::sharedInstanceInContext(context)->homeCurrency());
}

void CurrencyField::setCurrencyCode(const std::string& code) {
    if (code == m_code) {
        return;
    }
    m_code = code;
    m_symbol = QString::fromStdString(CurrencyFormatter::currencySymbolForCode_pn(code));
    // The pattern is the locale's currency pattern, the same for every code.
    m_symbolFirst = CurrencyFormatter::formatterForCurrency(code).patternBeginsWithCurrencySign();
    m_amountField->setCurrencyCode(code);
    layoutSymbol();
    update();
}

QFont CurrencyField::symbolFont() const {
    QFont font = this->font();
    font.setPixelSize(controlTextPixelSize(m_size));
    return font;
}

void CurrencyField::layoutSymbol() {
    const int symbolWidth = int(std::ceil(QFontMetricsF(symbolFont()).horizontalAdvance(m_symbol)));
    const int symbolHeight = m_size == ControlSize::Regular ? 19 : 18;
    const int fieldHeight = controlHeight(m_size);
    // The symbol frame sits on the control's baseline side, level with the field's text.
    const int symbolTop = (fieldHeight - symbolHeight + 1) / 2;
    if (m_symbolFirst) {
        m_symbolRect = QRect(0, symbolTop, symbolWidth, symbolHeight);
        m_amountField->setGeometry(symbolWidth + kSymbolGap, 0,
                                   std::max(0, width() - symbolWidth - kSymbolGap), fieldHeight);
    } else {
        const int fieldWidth = std::max(0, width() - symbolWidth - kSymbolGap);
        m_amountField->setGeometry(0, 0, fieldWidth, fieldHeight);
        m_symbolRect = QRect(fieldWidth + kSymbolGap, symbolTop, symbolWidth, symbolHeight);
    }
}

QSize CurrencyField::sizeHint() const {
    return {120, controlHeight(m_size)};
}

void CurrencyField::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutSymbol();
}

void CurrencyField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(symbolFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(m_symbolRect, Qt::AlignLeft | Qt::AlignVCenter, m_symbol);
}
