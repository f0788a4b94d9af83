#include "cli/CliRows.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "cli/CliError.h"
#include "cli/CommandInvocation.h"
#include "cli/JsonDomBuilder.h"
#include "cli/ScheduledItemOptions.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/HomeCurrencyChoice.h"
#include "ledger/RegisterCategoryText.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "scheduled/DueDateTexts.h"
#include "scheduled/RepeatRule.h"
#include "scheduled/ScheduledItem.h"

namespace CliRows {

Json shortNumber(float value) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    double shortest = 0;
    std::from_chars(text.data(), written.ptr, shortest);
    return shortest;
}

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

void writeTransactionRow(JsonSink& sink, const Transaction& transaction, bool withRunningBalance) {
    sink.beginObject();
    sink.key("sortID");
    sink.integer(transaction.sortID());
    sink.key("date");
    sink.string(transaction.date().toISOString());
    sink.key("title");
    sink.optionalText(transaction.title());
    sink.key("checkNumber");
    sink.optionalInteger(transaction.checkNumber());
    sink.key("notes");
    sink.optionalText(transaction.notes());
    sink.key("category");
    sink.string(RegisterCategoryText::plainText(transaction));
    sink.key("amount");
    sink.string(transaction.amount().toString(2));
    sink.key("runningBalance");
    withRunningBalance ? sink.string(transaction.runningBalance().toString(2)) : sink.null();
    sink.key("isPending");
    sink.boolean(transaction.isPending());
    sink.key("isNew");
    sink.boolean(transaction.isNew());
    sink.key("isImported");
    sink.boolean(transaction.isImported());
    sink.key("isMatched");
    sink.boolean(transaction.isMatched());
    sink.key("isGenerated");
    sink.boolean(transaction.isGenerated());
    if (!withRunningBalance && transaction.account() != nullptr) {
        sink.key("account");
        sink.string(transaction.account()->name());
    }
    sink.endObject();
}

Json transactionRow(const Transaction& transaction, bool withRunningBalance) {
    Json row;
    JsonDomBuilder builder(row);
    writeTransactionRow(builder, transaction, withRunningBalance);
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
    if (code == "home" || code == HomeCurrencyChoice::homeCode(context)) {
        return nullptr;
    }
    Currency* currency = HomeCurrencyChoice::currencyWithCode(code, context);
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
