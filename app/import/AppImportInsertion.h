#pragma once

#include <cstddef>
#include <memory>

#include "AppImportPlan.h"
#include "ImportFromApp.h"

class CategoriesByName;
class Savepoint;
class Node;
class ObjectContext;

// Puts a planned import from another application into a context in steps, so that a front
// end can keep its window live between them: insertNext() inserts the next transactions,
// save() saves the whole import, cancel() takes every insertion back. Until one of those two,
// the import is one unit of change on the context (a savepoint): a save asked for meanwhile
// waits for the unit, so no part of an import ever reaches the store file alone.
//
// An import of a whole export is not undone step by step: undo registration is off while
// the insertion lives (the records would cost more memory than the import), and once the
// import is saved the undo history, which no longer describes the account tree, is cleared.
class AppImportInsertion final {
public:
    // REQUIRES: `context` outlives the insertion.
    AppImportInsertion(AppImportPlan plan, ObjectContext& context);
    // Cancels an import that was neither saved nor cancelled.
    ~AppImportInsertion();
    AppImportInsertion(const AppImportInsertion&) = delete;
    AppImportInsertion& operator=(const AppImportInsertion&) = delete;

    // Inserts up to `count` more transactions (and the accounts they belong to).
    void insertNext(std::size_t count);
    bool isFinished() const;
    std::size_t transactionCount() const { return m_transactionCount; }
    std::size_t insertedCount() const { return m_insertedCount; }

    // Saves the import: the new accounts, or the save's error with every insertion taken
    // back. REQUIRES: isFinished().
    ImportFromAppResult save();
    // Takes every insertion back; the context then holds what the store file holds.
    void cancel();

private:
    void startAccount();
    void finishAccount();
    void end();

    AppImportPlan m_plan;
    ObjectContext& m_context;
    std::unique_ptr<Savepoint> m_unit;
    std::unique_ptr<CategoriesByName> m_categories;
    Node* m_root = nullptr;
    std::vector<ImportFromAppResult::CreatedAccount> m_created;
    std::size_t m_accountIndex = 0;
    std::size_t m_transactionIndex = 0;  // within the current account
    Account* m_account = nullptr;        // the account being filled
    std::size_t m_transactionCount = 0;
    std::size_t m_insertedCount = 0;
    bool m_ended = false;
};
