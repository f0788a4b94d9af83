#include "BudgetTracking.h"

#include "Budget.h"
#include "CategoryLimit.h"
#include "base/AssertionFailure.h"

void BudgetTracking::setBudget(Budget* budget) {
    m_budget = budget;
    m_expenseData = TrackResult();
    m_incomeData = TrackResult();
    m_shownSide.reset();
}

void BudgetTracking::track() {
    PN_ASSERT(m_budget != nullptr, "The budget view has no budget");
    m_expenseData = m_budget->trackExpense();
    m_incomeData = m_budget->trackIncome();
    m_shownSide.reset();
}

TrackResult* BudgetTracking::currentData() {
    return m_shownSide ? &dataFor(*m_shownSide) : nullptr;
}

bool BudgetTracking::switchToSide(Side side) {
    if (m_shownSide == side) {
        return false;
    }
    m_shownSide = side;
    dataFor(side).sortByAbsoluteLimit(false);
    return true;
}

void BudgetTracking::sortShownSide(bool ascending) {
    PN_ASSERT(m_shownSide.has_value(), "No side of the budget is shown");
    dataFor(*m_shownSide).sortByAbsoluteLimit(ascending);
}

std::optional<float> BudgetTracking::needlePercentage(Date today) const {
    const BudgetPeriod period = m_budget->period();
    if (!period.isRunning(today)) {
        return std::nullopt;
    }
    return period.todayPercentage(today);
}

BudgetViewFigures::Sidebar BudgetTracking::sidebar() const {
    return BudgetViewFigures::sidebar(m_expenseData.total.limit, m_incomeData.total.limit);
}

LimitSheetFields::Saved BudgetTracking::saveLimit(TrackRow& row, const LimitSheetFields& fields,
                                                  const std::string& notes) {
    PN_ASSERT(row.type == TrackRow::Type::Category && row.categoryLimit != nullptr,
              "The limit sheet is only for category rows");
    PN_ASSERT(m_shownSide.has_value(), "No side of the budget is shown");
    CategoryLimit& limit = *row.categoryLimit;
    PN_ASSERT(limit.isExpense() == (*m_shownSide == Side::Expense),
              "The edited limit is not on the shown side");
    const LimitSheetFields::Saved saved = limit.saveSheetFields(fields);
    limit.setNotes(notes.empty() ? std::nullopt : std::optional<std::string>(notes));
    if (saved.moved) {
        row.shouldRemove = true;
    } else {
        row.limit = limit.amount();
    }
    // `row` may be gone from here on.
    TrackResult& shown = dataFor(*m_shownSide);
    shown.removeLimitMarkedForRemoval();
    shown.summarizeTrackResult();
    if (*m_shownSide == Side::Expense) {
        m_incomeData = m_budget->trackIncome();
    } else {
        m_expenseData = m_budget->trackExpense();
    }
    checkTotalsAgreeWithStore();
    return saved;
}

void BudgetTracking::checkTotalsAgreeWithStore() const {
    PN_ASSERT(m_expenseData.total.limit == m_budget->expenseLimitTotal(),
              "The expense limits shown disagree with the store");
    PN_ASSERT(m_incomeData.total.limit == m_budget->incomeLimitTotal(),
              "The income limits shown disagree with the store");
}
