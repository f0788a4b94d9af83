#include "reports/TransactionReports.h"

#include <algorithm>

#include "ledger/Category.h"
#include "ledger/LedgerSums.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

std::vector<Transaction*> TransactionReports::allWithDateRange(std::pair<Date, Date> range,
                                                               const Category* category,
                                                               ObjectContext& context) {
    const auto inRange = [&](const Transaction* t) {
        return t != nullptr && t->date() >= range.first && t->date() <= range.second;
    };
    std::vector<Transaction*> result;
    const auto take = [&](const Split& split) {
        if (inRange(split.transaction())) {
            result.push_back(split.transaction());
        }
    };
    if (category != nullptr) {
        for (const Split* split : category->splits()) {
            take(*split);
        }
    } else {
        context.forEachObject(Split::entityDescription(), [&](ManagedObject& object) {
            const auto& split = static_cast<const Split&>(object);
            if (split.category() == nullptr) {
                take(split);
            }
            return true;
        });
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

DateRange TransactionReports::reportDateRange(ObjectContext& context) {
    return DateRange::reportDateRange(LedgerSums::earliestTransactionDate(context),
                                      LedgerSums::latestTransactionDate(context), Date::today_PN());
}
