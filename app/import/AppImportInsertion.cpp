#include "AppImportInsertion.h"

#include <utility>

#include "CategoriesByName.h"
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/AccountsRoot.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"
#include "store/Savepoint.h"

namespace {

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

AppImportInsertion::AppImportInsertion(AppImportPlan plan, ObjectContext& context)
    : m_plan(std::move(plan)), m_context(context) {
    for (const AppImportPlan::PlannedAccount& account : m_plan.accounts()) {
        m_transactionCount += account.transactions.size();
    }
    m_context.undoManager().disableUndoRegistration();
    m_unit = std::make_unique<Savepoint>(context);
    m_root = &AccountsRoot::setup(context);
    m_categories = std::make_unique<CategoriesByName>(context);
}

AppImportInsertion::~AppImportInsertion() {
    if (!m_ended) {
        cancel();
    }
}

bool AppImportInsertion::isFinished() const {
    return m_accountIndex == m_plan.accounts().size();
}

void AppImportInsertion::insertNext(std::size_t count) {
    PN_ASSERT(!m_ended, "The import from another application has ended");
    try {
        std::size_t inserted = 0;
        while (!isFinished()) {
            const AppImportPlan::PlannedAccount& planned = m_plan.accounts()[m_accountIndex];
            if (m_account == nullptr) {
                startAccount();
            }
            for (; m_transactionIndex < planned.transactions.size() && inserted < count;
                 ++m_transactionIndex, ++inserted, ++m_insertedCount) {
                insertTransaction(planned.transactions[m_transactionIndex], *m_account,
                                  *m_categories, m_context);
            }
            if (m_transactionIndex < planned.transactions.size()) {
                return;
            }
            finishAccount();
            if (inserted >= count) {
                return;
            }
        }
    } catch (...) {
        // An internal error half way must not leave half an import for a later save.
        cancel();
        throw;
    }
}

void AppImportInsertion::startAccount() {
    const AppImportPlan::PlannedAccount& planned = m_plan.accounts()[m_accountIndex];
    m_account = m_context.insert<Account>();
    m_account->setName(planned.name ? *planned.name : Account::nextAvailableDefaultName(m_context));
}

void AppImportInsertion::finishAccount() {
    const AppImportPlan::PlannedAccount& planned = m_plan.accounts()[m_accountIndex];
    m_account->moveTo(m_root, static_cast<std::int64_t>(m_root->children().size()));
    m_created.push_back({m_account, m_account->name(), planned.transactions.size()});
    m_account = nullptr;
    m_transactionIndex = 0;
    ++m_accountIndex;
}

ImportFromAppResult AppImportInsertion::save() {
    PN_ASSERT(!m_ended && isFinished(), "The import from another application is not finished");
    ImportFromAppResult result;
    // The write happens as the unit is released; a refused one leaves the unit open to roll back.
    std::optional<ValidationError> error = m_context.save();
    if (!error) {
        error = m_unit->release();
    }
    if (error) {
        cancel();
        result.error = error->localizedDescription;
        return result;
    }
    end();
    // Inside an enclosing unit (a command of the command line) the undo history is that unit's.
    if (m_context.savepointDepth() == 0) {
        m_context.undoManager().removeAllActions();
    }
    result.accounts = std::move(m_created);
    return result;
}

void AppImportInsertion::cancel() {
    if (m_ended) {
        return;
    }
    m_unit->rollback();
    end();
}

void AppImportInsertion::end() {
    m_ended = true;
    m_unit.reset();
    m_context.undoManager().enableUndoRegistration();
}
