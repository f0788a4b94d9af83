#pragma once

#include "store/UndoManager.h"

// Groups one user action: opens an undo group for its lifetime. Undo and redo may run inside
// it (an Undo menu command is itself a user action).
class UndoGrouping final {
public:
    explicit UndoGrouping(UndoManager& manager) : m_manager(manager) {
        m_manager.beginUndoGrouping();
    }
    ~UndoGrouping() { m_manager.endUndoGrouping(); }
    UndoGrouping(const UndoGrouping&) = delete;
    UndoGrouping& operator=(const UndoGrouping&) = delete;

private:
    UndoManager& m_manager;
};
