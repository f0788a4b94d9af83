#include "reports/LedgerSums.h"

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

bool isInRange(const Split& split, Date from, Date to) {
    const Transaction* transaction = split.transaction();
    return transaction != nullptr && transaction->date() >= from && transaction->date() <= to;
}

}  // namespace

std::optional<Decimal> LedgerSums::categoryAmountFromDate(const Category& category, Date from,
                                                          Date to) {
    std::optional<Decimal> sum;
    for (const Split* split : category.splits()) {
        if (isInRange(*split, from, to)) {
            sum = sum.value_or(Decimal()) + split->amountInHomeCurrency();
        }
    }
    return sum;
}

std::optional<Decimal> LedgerSums::uncategorizedAmountFromDate(Date from, Date to,
                                                               ObjectContext& context) {
    std::optional<Decimal> sum;
    context.forEachObject(Split::entityDescription(), [&](ManagedObject& object) {
        const auto& split = static_cast<const Split&>(object);
        if (split.category() == nullptr && isInRange(split, from, to)) {
            sum = sum.value_or(Decimal()) + split.amountInHomeCurrency();
        }
        return true;
    });
    return sum;
}

std::optional<Date> LedgerSums::earliestTransactionDate(ObjectContext& context) {
    std::optional<Date> earliest;
    context.forEachObject(Transaction::entityDescription(), [&](ManagedObject& object) {
        const Date date = static_cast<const Transaction&>(object).date();
        if (!earliest || date < *earliest) {
            earliest = date;
        }
        return true;
    });
    return earliest;
}

std::optional<Date> LedgerSums::latestTransactionDate(ObjectContext& context) {
    std::optional<Date> latest;
    context.forEachObject(Transaction::entityDescription(), [&](ManagedObject& object) {
        const Date date = static_cast<const Transaction&>(object).date();
        if (!latest || date > *latest) {
            latest = date;
        }
        return true;
    });
    return latest;
}

Decimal LedgerSums::accountBalanceOnDate(const Account& account, std::optional<Date> date) {
    Decimal balance = account.startBalance();
    for (const Transaction* transaction : account.transactions()) {
        if (!date || transaction->date() <= *date) {
            balance += transaction->amount();
        }
    }
    return balance;
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
