#include "cli/AccountCommands.h"

#include <array>

#include "base/Date.h"
#include "base/TextFolding.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "import/ImportSession.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountSheets.h"
#include "ledger/AccountTreeCommands.h"
#include "ledger/Global.h"
#include "ledger/LedgerIndex.h"

namespace {

using CliRows::Json;

void listAccounts(CommandInvocation& call) {
    CliStore store(call.global());
    LedgerIndex::of(store.context()).buildAllAccounts();  // every balance is listed
    Json rows = Json::array();
    for (Node* node : CliLookup::nodesInTreeOrder(store.accountsRoot())) {
        if (const auto* account = dynamic_cast<const Account*>(node)) {
            rows.push_back(CliRows::accountRow(*account));
        }
    }
    call.result()["homeCurrency"] =
        Global::sharedInstanceInContext(store.context())->homeCurrency();
    call.result()["accounts"] = std::move(rows);
}

int typePosition(const std::string& type) {
    return AccountSheets::positionOfType(CliRows::checkedType(type));
}

void addAccount(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::string name = call.requiredPositional(0);
    CliError::throwIfRefused(AccountTreeCommands::checkAccountNameIsFree(context, name, nullptr));
    Node* parent = &store.accountsRoot();
    if (std::optional<std::string> group = call.option("--group")) {
        parent = &CliLookup::group(context, *group);
    }
    AccountSheets::NewAccount fields{
        .name = name,
        .typePosition = typePosition(call.option("--type").value_or(kAccountTypeChecking)),
        .currency = nullptr,
        .startBalance = call.decimalOption("--start-balance").value_or(Decimal()),
        .startBalanceDate =
            call.dateOption("--start-date").value_or(Date::today_PN().daysAgo_PN(1)),
    };
    if (std::optional<std::string> code = call.option("--currency")) {
        fields.currency = CliRows::currencyForCode(context, *code);
    }
    Account& account = AccountSheets::confirmNewAccount(context, *parent, fields);
    store.save();
    call.result() = CliRows::accountRow(account);
    call.result()["showsHelp"] = AccountSheets::showsHelpAfterCreating(account);
}

void addGroup(CommandInvocation& call) {
    CliStore store(call.global());
    AccountGroup& group = AccountTreeCommands::addGroup(store.context(), store.accountsRoot(),
                                                        call.requiredPositional(0));
    store.save();
    call.result()["name"] = group.name();
}

void editAccount(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Account& account = CliLookup::account(context, call.requiredPositional(0));
    if (call.flag("--closed") && call.flag("--open")) {
        throw CliError::usage("give --closed or --open, not both");
    }
    AccountSheets::Edit fields{
        .name = call.option("--name").value_or(account.name()),
        .typePosition = call.option("--type") ? typePosition(*call.option("--type"))
                                              : AccountSheets::positionOfType(account.type()),
        .currency = account.currency(),
        .startBalance = call.decimalOption("--start-balance").value_or(account.startBalance()),
        .isClosed = call.flag("--closed") || (account.isClosed() && !call.flag("--open")),
    };
    if (fields.name != account.name()) {
        CliError::throwIfRefused(
            AccountTreeCommands::checkAccountNameIsFree(context, fields.name, &account));
    }
    if (std::optional<std::string> code = call.option("--currency")) {
        fields.currency = CliRows::currencyForCode(context, *code);
    }
    AccountSheets::confirmEdit(account, fields,
                               Global::sharedInstanceInContext(context)->isShowingProjection(),
                               Date::today_PN());
    store.save();
    call.result() = CliRows::accountRow(account);
}

void closeAccount(CommandInvocation& call) {
    CliStore store(call.global());
    Account& account = CliLookup::account(store.context(), call.requiredPositional(0));
    account.setIsClosed(true);
    store.save();
    call.result() = CliRows::accountRow(account);
}

void deleteAccount(CommandInvocation& call) {
    CliStore store(call.global());
    Account& account = CliLookup::account(store.context(), call.requiredPositional(0));
    const std::string name = account.name();
    const std::size_t count = account.transactions().size();
    AccountTreeCommands::performDelete(account, store.context());
    store.save();
    call.result()["deleted"] = name;
    call.result()["transactionsDeleted"] = count;
}

void deleteGroup(CommandInvocation& call) {
    CliStore store(call.global());
    AccountGroup& group = CliLookup::group(store.context(), call.requiredPositional(0));
    CliError::throwIfRefused(AccountTreeCommands::checkDelete(group));
    const std::string name = group.name();
    AccountTreeCommands::performDelete(group, store.context());
    store.save();
    call.result()["deleted"] = name;
}

// An account or a group, by name; a name both carry is ambiguous.
Node& nodeNamed(ObjectContext& context, const std::string& name) {
    const bool isAccount = Account::findFirstByPredicate(
                               [&](const Account& a) {
                                   return foldForComparison(a.name()) == foldForComparison(name);
                               },
                               context) != nullptr;
    const bool isGroup = AccountGroup::findFirstByPredicate(
                             [&](const AccountGroup& g) {
                                 return foldForComparison(g.name()) == foldForComparison(name);
                             },
                             context) != nullptr;
    if (isAccount && isGroup) {
        throw CliError::failed("Both an account and an account group are named \"" + name + "\".");
    }
    if (isGroup) {
        return CliLookup::group(context, name);
    }
    return CliLookup::account(context, name);
}

// The tree has two levels: groups sit under the root, accounts under the root or a group.
void moveNode(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Node& node = nodeNamed(context, call.requiredPositional(0));
    const std::optional<std::string> to = call.option("--to");
    const std::optional<std::int64_t> index = call.integerOption("--index");
    if (!to || !index) {
        throw CliError::usage("move needs --to ROOT|GROUP and --index I");
    }
    Node& parent = *to == "ROOT" ? store.accountsRoot() : CliLookup::group(context, *to);
    // The index is a drop position among the parent's current children, as in the source
    // list: under the same parent, a position past the node's own place ends one lower.
    CliError::throwIfRefused(AccountTreeCommands::checkMove(node, parent, *index));
    AccountTreeCommands::performMove(node, parent, *index, store.accountsRoot());
    store.save();
    call.result()["moved"] = call.requiredPositional(0);
    call.result()["parent"] = *to;
    call.result()["index"] = node.index();
}

int specialBankTag(const std::string& text) {
    if (text == "none") {
        return ImportSession::kSpecialBankNone;
    }
    const std::int64_t bank = CommandInvocation::parseInteger("--special-bank", text);
    if (bank < 0 || bank > 1000) {
        throw CliError::usage("--special-bank expects a bank number from 0 or none");
    }
    return static_cast<int>(bank);
}

int dateOrderTag(const std::string& text) {
    if (text == "none") {
        return ImportSession::kDateOrderNotSet;
    }
    constexpr std::array<const char*, 3> kOrders = {"MDY", "DMY", "YMD"};
    for (std::size_t tag = 0; tag < kOrders.size(); ++tag) {
        if (text == kOrders[tag]) {
            return static_cast<int>(tag);
        }
    }
    throw CliError::usage("--date-order expects MDY, DMY, YMD or none");
}

// Without options it shows the settings; with them it stores both, as the settings page does.
void importSettings(CommandInvocation& call) {
    CliStore store(call.global());
    Account& account = CliLookup::account(store.context(), call.requiredPositional(0));
    const std::optional<std::string> bank = call.option("--special-bank");
    const std::optional<std::string> order = call.option("--date-order");
    if (bank || order) {
        ImportSession::saveSettings(
            account, bank ? specialBankTag(*bank) : ImportSession::specialBankTag(account),
            order ? dateOrderTag(*order) : ImportSession::dateOrderTag(account));
        store.save();
    }
    call.result()["account"] = account.name();
    call.result()["specialBank"] = CliRows::optionalInteger(account.specialBank());
    call.result()["dateOrder"] = CliRows::optionalText(account.qifDateOrder());
}

}  // namespace

void registerAccountCommands(CommandRegistry& registry) {
    registry.add(
        {.name = "accounts", .summary = "the accounts in tree order", .run = listAccounts});
    registry.add(
        {.name = "add-account",
         .summary = "a new account",
         .positionals = {"NAME"},
         .valueOptions = {"--type", "--currency", "--start-balance", "--start-date", "--group"},
         .run = addAccount});
    registry.add({.name = "add-group",
                  .summary = "a new account group",
                  .positionals = {"NAME"},
                  .run = addGroup});
    registry.add({.name = "edit-account",
                  .summary = "change an account's name, type, currency, start balance or state",
                  .positionals = {"NAME"},
                  .valueOptions = {"--name", "--type", "--currency", "--start-balance"},
                  .flags = {"--closed", "--open"},
                  .run = editAccount});
    registry.add({.name = "close-account",
                  .summary = "mark an account closed",
                  .positionals = {"NAME"},
                  .run = closeAccount});
    registry.add({.name = "delete-account",
                  .summary = "delete an account and its transactions",
                  .positionals = {"NAME"},
                  .run = deleteAccount});
    registry.add({.name = "delete-group",
                  .summary = "delete an empty account group",
                  .positionals = {"NAME"},
                  .run = deleteGroup});
    registry.add({.name = "move",
                  .summary = "move an account or group in the tree",
                  .positionals = {"NODE"},
                  .valueOptions = {"--to", "--index"},
                  .run = moveNode});
    registry.add({.name = "import-settings",
                  .summary = "show or set an account's special bank and QIF date order",
                  .positionals = {"ACCOUNT"},
                  .valueOptions = {"--special-bank", "--date-order"},
                  .run = importSettings});
}
