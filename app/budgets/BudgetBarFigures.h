#pragma once

#include <string>

#include "TrackRow.h"
#include "base/Decimal.h"

class CurrencyFormatter;

// What the progress bar of one budget row shows: the actual amount against the limit, both
// made positive for spending rows. The amounts stay Decimal for the progress text; only the
// fill share and the positions that feed the drawing are floating point.
class BudgetBarFigures final {
public:
    // The row's "limit" and "actual". A limit <= 0 is a spending row: both are negated.
    BudgetBarFigures(const Decimal& limit, const Decimal& actual);
    [[nodiscard]] static BudgetBarFigures forRow(const TrackRow& row) {
        return BudgetBarFigures(row.limit, row.actual);
    }

    [[nodiscard]] bool isExpense() const { return m_isExpense; }
    [[nodiscard]] const Decimal& limit() const { return m_limit; }
    [[nodiscard]] const Decimal& actual() const { return m_actual; }

    // The filled share of the bar: 1 over the limit, 0 below zero (and for a zero limit with
    // nothing spent), otherwise actual / limit.
    [[nodiscard]] float percentageToFill() const;
    // A spending row over its limit is drawn red; every other row green.
    [[nodiscard]] bool isOverLimit() const { return m_isExpense && m_actual > m_limit; }

    enum class MessageKind { Amount, Credit, Over };
    // Credit: a spending row that took in more than it spent; Over: a spending row over its
    // limit; Amount: anything else.
    [[nodiscard]] MessageKind messageKind() const;
    // The text shown while hovering: "$80.00 credit", "$750.00 ($150.00 over)", "$450.00".
    [[nodiscard]] std::string progressMessage(const CurrencyFormatter& formatter) const;

    // The fill's width in a bar `barWidth` wide: the share of the width less its 2-point edge,
    // rounded up.
    [[nodiscard]] double fillWidth(double barWidth) const;
    // The x of the pace needle in the "actual" column starting at `columnX`, `columnWidth`
    // wide, for the share of the period passed.
    [[nodiscard]] static double needleX(double columnX, double columnWidth, float percentage);

private:
    bool m_isExpense;
    Decimal m_limit;
    Decimal m_actual;
};
