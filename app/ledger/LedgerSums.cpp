#include "ledger/LedgerSums.h"

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/LedgerIndex.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

std::optional<Decimal> LedgerSums::categoryAmountFromDate(const Category& category, Date from,
                                                          Date to) {
    return category.amountFromDate(from, to);
}

std::optional<Decimal> LedgerSums::uncategorizedAmountFromDate(Date from, Date to,
                                                               ObjectContext& context) {
    return Category::uncategorizedAmountFromDate(from, to, context);
}

std::optional<Date> LedgerSums::earliestTransactionDate(ObjectContext& context) {
    const auto span = LedgerIndex::of(context).transactionDateSpan();
    return span ? std::optional<Date>(span->first) : std::nullopt;
}

std::optional<Date> LedgerSums::latestTransactionDate(ObjectContext& context) {
    const auto span = LedgerIndex::of(context).transactionDateSpan();
    return span ? std::optional<Date>(span->second) : std::nullopt;
}

Decimal LedgerSums::accountBalanceOnDate(const Account& account, std::optional<Date> date) {
    return date ? account.balanceOnDate(*date) : account.balance();
}

Decimal LedgerSums::homeCurrencyBalanceOnDate(const Account& account, std::optional<Date> date) {
    return toHomeCurrency(account, accountBalanceOnDate(account, date));
}

Decimal LedgerSums::toHomeCurrency(const Account& account, const Decimal& amount) {
    if (account.currency() == nullptr) {
        return amount;
    }
    return CurrencyExchange::exchange(amount, account.currency()->rate(), std::nullopt);
}
