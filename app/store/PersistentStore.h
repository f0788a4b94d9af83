#pragma once

#include <optional>

#include "base/ValidationError.h"
#include "store/ChangeSet.h"

class ObjectContext;

// Codes of store errors (domain kStoreErrorDomain): a store file that cannot be opened or read,
// and a save that could not be written.
inline constexpr int kPersistentStoreOpenErrorCode = 134080;
inline constexpr int kPersistentStoreSaveErrorCode = 134030;

// Where a context's objects live between runs (an SQLite file, an XML document, memory).
// A context owns at most one store (ObjectContext::setPersistentStore).
class PersistentStore {
public:
    virtual ~PersistentStore() = default;

    // Reads the whole graph into `context`, which must hold no objects yet, through
    // ObjectContext::loadObject / loadAttribute / loadLink (no undo, no change tracking).
    // Returns nothing on success, otherwise the error; on error the context may hold part of
    // the graph and should be discarded.
    [[nodiscard]] virtual std::optional<ValidationError> load(ObjectContext& context) = 0;

    // Writes `changes` all or nothing: on success returns nothing and the store holds the
    // context's state; on failure returns the error and the store's content is unchanged.
    [[nodiscard]] virtual std::optional<ValidationError> save(const ChangeSet& changes) = 0;

    // True when the store may be read but not written: every save fails.
    virtual bool isReadOnly() const { return false; }
};
