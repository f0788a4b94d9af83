#include "budgets/CategoryLimit.h"

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "budgets/LimitAmount.h"
#include "ledger/AmountRange.h"
#include "ledger/Category.h"
#include "ledger/LedgerSums.h"
#include "store/EntityBuilder.h"

const EntityDescription& CategoryLimit::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<CategoryLimit>("CategoryLimit")
            .attribute("amount", &CategoryLimit::m_amount)
            .rule(AmountRange::kRule)
            .attribute("showMonthlyAmount", &CategoryLimit::m_showMonthlyAmount)
            .attribute("notes", &CategoryLimit::m_notes)
            .toOne("category", &CategoryLimit::m_category, &Category::entityDescription, "limits")
            .toOne("budget", &CategoryLimit::m_budget, &Budget::entityDescription, "categoryLimits")
            .build();
    return description;
}

void CategoryLimit::setAmount(const Decimal& value) {
    setValue(&CategoryLimit::m_amount, LimitAmount::wholeAmount(value));
}

void CategoryLimit::setCategory(Category* category) {
    setToOne(&CategoryLimit::m_category, category);
}

void CategoryLimit::setBudget(Budget* budget) {
    setToOne(&CategoryLimit::m_budget, budget);
}

LimitSheetFields::Saved CategoryLimit::saveSheetFields(const LimitSheetFields& fields) {
    PN_ASSERT(m_budget != nullptr, "Budget should be set");
    const LimitSheetFields::Saved saved =
        fields.saveFields(m_amount, static_cast<int>(m_budget->months()));
    setAmount(saved.amount);
    setShowMonthlyAmount(saved.showMonthlyAmount);
    return saved;
}

bool CategoryLimit::isExpense() const {
    return LimitAmount::isExpense(m_amount);
}

Decimal CategoryLimit::actualAmount() const {
    PN_ASSERT(m_category != nullptr, "Category should be set");
    PN_ASSERT(m_budget != nullptr, "Budget should be set");
    return LedgerSums::categoryAmountFromDate(*m_category, m_budget->startDate(),
                                              m_budget->endDate())
        .value_or(Decimal());
}

void CategoryLimit::estimate(std::optional<Date> date) {
    PN_ASSERT(m_category != nullptr, "Category should be set");
    PN_ASSERT(m_budget != nullptr, "Budget should be set");
    ObjectContext& context = *managedObjectContext();
    const Date day = date.value_or(Date::today_PN());
    const auto window =
        LimitAmount::estimateWindow(LedgerSums::earliestTransactionDate(context), day);
    if (!window) {
        setAmount(Decimal());
        return;
    }
    const Decimal total =
        LedgerSums::categoryAmountFromDate(*m_category, window->fromDate, window->toDate)
            .value_or(Decimal());
    setAmount(LimitAmount::estimatedAmount(total, window->days, m_budget->days()));
}
