#pragma once

#include <string>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "ledger/AccountSheets.h"

class Account;
class Currency;
class ObjectContext;

// What the new-account and edit-account sheets hold, as plain values. Confirming them is the
// ledger's AccountSheets; this only fills the fields and hands them over.
struct AccountSheetFields final {
    std::string name;
    // Position in the type pop-up: 0 checking, 1 savings, 2 credit card, 3 cash, 4 other.
    int typeIndex = 0;
    // Nothing: the home currency.
    Currency* currency = nullptr;
    Decimal startBalance;
    Date startBalanceDate;
    bool isClosed = false;

    // The type pop-up's titles, in its order.
    static std::vector<std::string> typeTitles();

    // The new-account sheet as it opens: the next free default name, checking, home currency,
    // no start balance, yesterday.
    static AccountSheetFields forNewAccount(ObjectContext& context);
    // The edit sheet showing `account`.
    static AccountSheetFields forAccount(const Account& account);

    AccountSheets::NewAccount asNewAccount() const;
    AccountSheets::Edit asEdit() const;
};
