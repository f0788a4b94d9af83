#include "cli/TransactionCommands.h"

#include <algorithm>

#include "base/TextFolding.h"
#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "import/TransactionMatching.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/RegisterStatus.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/TransferCommands.h"

namespace {

using CliRows::Json;

// The named category; with `create` an unknown name becomes a new category.
Category& categoryNamed(ObjectContext& context, const std::string& name, bool create) {
    if (create && Category::findFirstByPredicate(
                      [&](const Category& c) {
                          return foldForComparison(c.name()) == foldForComparison(name);
                      },
                      context) == nullptr) {
        Category* category = context.insert<Category>();
        category->setName(name);
        return *category;
    }
    return CliLookup::category(context, name);
}

struct SplitArgument {
    Category* category = nullptr;
    Decimal amount;
};

// "--split CATEGORY=AMOUNT"; the last "=" separates, so a category name may hold one.
SplitArgument parseSplit(ObjectContext& context, const std::string& text, bool create) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0) {
        throw CliError::usage("--split expects CATEGORY=AMOUNT");
    }
    return {&categoryNamed(context, text.substr(0, equals), create),
            CommandInvocation::parseDecimal("--split", text.substr(equals + 1))};
}

// Divides a new transaction over the given splits; a remainder that the splits leave over
// becomes an uncategorized split, as the editor does when it closes.
void applySplits(Transaction& transaction, const std::vector<SplitArgument>& splits) {
    ObjectContext& context = *transaction.managedObjectContext();
    Split* first = transaction.splits().toVector().front();
    first->setCategory(splits.front().category);
    if (splits.size() == 1) {
        return;
    }
    first->setAmount(splits.front().amount);
    for (std::size_t i = 1; i < splits.size(); ++i) {
        Split* split = context.insert<Split>();
        split->setCategory(splits[i].category);
        split->setAmount(splits[i].amount);
        transaction.addSplitsObject(split);
    }
    transaction.fixSplitsIfNecessary();
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
    const bool create = call.flag("--create-category");
    std::vector<SplitArgument> splits;
    for (const std::string& text : call.options("--split")) {
        splits.push_back(parseSplit(context, text, create));
    }
    Category* category = nullptr;
    if (std::optional<std::string> name = call.option("--category")) {
        if (!splits.empty()) {
            throw CliError::usage("give --category or --split, not both");
        }
        category = &categoryNamed(context, *name, create);
    }
    Transaction* transaction =
        account.createTransactionWithDate(*date, call.option("--title"), *amount, category,
                                          call.option("--notes"), call.integerOption("--check"));
    if (!splits.empty()) {
        applySplits(*transaction, splits);
    }
    if (call.flag("--cleared")) {
        transaction->setIsPending(false);
    }
    store.save();
    call.result() = CliRows::transactionRow(*transaction, true);
}

// Streams the rows dated between --from and --to and answers how many there were.
std::size_t streamRowsBetween(const std::vector<Transaction*>& rows, std::optional<Date> from,
                              std::optional<Date> to, CommandInvocation& call,
                              bool withRunningBalance) {
    JsonSink& sink = call.beginStreamedArray("transactions");
    std::size_t count = 0;
    for (const Transaction* transaction : rows) {
        if ((from && transaction->date() < *from) || (to && transaction->date() > *to)) {
            continue;
        }
        CliRows::writeTransactionRow(sink, *transaction, withRunningBalance);
        ++count;
    }
    call.endStreamedArray();
    return count;
}

void showRegister(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::optional<std::string> name = call.positional(0);
    const std::optional<std::string> group = call.option("--group");
    if (static_cast<int>(name.has_value()) + static_cast<int>(group.has_value()) +
            static_cast<int>(call.flag("--all")) !=
        1) {
        throw CliError::usage("register needs one of ACCOUNT, --group G or --all");
    }
    // Every lookup and option is read before the first row streams.
    const std::optional<Date> from = call.dateOption("--from");
    const std::optional<Date> to = call.dateOption("--to");
    if (name) {
        Account& account = CliLookup::account(context, *name);
        const std::size_t count =
            streamRowsBetween(account.orderedTransactions(), from, to, call, true);
        call.result()["status"] = RegisterStatus::forAccount(account, count);
    } else if (group) {
        AccountGroup& found = CliLookup::group(context, *group);
        std::vector<Transaction*> transactions = found.transactions();
        Transaction::sortInStandardOrder(transactions);
        const std::size_t count = streamRowsBetween(transactions, from, to, call, false);
        call.result()["status"] = RegisterStatus::forBalance(found.balance(), count, context);
    } else {
        const std::size_t count =
            streamRowsBetween(Transaction::allInContext(context), from, to, call, false);
        call.result()["status"] =
            RegisterStatus::forBalance(Account::overallBalanceInContext(context), count, context);
    }
}

void deleteTransaction(CommandInvocation& call) {
    CliStore store(call.global());
    Transaction& transaction = CliRows::transaction(store.context(), call.requiredPositional(0));
    if (transaction.isGenerated()) {
        throw CliError::failed(
            "A projected transaction is removed only through its scheduled transaction.");
    }
    call.result()["deleted"] = CliRows::transactionRow(transaction, false);
    store.context().deleteObject(transaction);
    store.save();
}

// Hand-entered transactions flag pending; imported or matched ones flag new.
void toggleFlag(CommandInvocation& call) {
    CliStore store(call.global());
    Transaction& transaction = CliRows::transaction(store.context(), call.requiredPositional(0));
    if (transaction.isGenerated()) {
        throw CliError::failed("A projected transaction has no flag.");
    }
    if (transaction.isImported() || transaction.isMatched()) {
        transaction.setIsNew(!transaction.isNew());
    } else {
        transaction.setIsPending(!transaction.isPending());
    }
    store.save();
    call.result() = CliRows::transactionRow(transaction, true);
}

void makeTransfer(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    Account& from = CliLookup::account(context, call.requiredPositional(0));
    Account& to = CliLookup::account(context, call.requiredPositional(1));
    CliError::throwIfRefused(TransferCommands::checkTransfer(from, to));
    const Decimal amount = CommandInvocation::parseDecimal("AMOUNT", call.requiredPositional(2));
    Category* category = nullptr;
    if (std::optional<std::string> name = call.option("--category")) {
        category = &CliLookup::category(context, *name);
    }
    from.transfer(amount, to, category, call.option("--title"), call.dateOption("--date"));
    store.save();
    call.result()["from"] = CliRows::accountRow(from);
    call.result()["to"] = CliRows::accountRow(to);
}

void search(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::optional<std::string> account = call.option("--account");
    const std::optional<std::string> group = call.option("--group");
    if (account && group) {
        throw CliError::usage("give --account or --group, not both");
    }
    std::vector<Transaction*> scope;
    if (account) {
        scope = CliLookup::account(context, *account).transactions().toVector();
    } else if (group) {
        scope = CliLookup::group(context, *group).transactions();
    } else {
        scope = Transaction::allInContext(context);
    }
    const std::string& text = call.requiredPositional(0);
    std::erase_if(scope, [&](const Transaction* t) { return !containsCD(t->keywords(), text); });
    Transaction::sortInStandardOrder(scope);
    JsonSink& sink = call.beginStreamedArray("transactions");
    for (const Transaction* transaction : scope) {
        CliRows::writeTransactionRow(sink, *transaction, false);
    }
    call.endStreamedArray();
    call.result()["status"] = RegisterStatus::forSearch(scope.size());
}

TransactionMatching::AmountChoice amountChoice(const std::optional<std::string>& use) {
    if (!use) {
        return TransactionMatching::AmountChoice::Cancel;
    }
    if (*use == "imported") {
        return TransactionMatching::AmountChoice::UseImported;
    }
    if (*use == "pending") {
        return TransactionMatching::AmountChoice::UsePending;
    }
    throw CliError::usage("--use expects imported or pending");
}

void matchTransactions(CommandInvocation& call) {
    CliStore store(call.global());
    ObjectContext& context = store.context();
    const std::vector<Transaction*> selection = {
        &CliRows::transaction(context, call.requiredPositional(0)),
        &CliRows::transaction(context, call.requiredPositional(1))};
    if (selection[0] == selection[1]) {
        throw CliError::failed("You must select two transactions to match together.");
    }
    if (auto refusal = TransactionMatching::refusalForSelection(selection)) {
        throw CliError::failed(refusal->title + "\n" + refusal->message);
    }
    const TransactionMatching::Pair pair = TransactionMatching::pairForSelection(selection);
    const auto choice = amountChoice(call.option("--use"));
    if (TransactionMatching::amountsDiffer(pair) &&
        choice == TransactionMatching::AmountChoice::Cancel) {
        throw CliError::failed("The two amounts differ (" + pair.pending->amount().toString(2) +
                               " and " + pair.imported->amount().toString(2) +
                               "); say which to keep with --use imported or --use pending.");
    }
    Transaction& pending = *pair.pending;
    TransactionMatching::match(pair, choice == TransactionMatching::AmountChoice::Cancel
                                         ? TransactionMatching::AmountChoice::UseImported
                                         : choice);
    store.save();
    call.result() = CliRows::transactionRow(pending, true);
}

void undoMatch(CommandInvocation& call) {
    CliStore store(call.global());
    Transaction& matched = CliRows::transaction(store.context(), call.requiredPositional(0));
    if (!matched.isMatched()) {
        throw CliError::failed("This transaction is not matched with an imported one.");
    }
    Transaction* recreated = TransactionMatching::undoMatch(matched);
    store.save();
    call.result()["pending"] = CliRows::transactionRow(matched, true);
    call.result()["imported"] = CliRows::transactionRow(*recreated, true);
}

}  // namespace

void registerTransactionCommands(CommandRegistry& registry) {
    registry.add({.name = "add-transaction",
                  .summary = "a new transaction in an account",
                  .positionals = {"ACCOUNT"},
                  .valueOptions = {"--date", "--title", "--amount", "--category", "--split",
                                   "--notes", "--check"},
                  .flags = {"--cleared", "--create-category"},
                  .run = addTransaction});
    registry.add({.name = "register",
                  .summary = "the transactions of an account, a group (--group) or all (--all)",
                  .positionals = {"ACCOUNT"},
                  .optionalPositionals = 1,
                  .valueOptions = {"--group", "--from", "--to"},
                  .flags = {"--all"},
                  .run = showRegister});
    registry.add({.name = "delete-transaction",
                  .summary = "delete a transaction",
                  .positionals = {"SORTID"},
                  .run = deleteTransaction});
    registry.add({.name = "flag",
                  .summary = "toggle a transaction's pending or new flag",
                  .positionals = {"SORTID"},
                  .run = toggleFlag});
    registry.add({.name = "transfer",
                  .summary = "move an amount between two accounts",
                  .positionals = {"FROM", "TO", "AMOUNT"},
                  .valueOptions = {"--title", "--category", "--date"},
                  .run = makeTransfer});
    registry.add({.name = "search",
                  .summary = "transactions whose text contains TEXT",
                  .positionals = {"TEXT"},
                  .valueOptions = {"--account", "--group"},
                  .run = search});
    registry.add({.name = "match",
                  .summary = "match a pending transaction with an imported one",
                  .positionals = {"PENDING_SORTID", "IMPORTED_SORTID"},
                  .valueOptions = {"--use"},
                  .run = matchTransactions});
    registry.add({.name = "undo-match",
                  .summary = "separate a matched transaction again",
                  .positionals = {"SORTID"},
                  .run = undoMatch});
}
