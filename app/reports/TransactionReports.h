#pragma once

#include <utility>
#include <vector>

#include "base/Date.h"
#include "reports/DateRange.h"

class Category;
class ObjectContext;
class Transaction;

// The report queries over transactions: the days reports are offered for and the transactions
// behind one category's figure.
class TransactionReports final {
public:
    // With a category: transactions dated in the range with a split of it. Without: the
    // transactions of uncategorized splits dated in the range.
    [[nodiscard]] static std::vector<Transaction*> allWithDateRange(std::pair<Date, Date> range,
                                                                    const Category* category,
                                                                    ObjectContext& context);
    // The days reports are offered for: today to today in an empty store, otherwise from the
    // earlier of today and the earliest transaction to the later of today and the latest.
    [[nodiscard]] static DateRange reportDateRange(ObjectContext& context);
};
