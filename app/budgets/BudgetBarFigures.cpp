#include "BudgetBarFigures.h"

#include <cmath>

#include "base/AssertionFailure.h"
#include "ledger/CurrencyFormatter.h"

BudgetBarFigures::BudgetBarFigures(const Decimal& limit, const Decimal& actual)
    : m_isExpense(limit.sign() <= 0),
      m_limit(m_isExpense ? limit.negate_pn() : limit),
      m_actual(m_isExpense ? actual.negate_pn() : actual) {
    PN_ASSERT(m_limit.sign() >= 0, "limit should be positive at this point");
}

float BudgetBarFigures::percentageToFill() const {
    if (m_actual > m_limit) {
        return 1;
    }
    if (m_actual.sign() <= 0) {
        return 0;
    }
    // Geometry only: the share never feeds back into an amount.
    return static_cast<float>(m_actual.toDouble() / m_limit.toDouble());
}

BudgetBarFigures::MessageKind BudgetBarFigures::messageKind() const {
    if (m_isExpense && m_actual.sign() < 0) {
        return MessageKind::Credit;
    }
    if (isOverLimit()) {
        return MessageKind::Over;
    }
    return MessageKind::Amount;
}

std::string BudgetBarFigures::progressMessage(const CurrencyFormatter& formatter) const {
    switch (messageKind()) {
        case MessageKind::Credit:
            return formatter.stringFromDecimal(m_actual.negate_pn()) + " credit";
        case MessageKind::Over:
            return formatter.stringFromDecimal(m_actual) + " (" +
                   formatter.stringFromDecimal(m_actual - m_limit) + " over)";
        case MessageKind::Amount:
            break;
    }
    return formatter.stringFromDecimal(m_actual);
}

double BudgetBarFigures::fillWidth(double barWidth) const {
    return std::ceil((barWidth - 2) * static_cast<double>(percentageToFill()));
}

double BudgetBarFigures::needleX(double columnX, double columnWidth, float percentage) {
    return columnX + 0.5 + 4 + std::ceil(static_cast<double>(percentage) * (columnWidth - 4 - 25));
}
