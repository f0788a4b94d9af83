#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "store/ContextObserver.h"

class Global;
class ManagedObject;
class ObjectContext;

// Takes back what a bulk operation inserted into a context when the operation cannot be
// finished: while it lives it notes every object that joins the context; rollback() deletes
// them again, newest first, and gives the store's sort ID counter its old value. Objects
// inserted since the last save leave no trace in the next save once deleted, so after a
// rollback the context holds what the store file holds. Changes to objects that were there
// before (other than the counter) are not undone: the operation must only add.
class InsertionRollback final : public ContextObserver {
public:
    // REQUIRES: `context` outlives this object.
    explicit InsertionRollback(ObjectContext& context);
    ~InsertionRollback() override;
    InsertionRollback(const InsertionRollback&) = delete;
    InsertionRollback& operator=(const InsertionRollback&) = delete;

    void rollback();

    void objectInserted(ManagedObject& object) override;

private:
    ObjectContext& m_context;
    std::vector<ManagedObject*> m_inserted;
    Global* m_global = nullptr;
    std::int64_t m_nextSortID = 0;
    bool m_observing = true;
};
