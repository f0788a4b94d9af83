#include "SidebarFigures.h"

#include "CurrencyFormatter.h"
#include "base/AssertionFailure.h"

SidebarFigures::Button SidebarFigures::button(const Decimal& amount, bool colorCoded, bool isIncome,
                                              const CurrencyFormatter& formatter) {
    bool down = amount.sign() <= 0;
    if (isIncome) {
        PN_ASSERT(amount.sign() >= 0, amount.toString() + " should be positive");
        down = false;
    }
    Arrow arrow = down ? Arrow::Down : Arrow::Up;
    if (colorCoded) {
        arrow = down ? Arrow::RedDown : Arrow::GreenUp;
    }
    return {formatter.stringFromDecimal(amount.absolute_pn()), arrow};
}

SidebarFigures::SavingsLine SidebarFigures::savingsLine(const Decimal& overallSavings,
                                                        const CurrencyFormatter& formatter) {
    if (overallSavings.sign() < 0) {
        return {"Loss: ", formatter.stringFromDecimal(overallSavings.negate_pn()), "222222",
                "CC0000", true};
    }
    return {"Savings: ", formatter.stringFromDecimal(overallSavings), "222222", "258B19", false};
}
