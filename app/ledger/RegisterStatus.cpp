#include "ledger/RegisterStatus.h"

#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/RegisterRows.h"
#include "ledger/Transaction.h"

std::string RegisterStatus::countedTransactions(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " transaction" : " transactions");
}

std::string RegisterStatus::forAccount(const Account& account, std::size_t rows, bool reconciled) {
    const CurrencyFormatter formatter = CurrencyFormatter::formatterForAccount(account);
    if (reconciled) {
        return countedTransactions(rows) + ", " +
               formatter.stringFromDecimal(account.reconciledBalance()) + " reconciled balance";
    }
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

std::string RegisterStatus::forSelection(const std::vector<Transaction*>& selection,
                                         std::size_t rows, const Account* account,
                                         ObjectContext& context) {
    const std::string counted =
        std::to_string(selection.size()) + " of " + countedTransactions(rows);
    const std::string total =
        account != nullptr && account->isForeign()
            ? CurrencyFormatter::formatterForAccount(*account).stringFromDecimal(
                  totalOfSelectedTransactions(selection))
            : CurrencyFormatter::formatterForHomeCurrency(context).stringFromDecimal(
                  totalOfSelectedTransactionsInHomeCurrency(selection));
    return counted + ", " + total + " selected";
}

std::string RegisterStatus::message(const RegisterRows& rows,
                                    const std::vector<Transaction*>& selection, bool isSearch,
                                    bool showReconciledBalance) {
    const std::size_t count = rows.size();
    if (selection.size() >= 2) {
        return forSelection(selection, count, rows.account(), rows.context());
    }
    if (isSearch) {
        return forSearch(count);
    }
    switch (rows.mode()) {
        case RegisterRows::Mode::Account:
            return forAccount(*rows.account(), count, showReconciledBalance);
        case RegisterRows::Mode::All:
            return forBalance(Account::overallBalanceInContext(rows.context()), count,
                              rows.context());
        case RegisterRows::Mode::Group:
            return forBalance(rows.group()->balance(), count, rows.context());
        case RegisterRows::Mode::List:
        case RegisterRows::Mode::None:
            break;
    }
    return countedTransactions(count);
}

Decimal RegisterStatus::totalOfSelectedTransactions(const std::vector<Transaction*>& selection) {
    Decimal total;
    for (const Transaction* transaction : selection) {
        total += transaction->amount();
    }
    return total;
}

Decimal RegisterStatus::totalOfSelectedTransactionsInHomeCurrency(
    const std::vector<Transaction*>& selection) {
    Decimal total;
    for (const Transaction* transaction : selection) {
        total += transaction->amountInHomeCurrency();
    }
    return total;
}
