#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

#include "base/Decimal.h"
#include "ledger/AmountFormatter.h"

// A text field for an amount, read and shown by the core's AmountFormatter: exactly two
// fraction digits in the user's locale. With shouldAssumeSign (the default) a typed number is
// an expense unless its sign is deleted: an empty field starts with "-" when it takes the
// focus, and zero shows as "-0.00". With a value, taking the focus selects the text but a
// leading "-". Editing ends with Return or when the field loses the focus: the text is shown
// again in the formatter's form (text that is not an amount goes back to the last value) and
// amountChanged() is sent.
class AmountField : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountField(QWidget* parent = nullptr);

    bool shouldAssumeSign() const { return m_shouldAssumeSign; }
    void setShouldAssumeSign(bool assume);
    // The formatter, for its currency form, minimum or fraction digits.
    AmountFormatter& formatter() { return m_formatter; }
    // Also reads the amounts typed in this currency's form ("$1,234.56").
    void setCurrencyCode(const std::string& code);

    // What the text holds: nothing for "" and "-"; text that is not an amount counts as the
    // value last shown.
    std::optional<Decimal> value() const;
    void setValue(const std::optional<Decimal>& value);
    // interpretAmount(value()): 0 for nothing, else rounded to 2 places (half away from zero).
    Decimal amount() const;
    // False when the text is not an amount (nor empty, nor "-").
    bool isValid() const;
    static Decimal interpretAmount(const std::optional<Decimal>& value) {
        return AmountFormatter::interpretAmount(value);
    }

    // Ends editing now, as Return would (a no-op when nothing was typed since the last time).
    void commitEditing();

signals:
    // Editing ended (the field's action).
    void amountChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void selectAllButSign();

    AmountFormatter m_formatter;
    std::optional<Decimal> m_value;
    QString m_shownText;  // the text of m_value as last shown; unchanged text reads as m_value
    bool m_shouldAssumeSign = true;
    bool m_edited = false;
};
