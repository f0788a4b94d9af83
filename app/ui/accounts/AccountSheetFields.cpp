#include "ui/accounts/AccountSheetFields.h"

#include "ledger/Account.h"

std::vector<std::string> AccountSheetFields::typeTitles() {
    return {"Checking", "Savings", "Credit Card", "Cash", "Other"};
}

AccountSheetFields AccountSheetFields::forNewAccount(ObjectContext& context) {
    AccountSheetFields fields;
    fields.name = Account::nextAvailableDefaultName(context);
    fields.startBalanceDate = Date::today_PN().daysAgo_PN(1);
    return fields;
}

AccountSheetFields AccountSheetFields::forAccount(const Account& account) {
    AccountSheetFields fields;
    fields.name = account.name();
    fields.typeIndex = AccountSheets::positionOfType(account.type());
    fields.currency = account.currency();
    fields.startBalance = account.startBalance();
    fields.startBalanceDate = account.startBalanceDate();
    fields.isClosed = account.isClosed();
    return fields;
}

AccountSheets::NewAccount AccountSheetFields::asNewAccount() const {
    return {name, typeIndex, currency, startBalance, startBalanceDate};
}

AccountSheets::Edit AccountSheetFields::asEdit() const {
    return {name, typeIndex, currency, startBalance, isClosed};
}
