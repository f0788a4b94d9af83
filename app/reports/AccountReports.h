#pragma once

#include "base/Date.h"
#include "base/Decimal.h"
#include "reports/Breakdown.h"

class CategoryGroup;
class ObjectContext;

// The report queries over all accounts: the breakdowns by category and group and their totals.
class AccountReports final {
public:
    // The net home-currency amount of every category (and of the uncategorized splits) over
    // [from, to], split by sign: <= 0 expense, > 0 income. With `inGroup` only that group's
    // categories are kept, keyed by category; without, each side is keyed by group.
    [[nodiscard]] static BreakdownPair breakdownFromDate(Date from, Date to,
                                                         const CategoryGroup* inGroup,
                                                         ObjectContext& context);
    [[nodiscard]] static Breakdown incomeBreakdownFromDate(Date from, Date to,
                                                           ObjectContext& context);
    [[nodiscard]] static Breakdown expenseBreakdownFromDate(Date from, Date to,
                                                            ObjectContext& context);
    // The sums of those sides; zero when empty.
    [[nodiscard]] static Decimal incomeTotalFromDate(Date from, Date to, ObjectContext& context);
    [[nodiscard]] static Decimal expenseTotalFromDate(Date from, Date to, ObjectContext& context);
    // Category entries summed under their group; others kept under their own key.
    [[nodiscard]] static Breakdown groupBreakdown(const Breakdown& breakdown,
                                                  ObjectContext& context);
    // Only the entries of categories in `group`.
    [[nodiscard]] static Breakdown removeAllObjectsNotInGroup(const CategoryGroup* group,
                                                              const Breakdown& breakdown,
                                                              ObjectContext& context);
};
