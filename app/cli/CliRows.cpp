#include "cli/CliRows.h"

#include <algorithm>
#include <array>

#include "cli/CliError.h"
#include "cli/CommandInvocation.h"
#include "cli/ScheduledItemOptions.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/DueDateTexts.h"
#include "scheduled/RepeatRule.h"
#include "scheduled/ScheduledItem.h"

namespace CliRows {

Json optionalText(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
}

Json optionalInteger(std::optional<std::int64_t> value) {
    return value ? Json(*value) : Json(nullptr);
}

Json accountRow(const Account& account) {
    const auto* group = dynamic_cast<const AccountGroup*>(account.parent());
    return Json{
        {"name", account.name()},
        {"type", optionalText(account.type())},
        {"group", group != nullptr ? Json(group->name()) : Json(nullptr)},
        {"currency",
         account.currency() != nullptr ? Json(account.currency()->code()) : Json(nullptr)},
        {"isClosed", account.isClosed()},
        {"startBalance", account.startBalance().toString(2)},
        {"startBalanceDate", account.startBalanceDate().toISOString()},
        {"balance", account.balance().toString(2)},
        {"reconciledBalance", account.reconciledBalance().toString(2)},
        {"balanceInHomeCurrency",
         Currency::exchange(account.balance(), account.currency(), nullptr).toString(2)},
    };
}

std::string categoryText(const Transaction& transaction) {
    const std::vector<Split*> splits = transaction.sortedSplits();
    std::string text;
    for (const Split* split : splits) {
        if (splits.size() == 1) {
            return split->category() != nullptr ? split->category()->name() : "";
        }
        const std::string name =
            split->category() != nullptr ? split->category()->name() : "Uncategorized";
        text += (text.empty() ? "" : ", ") + name + " " + split->amount().toString(2);
    }
    return text;
}

Json transactionRow(const Transaction& transaction, bool withRunningBalance) {
    Json row{
        {"sortID", transaction.sortID()},
        {"date", transaction.date().toISOString()},
        {"title", optionalText(transaction.title())},
        {"checkNumber", optionalInteger(transaction.checkNumber())},
        {"notes", optionalText(transaction.notes())},
        {"category", categoryText(transaction)},
        {"amount", transaction.amount().toString(2)},
    };
    row["runningBalance"] =
        withRunningBalance ? Json(transaction.runningBalance().toString(2)) : Json(nullptr);
    row["isPending"] = transaction.isPending();
    row["isNew"] = transaction.isNew();
    row["isImported"] = transaction.isImported();
    row["isMatched"] = transaction.isMatched();
    row["isGenerated"] = transaction.isGenerated();
    if (withRunningBalance || transaction.account() == nullptr) {
        return row;
    }
    row["account"] = transaction.account()->name();
    return row;
}

namespace {

Json nameOf(const Account* account) {
    return account != nullptr ? Json(account->name()) : Json(nullptr);
}

Json rulesOf(const ScheduledItem& item) {
    if (!item.repeatRules()) {
        return nullptr;
    }
    Json rules = Json::array();
    for (const RepeatRule& rule : *item.repeatRules()) {
        rules.push_back(rule.week() != nullptr
                            ? ScheduledItemOptions::ruleText(rule.week()->weekday(), true)
                            : ScheduledItemOptions::ruleText(rule.month()->count(), false));
    }
    return rules;
}

}  // namespace

Json scheduledItemRow(const ScheduledItem& item) {
    return Json{
        {"title", item.title()},
        {"amount", item.amount().toString(2)},
        {"account", nameOf(item.account())},
        {"toAccount", nameOf(item.toAccount())},
        {"category", item.category() != nullptr ? Json(item.category()->name()) : Json(nullptr)},
        {"nextDueDate", item.nextDueDate().toISOString()},
        {"repeatType", optionalText(item.repeatType())},
        {"repeatInterval", optionalInteger(item.repeatInterval())},
        {"repeatRules", rulesOf(item)},
        {"endsAfter", optionalInteger(item.endsAfter())},
        {"reminderDays", optionalInteger(item.reminderDays())},
        {"hasReminded", item.hasReminded()},
        {"payAutomatically", item.payAutomatically()},
        {"paymentURL", optionalText(item.paymentURL())},
        {"paymentInstructions", optionalText(item.paymentInstructions())},
        {"notes", optionalText(item.notes())},
        {"dueText", dueDateCellText(item.nextDueDate(), Date::today_PN())},
        {"shouldColorRed", item.shouldColorRed()},
    };
}

std::string checkedType(const std::string& type) {
    constexpr std::array<const char*, 5> kTypes = {kAccountTypeChecking, kAccountTypeSavings,
                                                   kAccountTypeCreditCard, kAccountTypeCash,
                                                   kAccountTypeOther};
    if (std::find(kTypes.begin(), kTypes.end(), type) == kTypes.end()) {
        throw CliError::usage("--type expects checking, savings, credit_card, cash or other");
    }
    return type;
}

Currency* currencyForCode(ObjectContext& context, const std::string& code) {
    if (code == "home" || code == Global::sharedInstanceInContext(context)->homeCurrency()) {
        return nullptr;
    }
    Currency* currency = Currency::findFirstByPredicate(
        [&](const Currency& c) { return c.code() == code; }, context);
    if (currency == nullptr) {
        throw CliError::failed("No currency has the code \"" + code + "\".");
    }
    return currency;
}

Transaction& transaction(ObjectContext& context, const std::string& text) {
    const std::int64_t sortID = CommandInvocation::parseInteger("SORTID", text);
    Transaction* found = Transaction::findFirstByPredicate(
        [&](const Transaction& t) { return t.sortID() == sortID; }, context);
    if (found == nullptr) {
        throw CliError::failed("No transaction has the sort ID " + text + ".");
    }
    return *found;
}

}  // namespace CliRows
