#pragma once

#include <optional>
#include <string>

#include "LimitSheetFields.h"
#include "base/Date.h"
#include "base/Decimal.h"
#include "store/Entity.h"

class Budget;
class Category;

// One budget's limit for one category over the budget's whole period, in home-currency units:
// negative (or zero) for spending, positive for an income goal, always whole.
class CategoryLimit final : public Entity<CategoryLimit> {
public:
    static const EntityDescription& entityDescription();

    const Decimal& amount() const { return m_amount; }
    // Stores `value` rounded to a whole number, halves away from zero (-120.50 -> -121).
    void setAmount(const Decimal& value);
    bool showMonthlyAmount() const { return m_showMonthlyAmount; }
    void setShowMonthlyAmount(bool monthly) {
        setValue(&CategoryLimit::m_showMonthlyAmount, monthly);
    }
    const std::optional<std::string>& notes() const { return m_notes; }
    void setNotes(std::optional<std::string> notes) {
        setValue(&CategoryLimit::m_notes, std::move(notes));
    }
    Category* category() const { return m_category; }
    void setCategory(Category* category);
    Budget* budget() const { return m_budget; }
    void setBudget(Budget* budget);

    // Saves the limit sheet's amount into this limit: the whole-period amount with the sign of
    // the spending or income choice (zero is always spending) and whether the sheet shows it
    // per month. REQUIRES: the budget is set. Returns what was stored; `moved` when the limit
    // changed sides.
    LimitSheetFields::Saved saveSheetFields(const LimitSheetFields& fields);

    // amount <= 0: zero counts as spending.
    [[nodiscard]] bool isExpense() const;
    // The category's net home-currency amount over the budget's period; zero without splits.
    // REQUIRES: category and budget set.
    [[nodiscard]] Decimal actualAmount() const;
    // Sets the amount from the category's average per day up to `date` (today when nothing)
    // times the budget's days. REQUIRES: category and budget set, else AssertionFailure
    // "Category should be set" / "Budget should be set".
    void estimate(std::optional<Date> date);

private:
    Decimal m_amount;
    bool m_showMonthlyAmount = false;
    std::optional<std::string> m_notes;
    Category* m_category = nullptr;
    Budget* m_budget = nullptr;
};
