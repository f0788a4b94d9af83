#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"

// The figures of a budget's summary page: the "Estimated" box (what the limits plan for the
// whole period) and the "Actual" / "As of Today" box (what the tracked transactions show).
// All amounts are exact Decimals; the boxes only format and draw them.
class SummaryFigures final {
public:
    enum class ValueStyle { Plain, Green, Red };
    enum class Icon { Budget, Clock };

    // One drawn row: its label, the value shown (never a negative zero) and the value's style.
    struct Row final {
        std::string label;
        Decimal value;
        ValueStyle style = ValueStyle::Plain;
        bool operator==(const Row&) const = default;
    };

    struct Box final {
        Icon icon = Icon::Budget;
        std::string title;
        Decimal expense;  // zero or negative
        Decimal income;
        Decimal sum;  // income + expense
        Decimal balance;
        std::string balanceLabel;

        // "Expense" (spending as a positive amount), "Income", "Savings" in green or "Loss"
        // (the positive difference) in red, then the balance row.
        [[nodiscard]] std::vector<Row> rows() const;
    };

    // The totals the summary is made from: the two tracking results' total "limit" and total
    // "actual", and the overall balances on the day before the start and on the end date.
    struct Inputs final {
        Decimal expenseLimit;
        Decimal incomeLimit;
        Decimal expenseActual;
        Decimal incomeActual;
        Decimal balanceBeforeStart;
        Decimal balanceAtEnd;
        bool hasEnded = false;
    };

    // The days whose overall balances the summary needs: the day before the start, the end.
    [[nodiscard]] static Date startBalanceDate(Date startDate) { return startDate.daysAgo_PN(1); }
    [[nodiscard]] static Date endBalanceDate(Date endDate) { return endDate; }

    [[nodiscard]] static Box estimatedBox(const Inputs& inputs);
    [[nodiscard]] static Box actualBox(const Inputs& inputs);
};
