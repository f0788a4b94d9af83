#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"

class Account;
class Currency;
class Node;
class ObjectContext;

// What the new-account and edit-account sheets hold, and what confirming them does to the
// store. Plain values, so the rules run without widgets.
struct AccountSheetFields final {
    std::string name;
    // Position in the type pop-up: 0 checking, 1 savings, 2 credit card, 3 cash, 4 other.
    int typeIndex = 0;
    // Nothing: the home currency.
    Currency* currency = nullptr;
    Decimal startBalance;
    Date startBalanceDate;
    bool isClosed = false;

    // The stored type of a pop-up position (any other position is "other"), and back.
    static std::string typeForIndex(int index);
    static int indexForType(const std::optional<std::string>& type);
    // The type pop-up's titles, in its order.
    static std::vector<std::string> typeTitles();

    // The new-account sheet as it opens: the next free default name, checking, home currency,
    // no start balance, yesterday.
    static AccountSheetFields forNewAccount(ObjectContext& context);
    // The edit sheet showing `account`.
    static AccountSheetFields forAccount(const Account& account);

    // Inserts the account at the end of the root's children with these values.
    Account* createAccount(ObjectContext& context, Node& root) const;
    // Applies the edit sheet: name and type; a changed currency (regenerating the projection
    // of the account's scheduled transfers while the projection is shown); a start balance
    // that differs numerically, dated the day before the earliest transaction (today without
    // transactions); open or closed.
    void applyToAccount(Account& account, ObjectContext& context) const;
};
