#include "ui/common/AmountField.h"

#include <QFocusEvent>
#include <QTimer>

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

AmountField::AmountField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_formatter.setAssumesNegative(m_shouldAssumeSign);
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(this, &QLineEdit::returnPressed, this, [this] { commitEditing(); });
}

void AmountField::setShouldAssumeSign(bool assume) {
    m_shouldAssumeSign = assume;
    m_formatter.setAssumesNegative(assume);
    const bool showsValue = text() == m_shownText;
    m_shownText = qt(m_formatter.stringFromValue(m_value));
    if (showsValue && !hasFocus()) {
        setText(m_shownText);
    }
}

void AmountField::setCurrencyCode(const std::string& code) {
    m_formatter.setCurrencyCode(code);
}

std::optional<Decimal> AmountField::value() const {
    if (text() == m_shownText) {
        return m_value;
    }
    const AmountFormatter::Reading reading = m_formatter.read(text().toStdString());
    return reading.kind == AmountFormatter::Reading::Kind::Invalid ? m_value : reading.value;
}

void AmountField::setValue(const std::optional<Decimal>& value) {
    m_value = value;
    m_edited = false;
    m_shownText = qt(m_formatter.stringFromValue(value));
    setText(m_shownText);
}

Decimal AmountField::amount() const {
    return interpretAmount(value());
}

bool AmountField::isValid() const {
    return m_formatter.read(text().toStdString()).kind != AmountFormatter::Reading::Kind::Invalid;
}

void AmountField::commitEditing() {
    const bool keepsFocusText = hasFocus() && !m_edited;
    m_value = value();
    m_edited = false;
    // While the field still has the focus and nothing was typed, its "-" stays for typing.
    m_shownText = qt(m_formatter.stringFromValue(m_value));
    if (!keepsFocusText) {
        setText(m_shownText);
    }
    emit amountChanged();
}

void AmountField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    m_edited = false;
    if (!value().has_value()) {
        if (m_shouldAssumeSign) {
            setText(QStringLiteral("-"));
            setCursorPosition(1);
            // A mouse press places the cursor once focusing is over: typing goes after the sign.
            QTimer::singleShot(0, this, [this] {
                if (hasFocus() && !m_edited && text() == QStringLiteral("-")) {
                    setCursorPosition(1);
                }
            });
        }
        return;
    }
    // After the focus event: a mouse press places the cursor once focusing is over.
    selectAllButSign();
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && !m_edited) {
            selectAllButSign();
        }
    });
}

void AmountField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A pop-up (the context menu) takes the focus for a moment only.
    if (event->reason() != Qt::PopupFocusReason) {
        commitEditing();
    }
}

void AmountField::selectAllButSign() {
    const int start = text().startsWith('-') ? 1 : 0;
    setSelection(start, int(text().size()) - start);
}
