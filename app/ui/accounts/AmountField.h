#pragma once

#include <QLineEdit>
#include <string>

#include "base/Decimal.h"

// A text field for an amount. With shouldAssumeSign on, an empty field starts with "-" when
// it takes the focus, so a typed number is an expense unless the sign is deleted.
class AmountField final : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountField(QWidget* parent = nullptr);

    bool shouldAssumeSign() const { return m_shouldAssumeSign; }
    void setShouldAssumeSign(bool assume) { m_shouldAssumeSign = assume; }
    // The currency whose format the field reads besides plain numbers ("$1,234.56").
    void setCurrencyCode(const std::string& code) { m_currencyCode = code; }

    // The amount, rounded to 2 places (half away from zero); 0 for no value ("" or "-").
    // Text that is not an amount also reads as nothing: isValid() tells it apart.
    Decimal amount() const;
    bool isValid() const;
    void setAmount(const Decimal& amount);

    // Reads `text` as an amount: nothing for "", "-" or text that is not a number.
    static std::optional<Decimal> interpretText(const QString& text, const std::string& code);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_shouldAssumeSign = true;
    std::string m_currencyCode = "USD";
};
