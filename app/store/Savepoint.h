#pragma once

#include <cstddef>
#include <optional>

#include "base/ValidationError.h"

class ObjectContext;

// One unit of change on a context: sets a savepoint for its lifetime (see ObjectContext,
// "Savepoints"). A unit that is neither released nor rolled back when it goes out of scope (an
// exception, an early return) is rolled back, so a unit left half-done never reaches a save:
//
//   Savepoint unit(context);
//   ...changes, which may throw...
//   if (std::optional<ValidationError> error = unit.release()) { unit.rollback(); ... }
//
// REQUIRES: the context outlives the guard, and guards end in the reverse order of their
// making (AssertionFailure otherwise).
class Savepoint final {
public:
    explicit Savepoint(ObjectContext& context);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    // Keeps the unit's changes (ObjectContext::releaseSavepoint): when this is the outermost
    // unit and a save was asked for inside it, the save happens now. On failure the unit stays
    // open and the error is returned. REQUIRES: open.
    [[nodiscard]] std::optional<ValidationError> release();
    // Takes every change of the unit back (ObjectContext::rollbackToSavepoint). REQUIRES: open.
    void rollback();
    bool isOpen() const { return m_open; }

private:
    void checkInnermost() const;

    ObjectContext& m_context;
    std::size_t m_depth;
    bool m_open = true;
};
