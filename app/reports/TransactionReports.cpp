// The report queries of Transaction: the span of transaction dates and the transactions
// behind one category's figure.
#include <algorithm>

#include "base/AssertionFailure.h"
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "reports/LedgerSums.h"

Date Transaction::dateOfLatestTransactionInContext(ObjectContext& context) {
    const auto latest = LedgerSums::latestTransactionDate(context);
    PN_ASSERT(latest.has_value(), "There is no transaction");
    return *latest;
}

std::optional<Date> Transaction::dateOfEarliestTransactionInContext(ObjectContext& context) {
    return LedgerSums::earliestTransactionDate(context);
}

std::vector<Transaction*> Transaction::allWithDateRange(std::pair<Date, Date> range,
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

DateRange Transaction::reportDateRange(ObjectContext& context) {
    return DateRange::reportDateRange(LedgerSums::earliestTransactionDate(context),
                                      LedgerSums::latestTransactionDate(context), Date::today_PN());
}
