#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "base/Decimal.h"

class Account;
class ObjectContext;

// The register's status message with no selection: the counted rows, then the balance of
// what is shown (an account's, in its own currency when foreign; a group's or the overall one
// in the home currency), or "Found …" alone for search results.
class RegisterStatus final {
public:
    // "1 transaction", "12 transactions".
    static std::string countedTransactions(std::size_t count);
    static std::string forAccount(const Account& account, std::size_t rows);
    // Group and all mode: the balance in the home currency.
    static std::string forBalance(const Decimal& balance, std::size_t rows, ObjectContext& context);
    static std::string forSearch(std::size_t rows);
};
