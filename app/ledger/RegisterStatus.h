#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/Decimal.h"

class Account;
class ObjectContext;
class RegisterRows;
class Transaction;

// The register's status message. With fewer than two rows selected: the counted rows ("Found
// …" for search results), then the balance of what is shown (an account's ledger or
// reconciled balance, in its own currency when foreign; a group's or the overall one in the
// home currency; nothing for a list). With two or more: "N of M transactions" and the total
// of the selection.
class RegisterStatus final {
public:
    // "1 transaction", "12 transactions".
    static std::string countedTransactions(std::size_t count);
    static std::string forAccount(const Account& account, std::size_t rows,
                                  bool reconciled = false);
    // Group and all mode: the balance in the home currency.
    static std::string forBalance(const Decimal& balance, std::size_t rows, ObjectContext& context);
    static std::string forSearch(std::size_t rows);
    // "2 of 14 transactions, $-12.00 selected". The total is in the account's currency for a
    // foreign account's register, otherwise in the home currency.
    static std::string forSelection(const std::vector<Transaction*>& selection, std::size_t rows,
                                    const Account* account, ObjectContext& context);

    // The message for `rows` with `selection` selected; `isSearch` for search results.
    static std::string message(const RegisterRows& rows, const std::vector<Transaction*>& selection,
                               bool isSearch, bool showReconciledBalance);

    // The sum of the amounts (in the account's currency).
    static Decimal totalOfSelectedTransactions(const std::vector<Transaction*>& selection);
    static Decimal totalOfSelectedTransactionsInHomeCurrency(
        const std::vector<Transaction*>& selection);
};
