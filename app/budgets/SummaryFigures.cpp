#include "SummaryFigures.h"

namespace {

// Negating zero must not show "-0".
Decimal shown(const Decimal& value) {
    return value.isZero() ? Decimal() : value;
}

}  // namespace

std::vector<SummaryFigures::Row> SummaryFigures::Box::rows() const {
    std::vector<Row> rows;
    rows.push_back({"Expense", shown(expense.negate_pn()), ValueStyle::Plain});
    rows.push_back({"Income", shown(income), ValueStyle::Plain});
    if (sum.sign() >= 0) {
        rows.push_back({"Savings", shown(sum), ValueStyle::Green});
    } else {
        rows.push_back({"Loss", shown(sum.negate_pn()), ValueStyle::Red});
    }
    rows.push_back({balanceLabel, shown(balance), ValueStyle::Plain});
    return rows;
}

SummaryFigures::Box SummaryFigures::estimatedBox(const Inputs& inputs) {
    Box box;
    box.icon = Icon::Budget;
    box.title = "Estimated";
    box.expense = inputs.expenseLimit;
    box.income = inputs.incomeLimit;
    box.sum = box.expense + box.income;
    box.balance = inputs.balanceBeforeStart + box.sum;
    box.balanceLabel = "Ending Balance";
    return box;
}

SummaryFigures::Box SummaryFigures::actualBox(const Inputs& inputs) {
    Box box;
    box.icon = Icon::Clock;
    box.title = inputs.hasEnded ? "Actual" : "As of Today";
    box.expense = inputs.expenseActual;
    box.income = inputs.incomeActual;
    box.sum = box.expense + box.income;
    box.balance = inputs.balanceAtEnd;
    box.balanceLabel = inputs.hasEnded ? "Ending Balance" : "Current Balance";
    return box;
}
