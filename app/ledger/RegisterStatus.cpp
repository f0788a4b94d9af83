#include "ledger/RegisterStatus.h"

#include "ledger/Account.h"
#include "ledger/CurrencyFormatter.h"

std::string RegisterStatus::countedTransactions(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " transaction" : " transactions");
}

std::string RegisterStatus::forAccount(const Account& account, std::size_t rows) {
    const CurrencyFormatter formatter = CurrencyFormatter::formatterForAccount(account);
    return countedTransactions(rows) + ", " + formatter.stringFromDecimal(account.balance()) +
           " ledger balance";
}

std::string RegisterStatus::forBalance(const Decimal& balance, std::size_t rows,
                                       ObjectContext& context) {
    return countedTransactions(rows) + ", " +
           CurrencyFormatter::formatterForHomeCurrency(context).stringFromDecimal(balance) +
           " ledger balance";
}

std::string RegisterStatus::forSearch(std::size_t rows) {
    return "Found " + countedTransactions(rows);
}
