#include "LimitSheetFields.h"

#include "LimitAmount.h"
#include "base/AssertionFailure.h"

Decimal LimitSheetFields::monthlyAmountFor(const Decimal& x, int months) {
    PN_ASSERT(months >= 1, "A budget needs at least one month");
    return (x / Decimal(months)).rounded(0);
}

Decimal LimitSheetFields::overallAmountFor(const Decimal& x, int months) {
    return x * Decimal(months);
}

LimitSheetFields LimitSheetFields::loadFields(const Decimal& amount, bool showMonthlyAmount,
                                              int months) {
    LimitSheetFields fields;
    fields.incomeSelected = !LimitAmount::isExpense(amount);
    fields.monthlySelected = showMonthlyAmount;
    Decimal overall = amount.absolute_pn();
    fields.fieldValue = showMonthlyAmount ? monthlyAmountFor(overall, months) : overall;
    return fields;
}

LimitSheetFields LimitSheetFields::estimateTypeChanged(bool monthly, int months) const {
    LimitSheetFields changed = *this;
    if (monthly == monthlySelected) {
        return changed;
    }
    changed.monthlySelected = monthly;
    changed.fieldValue =
        monthly ? monthlyAmountFor(fieldValue, months) : overallAmountFor(fieldValue, months);
    return changed;
}

LimitSheetFields::Saved LimitSheetFields::saveFields(const Decimal& currentAmount,
                                                     int months) const {
    PN_ASSERT(fieldValue.sign() >= 0, "A limit field never holds a negative amount");
    Saved saved;
    saved.showMonthlyAmount = monthlySelected;
    Decimal value = monthlySelected ? overallAmountFor(fieldValue, months) : fieldValue;
    bool wasExpense = LimitAmount::isExpense(currentAmount);
    if (LimitAmount::wholeAmount(value).isZero()) {
        saved.amount = Decimal();
        saved.moved = !wasExpense;
    } else if (incomeSelected) {
        saved.amount = LimitAmount::wholeAmount(value);
        saved.moved = wasExpense;
    } else {
        saved.amount = LimitAmount::wholeAmount(value.negate_pn());
        saved.moved = !wasExpense;
    }
    return saved;
}
