#pragma once

#include <QWidget>

struct TrackResult;
class Budget;
class SummaryBox;

// The summary page of a budget: the "Estimated" box (what the limits plan for the whole period)
// beside the "As of Today" box, titled "Actual" once the budget has ended. Give it the budget
// and its two tracking results, then call setup().
class SummaryController final : public QWidget {
    Q_OBJECT
public:
    explicit SummaryController(QWidget* parent = nullptr);

    // REQUIRES: the budget and the results outlive the next setup().
    void setBudget(const Budget* budget) { m_budget = budget; }
    void setExpenseData(const TrackResult* result) { m_expenseData = result; }
    void setIncomeData(const TrackResult* result) { m_incomeData = result; }
    // Computes both boxes from the results and the overall balances around the period.
    void setup();

    SummaryBox& budgetedBox() const { return *m_budgetedBox; }
    SummaryBox& actualBox() const { return *m_actualBox; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Budget* m_budget = nullptr;
    const TrackResult* m_expenseData = nullptr;
    const TrackResult* m_incomeData = nullptr;
    SummaryBox* m_budgetedBox = nullptr;
    SummaryBox* m_actualBox = nullptr;
};
