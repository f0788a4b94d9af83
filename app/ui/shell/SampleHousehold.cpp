#include "ui/shell/SampleHousehold.h"

#include <string>

#include "base/Date.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Node.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"

namespace {

Account* addAccount(ObjectContext& context, Node& parent, const std::string& name,
                    const char* type, const char* startBalance) {
    auto* account = context.insert<Account>();
    account->moveTo(&parent, static_cast<std::int64_t>(parent.children().size()));
    account->setName(name);
    account->setType(std::string(type));
    account->setStartBalance(Decimal::fromString(startBalance));
    account->setStartBalanceDate(Date::today_PN().monthsAgo_PN(3).beginningOfMonth_pn());
    return account;
}

void addTransactions(Account& account, Date today) {
    struct Entry {
        int daysAgo;
        const char* title;
        const char* amount;
    };
    const Entry entries[] = {
        {62, "Salary", "2850.00"},   {58, "Rent", "-1100.00"},   {45, "Grocer", "-84.20"},
        {31, "Salary", "2850.00"},   {28, "Rent", "-1100.00"},   {20, "Power company", "-61.75"},
        {12, "Grocer", "-102.35"},   {2, "Salary", "2850.00"},
    };
    for (const Entry& entry : entries) {
        account.createTransactionWithDate(today.daysAgo_PN(entry.daysAgo), std::string(entry.title),
                                          Decimal::fromString(entry.amount), nullptr, std::nullopt,
                                          std::nullopt);
    }
}

void addBill(ObjectContext& context, Account& account, const std::string& title,
             const char* amount, Date due) {
    auto* item = context.insert<ScheduledItem>();
    item->setTitle(title);
    item->setAmount(Decimal::fromString(amount));
    item->setAccount(&account);
    item->setRepeatType(std::string("Month"));
    item->setRepeatInterval(1);
    item->setNextDueDate(due);
}

}  // namespace

void SampleHousehold::fill(ObjectContext& context) {
    const Date today = Date::today_PN();
    auto* root = context.insert<Node>();
    root->setIdentifier("accounts");
    auto* bank = context.insert<AccountGroup>();
    bank->moveTo(root, 0);
    bank->setName("Bank");
    bank->setIsExpanded(true);
    Account* checking = addAccount(context, *bank, "Checking", kAccountTypeChecking, "1250.00");
    addAccount(context, *bank, "Savings", kAccountTypeSavings, "8000.00");
    addAccount(context, *root, "Visa Card", kAccountTypeCreditCard, "-320.00");
    addAccount(context, *root, "Wallet", kAccountTypeCash, "60.00");
    addTransactions(*checking, today);
    addBill(context, *checking, "Phone", "-39.90", today.daysAgo_PN(3));
    addBill(context, *checking, "Insurance", "-84.00", today.daysLater_PN(12));
    auto* budget = context.insert<Budget>();
    budget->setName(std::to_string(today.year_PN()) + " Budget");
    budget->setStartDate(today.beginningOfMonth_pn().monthsAgo_PN(1));
    budget->setMonths(12);
}
