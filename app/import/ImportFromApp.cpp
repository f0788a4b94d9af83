#include "ImportFromApp.h"

#include <filesystem>
#include <fstream>
#include <utility>
#include <variant>

#include "AppImportPlan.h"
#include "CategoriesByName.h"
#include "QIFReader.h"
#include "StatementText.h"
#include "base/ParseError.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"
#include "store/Savepoint.h"

namespace {

ImportFromAppResult failure(std::string error) {
    ImportFromAppResult result;
    result.error = std::move(error);
    return result;
}

// A reader's reason may quote the whole offending text after its first line.
std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

bool isReadableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) &&
           static_cast<bool>(std::ifstream(path, std::ios::binary));
}

void insertSplits(const AppImportPlan::PlannedTransaction& planned, Transaction& transaction,
                  CategoriesByName& categories, ObjectContext& context) {
    if (planned.splits.empty()) {
        categories.setCategory(planned.category, *transaction.splits().toVector().front());
        return;
    }
    for (Split* split : transaction.splits().toVector()) {
        transaction.removeSplitsObject(split);
        context.deleteObject(*split);
    }
    for (const AppImportPlan::PlannedSplit& plannedSplit : planned.splits) {
        Split* split = context.insert<Split>();
        categories.setCategory(plannedSplit.category, *split);
        transaction.addSplitsObject(split);
        split->setAmount(plannedSplit.amount);
    }
}

void insertTransaction(const AppImportPlan::PlannedTransaction& planned, Account& account,
                       CategoriesByName& categories, ObjectContext& context) {
    Transaction* transaction = context.insert<Transaction>();
    transaction->setDate(planned.date);
    transaction->setAmount(planned.amount);
    transaction->setNotes(planned.notes);
    transaction->setTitle(planned.title);
    insertSplits(planned, *transaction, categories, context);
    transaction->setIsImported(false);
    transaction->setIsPending(false);
    transaction->setIsNew(false);
    transaction->setAccount(&account);
}

}  // namespace

ImportFromAppResult ImportFromApp::importFile(const std::string& path, ObjectContext& context) {
    if (!isReadableFile(path)) {
        return failure("The file " + path + " could not be read.");
    }
    // The text goes before the import is planned; the account list holds what it needs.
    std::variant<ImportArray, std::string> parsed = parse(StatementText::readFile(path));
    return importParsed(std::move(parsed), context);
}

ImportFromAppResult ImportFromApp::importText(std::string_view text, ObjectContext& context) {
    return importParsed(parse(text), context);
}

std::variant<ImportArray, std::string> ImportFromApp::parse(std::string_view text) {
    try {
        return QIFReader::parse(text);
    } catch (const ParseError& error) {
        return "The file could not be imported: " + firstLine(error.reason());
    }
}

ImportFromAppResult ImportFromApp::importParsed(std::variant<ImportArray, std::string> parsed,
                                                ObjectContext& context) {
    if (const std::string* problem = std::get_if<std::string>(&parsed)) {
        return failure(*problem);
    }
    return importAccountList(std::get<ImportArray>(std::move(parsed)), context);
}

ImportFromAppResult ImportFromApp::importAccountList(ImportArray accounts, ObjectContext& context) {
    std::variant<AppImportPlan, std::string> plan = AppImportPlan::fromAccountList(accounts);
    accounts = ImportArray();
    if (const std::string* problem = std::get_if<std::string>(&plan)) {
        return failure(*problem);
    }
    ImportFromAppResult result;
    // The import is one unit: an internal error half way (the guard rolls back as it unwinds)
    // or a refused save leaves nothing of it for a later save.
    Savepoint unit(context);
    result.accounts = insertPlan(std::get<AppImportPlan>(plan), context);
    std::optional<ValidationError> error = context.save();
    if (!error) {
        error = unit.release();
    }
    if (error) {
        unit.rollback();
        return failure(error->localizedDescription);
    }
    return result;
}

std::vector<ImportFromAppResult::CreatedAccount> ImportFromApp::insertPlan(
    const AppImportPlan& plan, ObjectContext& context) {
    Node& root = AccountsRoot::setup(context);
    CategoriesByName categories(context);
    std::vector<ImportFromAppResult::CreatedAccount> created;
    for (const AppImportPlan::PlannedAccount& planned : plan.accounts()) {
        Account* account = context.insert<Account>();
        account->setName(planned.name ? *planned.name : Account::nextAvailableDefaultName(context));
        for (const AppImportPlan::PlannedTransaction& transaction : planned.transactions) {
            insertTransaction(transaction, *account, categories, context);
        }
        account->moveTo(&root, static_cast<std::int64_t>(root.children().size()));
        created.push_back({account, account->name(), planned.transactions.size()});
    }
    return created;
}
