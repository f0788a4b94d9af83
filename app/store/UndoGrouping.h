#pragma once

#include "store/UndoManager.h"

// Groups one user action: opens an undo group for its lifetime.
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
