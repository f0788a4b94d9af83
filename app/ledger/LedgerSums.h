#pragma once

#include <optional>

#include "base/Date.h"
#include "base/Decimal.h"

class Account;
class Category;
class ObjectContext;

// The ledger sums the budgets and reports rest on, in one place: a
// category's splits over a range of days, the uncategorized splits, the span of transaction
// dates and an account's balance on a day. Every amount is a split's home-currency amount.
class LedgerSums final {
public:
    // The sum over the category's splits dated in [from, to]; nothing when none qualifies.
    [[nodiscard]] static std::optional<Decimal> categoryAmountFromDate(const Category& category,
                                                                       Date from, Date to);
    // The same over the splits without a category.
    [[nodiscard]] static std::optional<Decimal> uncategorizedAmountFromDate(Date from, Date to,
                                                                            ObjectContext& context);
    // Nothing for a store without transactions.
    [[nodiscard]] static std::optional<Date> earliestTransactionDate(ObjectContext& context);
    [[nodiscard]] static std::optional<Date> latestTransactionDate(ObjectContext& context);
    // The start balance plus every transaction dated on or before `date` (all of them when
    // nothing), in the account's own currency.
    [[nodiscard]] static Decimal accountBalanceOnDate(const Account& account,
                                                      std::optional<Date> date);
    // That balance exchanged into the home currency when the account has a currency.
    [[nodiscard]] static Decimal homeCurrencyBalanceOnDate(const Account& account,
                                                           std::optional<Date> date);
    // A balance of the account's currency in the home currency.
    [[nodiscard]] static Decimal toHomeCurrency(const Account& account, const Decimal& amount);
};
