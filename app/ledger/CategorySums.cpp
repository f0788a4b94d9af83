// A category's sums over a range of days: home-currency split amounts of every transaction in
// the range, pending, generated and imported alike, in all accounts.
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

bool isInRange(const Split& split, Date start, Date end) {
    const Transaction* transaction = split.transaction();
    return transaction != nullptr && transaction->date() >= start && transaction->date() <= end;
}

}  // namespace

std::optional<Decimal> Category::amountFromDate(Date start, Date end) const {
    std::optional<Decimal> sum;
    for (const Split* split : m_splits) {
        if (isInRange(*split, start, end)) {
            sum = sum.value_or(Decimal()) + split->amountInHomeCurrency();
        }
    }
    return sum;
}

std::optional<Decimal> Category::uncategorizedAmountFromDate(Date start, Date end,
                                                             ObjectContext& context) {
    std::optional<Decimal> sum;
    context.forEachObject(Split::entityDescription(), [&](ManagedObject& object) {
        const auto& split = static_cast<const Split&>(object);
        if (split.category() == nullptr && isInRange(split, start, end)) {
            sum = sum.value_or(Decimal()) + split.amountInHomeCurrency();
        }
        return true;
    });
    return sum;
}

Decimal Category::averageAmountPerDay(std::optional<Date> end) const {
    const Date last = end.value_or(Date::today_PN());
    std::optional<Date> first =
        Transaction::dateOfEarliestTransactionInContext(*managedObjectContext());
    if (!first || *first > last) {
        return Decimal();
    }
    Date start = *first;
    if (last.numberOfDaysAfter_PN(start) > 365) {
        start = last.daysAgo_PN(365);
    }
    const int days = last.numberOfDaysAfter_PN(start);
    return amountFromDate(start, last).value_or(Decimal()) / Decimal(days + 1);
}
