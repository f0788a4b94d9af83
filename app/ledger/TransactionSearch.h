#pragma once

#include <string_view>
#include <vector>

class Account;
class AccountGroup;
class ObjectContext;
class Transaction;

// Finds the transactions whose keywords contain a text, ignoring case and diacritics, within
// an account, an account group or the whole store. Both front ends search through it.
class TransactionSearch final {
public:
    TransactionSearch() = delete;

    // Where to search: an account, else a group, else (both null) every transaction.
    struct Scope {
        Account* account = nullptr;
        AccountGroup* group = nullptr;
    };

    // The matches, newest first. An empty text matches every transaction of the scope.
    static std::vector<Transaction*> search(ObjectContext& context, Scope scope,
                                            std::string_view text);
};
