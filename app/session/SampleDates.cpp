#include "session/SampleDates.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

namespace {

void shiftTransactions(ObjectContext& context, Date today) {
    PN_ASSERT(Transaction::countInContext(context) > 0, "The sample holds no transaction");
    const int months =
        today.numberOfMonthsAfter_pn(Transaction::dateOfLatestTransactionInContext(context));
    if (months == 0) {
        return;
    }
    for (Transaction* transaction : Transaction::allInContext(context)) {
        transaction->setDate(transaction->date().monthsLater_PN(months));
    }
}

void renameBudget(ObjectContext& context, Date today) {
    PN_ASSERT(Budget::countInContext(context) == 1, "");
    Budget* budget = Budget::findFirstByPredicate([](const Budget&) { return true; }, context);
    PN_ASSERT(budget != nullptr, "The sample's budget was not found");
    budget->setName(std::to_string(today.year_PN()) + " Budget");
    budget->setStartDate(today.beginningOfMonth_pn().monthsAgo_PN(1));
}

void shiftScheduledItems(ObjectContext& context, Date today) {
    std::vector<ScheduledItem*> items = ScheduledItem::allInContext(context);
    if (items.empty()) {
        return;
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const ScheduledItem* a, const ScheduledItem* b) {
                         return a->nextDueDate() < b->nextDueDate();
                     });
    const int days = today.numberOfDaysAfter_PN(items.front()->nextDueDate());
    for (ScheduledItem* item : items) {
        item->setNextDueDate(item->nextDueDate().daysLater_PN(days));
    }
}

}  // namespace

void SampleDates::updateDateOnSampleData(ObjectContext& context, Date today) {
    shiftTransactions(context, today);
    renameBudget(context, today);
    shiftScheduledItems(context, today);
}
