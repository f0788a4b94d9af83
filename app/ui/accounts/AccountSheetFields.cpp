#include "ui/accounts/AccountSheetFields.h"

#include "ledger/Account.h"
#include "ledger/Global.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

namespace {

const char* const kTypes[] = {kAccountTypeChecking, kAccountTypeSavings, kAccountTypeCreditCard,
                              kAccountTypeCash, kAccountTypeOther};

// The scheduled transfers paid from or into `account`.
std::vector<ScheduledItem*> transfersOf(const Account& account) {
    std::vector<ScheduledItem*> items;
    for (ScheduledItem* item : account.scheduledItems()) {
        if (item->isTransfer()) {
            items.push_back(item);
        }
    }
    for (ScheduledItem* item : account.toScheduledItems()) {
        if (item->isTransfer() && item->account() != &account) {
            items.push_back(item);
        }
    }
    return items;
}

}  // namespace

std::string AccountSheetFields::typeForIndex(int index) {
    return index >= 0 && index < 5 ? kTypes[index] : kAccountTypeOther;
}

int AccountSheetFields::indexForType(const std::optional<std::string>& type) {
    for (int i = 0; i < 5; ++i) {
        if (type == std::optional<std::string>(kTypes[i])) {
            return i;
        }
    }
    return 4;
}

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
    fields.typeIndex = indexForType(account.type());
    fields.currency = account.currency();
    fields.startBalance = account.startBalance();
    fields.startBalanceDate = account.startBalanceDate();
    fields.isClosed = account.isClosed();
    return fields;
}

Account* AccountSheetFields::createAccount(ObjectContext& context, Node& root) const {
    auto* account = context.insert<Account>();
    account->moveTo(&root, static_cast<std::int64_t>(root.children().size()));
    account->setName(name);
    account->setType(typeForIndex(typeIndex));
    account->setCurrency(currency);
    account->setStartBalance(startBalance);
    account->setStartBalanceDate(startBalanceDate);
    return account;
}

void AccountSheetFields::applyToAccount(Account& account, ObjectContext& context) const {
    account.setName(name);
    account.setType(typeForIndex(typeIndex));
    if (currency != account.currency()) {
        account.setCurrency(currency);
        if (Global::sharedInstanceInContext(context)->isShowingProjection()) {
            for (ScheduledItem* item : transfersOf(account)) {
                item->regenerateProjection();
            }
        }
    }
    if (startBalance != account.startBalance()) {
        account.setStartBalance(startBalance);
        const auto earliest = account.dateOfEarliestTransaction();
        account.setStartBalanceDate(earliest ? earliest->daysAgo_PN(1) : Date::today_PN());
    }
    account.setIsClosed(isClosed);
}
