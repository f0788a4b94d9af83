#include "ui/accounts/AmountField.h"

#include <QFocusEvent>
#include <QTimer>

#include "ledger/CurrencyFormatter.h"

AmountField::AmountField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight);
    setPlaceholderText(QStringLiteral("0.00"));
}

std::optional<Decimal> AmountField::interpretText(const QString& text, const std::string& code) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("-")) {
        return std::nullopt;
    }
    const std::string utf8 = trimmed.toStdString();
    if (auto plain = Decimal::parse(utf8)) {
        return plain->rounded(2);
    }
    try {
        if (auto formatted =
                CurrencyFormatter::formatterForCurrency(code).decimalFromString(utf8)) {
            return formatted->rounded(2);
        }
    } catch (const std::exception&) {
        // A code the formatter does not know: only plain numbers are read.
    }
    return std::nullopt;
}

Decimal AmountField::amount() const {
    return interpretText(text(), m_currencyCode).value_or(Decimal(0));
}

bool AmountField::isValid() const {
    const QString trimmed = text().trimmed();
    return trimmed.isEmpty() || trimmed == QLatin1String("-") ||
           interpretText(trimmed, m_currencyCode).has_value();
}

void AmountField::setAmount(const Decimal& amount) {
    setText(QString::fromStdString(amount.toString(2)));
}

void AmountField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (text().isEmpty() && m_shouldAssumeSign) {
        setText(QStringLiteral("-"));
        setCursorPosition(1);
    } else if (text().startsWith('-')) {
        // Select everything but the sign; after the focus event, which moves the cursor.
        QTimer::singleShot(0, this, [this] { setSelection(1, text().size() - 1); });
    }
}
