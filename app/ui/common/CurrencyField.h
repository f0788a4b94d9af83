#pragma once

#include <QWidget>
#include <string>

#include "ui/common/ControlSize.h"

class AmountField;
class Currency;
class ObjectContext;

// An amount field with its currency's symbol drawn beside it: before the amount when the
// user's locale writes the currency sign first ("$ [ 12.50]"), after it otherwise
// ("[ 12,50] €"). Regular fields are 22 points high, small ones 21. The keyboard focus goes
// to the inner amount field, which also takes the field's place in a tab order.
class CurrencyField : public QWidget {
    Q_OBJECT
public:
    explicit CurrencyField(ControlSize size = ControlSize::Regular, QWidget* parent = nullptr);

    AmountField* amountField() const { return m_amountField; }
    ControlSize controlSize() const { return m_size; }

    // nullptr: the home currency of `context`.
    void setCurrency(ObjectContext& context, Currency* currency);
    Currency* currency() const { return m_currency; }
    // The symbol of the code's currency in the user's locale; the amount field reads that
    // currency's form too.
    void setCurrencyCode(const std::string& code);
    const std::string& currencyCode() const { return m_code; }
    QString symbol() const { return m_symbol; }
    // Where the symbol is drawn.
    QRect symbolRect() const { return m_symbolRect; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutSymbol();
    QFont symbolFont() const;

    ControlSize m_size;
    AmountField* m_amountField = nullptr;
    Currency* m_currency = nullptr;
    std::string m_code;
    QString m_symbol;
    bool m_symbolFirst = true;
    QRect m_symbolRect;
};
