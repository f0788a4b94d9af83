#include "budgets/BudgetSummary.h"

#include "budgets/Budget.h"
#include "ledger/Account.h"

SummaryFigures::Inputs BudgetSummary::inputs(const Budget& budget, const TrackResult& expense,
                                             const TrackResult& income) {
    ObjectContext& context = *budget.managedObjectContext();
    SummaryFigures::Inputs in;
    in.expenseLimit = expense.total.limit;
    in.incomeLimit = income.total.limit;
    in.expenseActual = expense.total.actual;
    in.incomeActual = income.total.actual;
    in.balanceBeforeStart = Account::overallBalanceOnDate(
        SummaryFigures::startBalanceDate(budget.startDate()), context);
    in.balanceAtEnd =
        Account::overallBalanceOnDate(SummaryFigures::endBalanceDate(budget.endDate()), context);
    in.hasEnded = budget.hasEnded();
    return in;
}
