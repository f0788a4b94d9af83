#include "cli/LedgerCommands.h"

#include <algorithm>
#include <array>

#include "base/Date.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"

namespace {

using Json = nlohmann::ordered_json;

Json optionalText(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
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

// The Currency of `code`, or nullptr for the home currency.
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

Json accountRow(const Account& account) {
    const Node* parent = account.parent();
    const auto* group = dynamic_cast<const AccountGroup*>(parent);
    return Json{
        {"name", account.name()},
        {"type", optionalText(account.type())},
        {"group", group != nullptr ? Json(group->name()) : Json(nullptr)},
        {"currency", account.currency() != nullptr ? Json(account.currency()->code())
                                                   : Json(nullptr)},
        {"isClosed", account.isClosed()},
        {"startBalance", account.startBalance().toString(2)},
        {"startBalanceDate", account.startBalanceDate().toISOString()},
        {"balance", account.balance().toString(2)},
        {"reconciledBalance", account.reconciledBalance().toString(2)},
        {"balanceInHomeCurrency",
         Currency::exchange(account.balance(), account.currency(), nullptr).toString(2)},
    };
}

void listAccounts(CommandInvocation& call) {
    CliStore store(call.global());
    Json rows = Json::array();
    for (Node* node : CliLookup::nodesInTreeOrder(store.accountsRoot())) {
        if (const auto* account = dynamic_cast<const Account*>(node)) {
            rows.push_back(accountRow(*account));
        }
    }
    call.result()["homeCurrency"] =
        Global::sharedInstanceInContext(store.context())->homeCurrency();
    call.result()["accounts"] = std::move(rows);
}

void addAccount(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string name = call.requiredPositional(0);
    if (Account::nameAlreadyTaken(name, context)) {
        throw CliError::failed("An account named \"" + name + "\" exists already.");
    }
    Node* parent = &store.accountsRoot();
    if (std::optional<std::string> group = call.option("--group")) {
        parent = &CliLookup::group(context, *group);
    }
    Account* account = context.insert<Account>();
    account->moveTo(parent, static_cast<std::int64_t>(parent->children().size()));
    account->setName(name);
    account->setType(checkedType(call.option("--type").value_or(kAccountTypeChecking)));
    if (std::optional<std::string> code = call.option("--currency")) {
        account->setCurrency(currencyForCode(context, *code));
    }
    account->setStartBalance(call.decimalOption("--start-balance").value_or(Decimal()));
    account->setStartBalanceDate(
        call.dateOption("--start-date").value_or(Date::today_PN().daysAgo_PN(1)));
    store.save();
    call.result() = accountRow(*account);
}

void addGroup(CommandInvocation& call) {
    CliStore store(call.global());
    AccountGroup* group = store.context().insert<AccountGroup>();
    Node& root = store.accountsRoot();
    group->moveTo(&root, static_cast<std::int64_t>(root.children().size()));
    group->setName(call.requiredPositional(0));
    store.save();
    call.result()["name"] = group->name();
}

std::string categoryText(const Transaction& transaction) {
    std::string text;
    for (const Split* split : transaction.sortedSplits()) {
        if (split->category() != nullptr) {
            text += (text.empty() ? "" : ", ") + split->category()->name();
        }
    }
    return text;
}

Json transactionRow(const Transaction& transaction, bool withRunningBalance) {
    Json row{
        {"sortID", transaction.sortID()},
        {"date", transaction.date().toISOString()},
        {"title", optionalText(transaction.title())},
        {"checkNumber", transaction.checkNumber() ? Json(*transaction.checkNumber())
                                                  : Json(nullptr)},
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
    return row;
}

void addTransaction(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Account& account = CliLookup::account(context, call.requiredPositional(0));
    const std::optional<Date> date = call.dateOption("--date");
    const std::optional<Decimal> amount = call.decimalOption("--amount");
    if (!date || !amount) {
        throw CliError::usage("add-transaction needs --date and --amount");
    }
    Category* category = nullptr;
    if (std::optional<std::string> name = call.option("--category")) {
        category = &CliLookup::category(context, *name);
    }
    Transaction* transaction = account.createTransactionWithDate(
        *date, call.option("--title"), *amount, category, call.option("--notes"),
        call.integerOption("--check"));
    if (call.flag("--cleared")) {
        transaction->setIsPending(false);
    }
    store.save();
    call.result() = transactionRow(*transaction, true);
}

void showRegister(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::optional<std::string> name = call.positional(0);
    if (!name && !call.flag("--all")) {
        throw CliError::usage("register needs an account or --all");
    }
    std::vector<Transaction*> rows = name ? CliLookup::account(context, *name).orderedTransactions()
                                          : Transaction::allInContext(context);
    const std::optional<Date> from = call.dateOption("--from");
    const std::optional<Date> to = call.dateOption("--to");
    Json out = Json::array();
    for (const Transaction* transaction : rows) {
        if ((from && transaction->date() < *from) || (to && transaction->date() > *to)) {
            continue;
        }
        out.push_back(transactionRow(*transaction, name.has_value()));
    }
    call.result()["transactions"] = std::move(out);
}

void makeTransfer(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Account& from = CliLookup::account(context, call.requiredPositional(0));
    Account& to = CliLookup::account(context, call.requiredPositional(1));
    if (&from == &to) {
        throw CliError::failed("An account cannot transfer to itself.");
    }
    const Decimal amount = CommandInvocation::parseDecimal("AMOUNT", call.requiredPositional(2));
    Category* category = nullptr;
    if (std::optional<std::string> name = call.option("--category")) {
        category = &CliLookup::category(context, *name);
    }
    from.transfer(amount, to, category, call.option("--title"), call.dateOption("--date"));
    store.save();
    call.result()["from"] = accountRow(from);
    call.result()["to"] = accountRow(to);
}

void listCategories(CommandInvocation& call) {
    CliStore store(call.global());
    std::vector<Category*> categories = Category::allInContext(store.context());
    std::sort(categories.begin(), categories.end(),
              [](const Category* a, const Category* b) { return a->name() < b->name(); });
    Json rows = Json::array();
    for (const Category* category : categories) {
        rows.push_back(Json{
            {"name", category->name()},
            {"group", category->group() != nullptr ? Json(category->group()->name())
                                                   : Json(nullptr)},
            {"numberOfUses", category->numberOfUses()},
        });
    }
    call.result()["categories"] = std::move(rows);
}

void addCategory(CommandInvocation& call) {
    CliStore store(call.global());
    const std::string name = call.requiredPositional(0);
    if (Category::nameAlreadyTaken(name, store.context())) {
        throw CliError::failed("A category named \"" + name + "\" exists already.");
    }
    Category* category = store.context().insert<Category>();
    category->setName(name);
    store.save();
    call.result()["name"] = category->name();
}

void listCurrencies(CommandInvocation& call) {
    CliStore store(call.global());
    std::vector<Currency*> currencies = Currency::allInContext(store.context());
    std::sort(currencies.begin(), currencies.end(),
              [](const Currency* a, const Currency* b) { return a->code() < b->code(); });
    Json rows = Json::array();
    for (const Currency* currency : currencies) {
        rows.push_back(Json{{"code", currency->code()},
                            {"name", currency->name()},
                            {"rate", currency->rate().toString()}});
    }
    call.result()["homeCurrency"] =
        Global::sharedInstanceInContext(store.context())->homeCurrency();
    call.result()["currencies"] = std::move(rows);
}

}  // namespace

void registerLedgerCommands(CommandRegistry& registry) {
    registry.add({.name = "accounts", .summary = "the accounts in tree order", .run = listAccounts});
    registry.add({.name = "add-account",
                  .summary = "a new account",
                  .positionals = {"NAME"},
                  .valueOptions = {"--type", "--currency", "--start-balance", "--start-date",
                                   "--group"},
                  .run = addAccount});
    registry.add({.name = "add-group",
                  .summary = "a new account group",
                  .positionals = {"NAME"},
                  .run = addGroup});
    registry.add({.name = "add-transaction",
                  .summary = "a new transaction in an account",
                  .positionals = {"ACCOUNT"},
                  .valueOptions = {"--date", "--title", "--amount", "--category", "--notes",
                                   "--check"},
                  .flags = {"--cleared"},
                  .run = addTransaction});
    registry.add({.name = "register",
                  .summary = "the transactions of an account, or of all with --all",
                  .positionals = {"ACCOUNT"},
                  .optionalPositionals = 1,
                  .valueOptions = {"--from", "--to"},
                  .flags = {"--all"},
                  .run = showRegister});
    registry.add({.name = "transfer",
                  .summary = "move an amount between two accounts",
                  .positionals = {"FROM", "TO", "AMOUNT"},
                  .valueOptions = {"--title", "--category", "--date"},
                  .run = makeTransfer});
    registry.add({.name = "categories", .summary = "the categories", .run = listCategories});
    registry.add({.name = "add-category",
                  .summary = "a new category",
                  .positionals = {"NAME"},
                  .run = addCategory});
    registry.add({.name = "currencies",
                  .summary = "the home currency and the exchange rates",
                  .run = listCurrencies});
}
