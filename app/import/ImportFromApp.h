#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "AppImportPlan.h"
#include "ImportValue.h"

class Account;
class ObjectContext;

// The outcome of an import from another application.
struct ImportFromAppResult {
    struct CreatedAccount {
        Account* account = nullptr;
        std::string name;
        std::size_t transactionCount = 0;
    };
    // The new accounts in file order; empty when the import failed.
    std::vector<CreatedAccount> accounts;
    // Why nothing was imported, in one line; nothing when the import was saved.
    std::optional<std::string> error;

    bool succeeded() const { return !error.has_value(); }
};

// Brings the accounts of a multi-account QIF export from another application into a store:
// every Bank, Cash and CCard section becomes a new account at the end of the account tree,
// with its transactions (cleared, not imported, not new), their splits and notes, and the
// categories they name (found ignoring case and diacritics, or created). It neither merges
// nor looks for duplicates. What the import sheet and `pennora-cli import-app` run.
//
// All or nothing: the file is read and every transaction checked before anything is inserted,
// and the import is saved at once as one unit of change (inside an enclosing savepoint the
// save waits for that one's release). When the file cannot be read, the reader rejects it, a
// transaction lacks a readable date or amount, its splits do not add up, or the save fails,
// the result carries the error and the context is as it was before the import.
class ImportFromApp final {
public:
    ImportFromApp() = delete;

    static ImportFromAppResult importFile(const std::string& path, ObjectContext& context);
    // The same from the file's text.
    static ImportFromAppResult importText(std::string_view text, ObjectContext& context);
    // The same from an account list as QIFReader::parse gives it. The list is let go of as
    // soon as the import is planned: on a large export it is the biggest thing in memory.
    static ImportFromAppResult importAccountList(ImportArray accounts, ObjectContext& context);
    // The plan of a file's import, or why it cannot be imported. Touches no store: safe on
    // any thread; AppImportInsertion then carries the plan out.
    static std::variant<AppImportPlan, std::string> planFile(const std::string& path);

private:
    // The file's account list, or the failure text.
    static std::variant<ImportArray, std::string> parse(std::string_view text);
    static ImportFromAppResult insert(AppImportPlan plan, ObjectContext& context);
    static ImportFromAppResult importParsed(std::variant<ImportArray, std::string> parsed,
                                            ObjectContext& context);
};
