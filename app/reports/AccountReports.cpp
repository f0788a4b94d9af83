#include "reports/AccountReports.h"

#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/LedgerSums.h"

namespace {

Breakdown allAmounts(Date from, Date to, ObjectContext& context) {
    Breakdown all;
    for (const Category* category : Category::allInContext(context)) {
        if (auto amount = LedgerSums::categoryAmountFromDate(*category, from, to)) {
            all.emplace(category, *amount);
        }
    }
    if (auto uncategorized = LedgerSums::uncategorizedAmountFromDate(from, to, context)) {
        all.emplace(UncategorizedKey{}, *uncategorized);
    }
    return all;
}

Decimal sumOf(const Breakdown& breakdown) {
    Decimal total;
    for (const auto& [key, amount] : breakdown) {
        total += amount;
    }
    return total;
}

}  // namespace

BreakdownPair AccountReports::breakdownFromDate(Date from, Date to, const CategoryGroup* inGroup,
                                                ObjectContext& context) {
    BreakdownPair sides;
    for (const auto& [key, amount] : allAmounts(from, to, context)) {
        (amount.sign() <= 0 ? sides.expense : sides.income).emplace(key, amount);
    }
    if (inGroup != nullptr) {
        return {removeAllObjectsNotInGroup(inGroup, sides.expense, context),
                removeAllObjectsNotInGroup(inGroup, sides.income, context)};
    }
    return {groupBreakdown(sides.expense, context), groupBreakdown(sides.income, context)};
}

Breakdown AccountReports::incomeBreakdownFromDate(Date from, Date to, ObjectContext& context) {
    return breakdownFromDate(from, to, nullptr, context).income;
}

Breakdown AccountReports::expenseBreakdownFromDate(Date from, Date to, ObjectContext& context) {
    return breakdownFromDate(from, to, nullptr, context).expense;
}

Decimal AccountReports::incomeTotalFromDate(Date from, Date to, ObjectContext& context) {
    return sumOf(incomeBreakdownFromDate(from, to, context));
}

Decimal AccountReports::expenseTotalFromDate(Date from, Date to, ObjectContext& context) {
    return sumOf(expenseBreakdownFromDate(from, to, context));
}

Breakdown AccountReports::groupBreakdown(const Breakdown& breakdown, ObjectContext& /*context*/) {
    Breakdown grouped;
    for (const auto& [key, amount] : breakdown) {
        const auto* category = std::get_if<const Category*>(&key);
        if (category != nullptr && (*category)->group() != nullptr) {
            grouped[BreakdownKey((*category)->group())] += amount;
        } else {
            grouped[key] += amount;
        }
    }
    return grouped;
}

Breakdown AccountReports::removeAllObjectsNotInGroup(const CategoryGroup* group,
                                                     const Breakdown& breakdown,
                                                     ObjectContext& /*context*/) {
    Breakdown kept;
    for (const auto& [key, amount] : breakdown) {
        const auto* category = std::get_if<const Category*>(&key);
        if (category != nullptr && group != nullptr && (*category)->group() == group) {
            kept.emplace(key, amount);
        }
    }
    return kept;
}
