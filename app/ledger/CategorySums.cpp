// A category's sums over a range of days: home-currency split amounts of every transaction in
// the range, pending, generated and imported alike, in all accounts.
#include "ledger/Category.h"
#include "ledger/LedgerIndex.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

std::optional<Decimal> Category::amountFromDate(Date start, Date end) const {
    return LedgerIndex::of(*managedObjectContext()).categoryAmount(this, start, end);
}

std::optional<Decimal> Category::uncategorizedAmountFromDate(Date start, Date end,
                                                             ObjectContext& context) {
    return LedgerIndex::of(context).categoryAmount(nullptr, start, end);
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
