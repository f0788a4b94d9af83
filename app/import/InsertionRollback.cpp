#include "InsertionRollback.h"

#include "ledger/Global.h"
#include "store/ObjectContext.h"

InsertionRollback::InsertionRollback(ObjectContext& context) : m_context(context) {
    // Looked up without inserting: a store without its settings record gets one from the
    // first transaction, and the rollback deletes it like anything else inserted.
    m_global = Global::findFirstByPredicate([](const Global&) { return true; }, context);
    if (m_global != nullptr) {
        m_nextSortID = m_global->nextSortID();
    }
    m_context.addObserver(this);
}

InsertionRollback::~InsertionRollback() {
    if (m_observing) {
        m_context.removeObserver(this);
    }
}

void InsertionRollback::objectInserted(ManagedObject& object) {
    m_inserted.push_back(&object);
}

void InsertionRollback::rollback() {
    m_context.removeObserver(this);
    m_observing = false;
    for (auto it = m_inserted.rbegin(); it != m_inserted.rend(); ++it) {
        m_context.deleteObject(**it);  // already deleted by a cascade: does nothing
    }
    m_inserted.clear();
    if (m_global != nullptr && m_global->nextSortID() != m_nextSortID) {
        m_global->setNextSortID(m_nextSortID);
    }
}
