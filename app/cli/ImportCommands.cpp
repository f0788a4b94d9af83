#include "cli/ImportCommands.h"

#include <malloc.h>

#include <filesystem>

#include "cli/CliError.h"
#include "cli/CliLookup.h"
#include "cli/CliRows.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "import/ImportFromApp.h"
#include "import/ImportSession.h"
#include "import/StatementImporter.h"
#include "ledger/Account.h"

namespace {

using CliRows::Json;

// The offered statements, one "INDEX: LABEL" line each, for a file that holds several.
std::string statementChoiceText(const ImportSession& session) {
    std::string text = "The file holds several statements; choose one with --statement INDEX:";
    const std::vector<std::string>& labels = session.statementLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        text += "\n" + std::to_string(i) + ": " + labels[i];
    }
    return text;
}

void answerStatementChoice(ImportSession& session, const CommandInvocation& call) {
    const std::optional<std::int64_t> index = call.integerOption("--statement");
    if (!index) {
        throw CliError::failed(statementChoiceText(session));
    }
    if (*index < 0 || static_cast<std::size_t>(*index) >= session.statementLabels().size()) {
        throw CliError::failed("There is no statement " + std::to_string(*index) + ".\n" +
                               statementChoiceText(session));
    }
    session.continueFromStatementChoice(static_cast<std::size_t>(*index));
}

void refuseDateOrder(ImportSession& session) {
    std::string text = session.dateOrderQuestion().instructions +
                       "\nSample date: " + session.dateOrderQuestion().sampleText +
                       "\nGive the order with --date-order MDY, DMY or YMD.";
    if (std::optional<ImportSession::Alert> alert = session.takeAlert()) {
        text += "\n" + alert->text();
    }
    throw CliError::failed(text);
}

Json summaryJson(const ImportSession& session) {
    const ImportSummary& summary = *session.importSummary();
    const ImportSession::SummaryTexts texts = session.summaryTexts();
    return Json{
        {"matched", summary.matched},
        {"new", summary.created},
        {"duplicate", summary.duplicate},
        {"summaryTitle", texts.title},
        {"matchedLabel", texts.matched},
        {"newLabel", texts.created},
        {"duplicateLabel", CliRows::optionalText(texts.duplicate)},
    };
}

// How many entries the command imports between two looks at its progress.
constexpr std::size_t kEntriesPerStep = 2000;

// Imports the entries in steps, telling the progress line how far it got; ends on the page the
// import ends on (the summary once saved).
void importInSteps(ImportSession& session, CliProgress& progress) {
    bool firstStep = true;
    while (session.page() == ImportSession::Page::Importing) {
        // Counts may be skipped; the start of the import and the save may not.
        if (firstStep || session.entriesImported() == session.entriesToImport()) {
            progress.show(session.progressText());
        } else {
            progress.update(session.progressText());
        }
        firstStep = false;
        session.continueImport();
        // The entries imported are freed step by step, but the allocator keeps their pages
        // unless asked: handing them back keeps a large import's peak near that of its objects.
        malloc_trim(0);
    }
}

// The sheet's flow without its pages: a question the command line did not answer ends the
// command, and an import that did not finish leaves the store as it was.
void importStatement(CommandInvocation& call) {
    CliStore store(call.global());
    Account& account = CliLookup::account(store.context(), call.requiredPositional(0));
    const std::string& file = call.requiredPositional(1);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw CliError::failed("The file \"" + file + "\" does not exist or is not a file.");
    }
    if (std::optional<std::string> order = call.option("--date-order")) {
        if (*order != "MDY" && *order != "DMY" && *order != "YMD") {
            throw CliError::usage("--date-order expects MDY, DMY or YMD");
        }
        account.setQifDateOrder(*order);
    }
    ImportSession session(account);
    session.chooseFile(file);
    session.setEntriesPerStep(kEntriesPerStep);
    call.progress().show(ImportSession::readingText(file));
    session.import();
    if (session.page() == ImportSession::Page::StatementChoice) {
        answerStatementChoice(session, call);
    }
    importInSteps(session, call.progress());
    if (session.page() == ImportSession::Page::DateOrder) {
        refuseDateOrder(session);
    }
    if (std::optional<ImportSession::Alert> alert = session.takeAlert()) {
        std::string text = alert->text();
        for (const std::string& line : session.log()) {
            text += "\n" + line;
        }
        throw CliError::failed(text);
    }
    if (session.page() != ImportSession::Page::Summary) {
        throw CliError::failed(ImportSession::couldNotImportAlert().text());
    }
    // The session saved on reaching its summary; a refused save would have been its alert.
    store.keepSaved();
    call.result() = summaryJson(session);
}

// Another application's multi-account export: all accounts or none.
void importFromApp(CommandInvocation& call) {
    CliStore store(call.global());
    const std::string& file = call.requiredPositional(0);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw CliError::failed("The file \"" + file + "\" does not exist or is not a file.");
    }
    const ImportFromAppResult result = ImportFromApp::importFile(file, store.context());
    if (!result.succeeded()) {
        throw CliError::failed(*result.error);
    }
    store.save();
    Json accounts = Json::array();
    for (const ImportFromAppResult::CreatedAccount& created : result.accounts) {
        accounts.push_back(
            Json{{"name", created.name}, {"transactions", created.transactionCount}});
    }
    call.result()["accounts"] = std::move(accounts);
}

}  // namespace

void registerImportCommands(CommandRegistry& registry) {
    registry.add({.name = "import",
                  .summary = "import an OFX, QFX or QIF statement into an account",
                  .positionals = {"ACCOUNT", "FILE"},
                  .valueOptions = {"--date-order", "--statement"},
                  .run = importStatement});
    registry.add({.name = "import-app",
                  .summary = "import every account of another application's QIF export",
                  .positionals = {"FILE"},
                  .run = importFromApp});
}
