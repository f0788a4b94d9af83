#include "store/UndoManager.h"

#include "base/AssertionFailure.h"
#include "base/NotificationCenter.h"
#include "store/ObjectContext.h"

void UndoManager::beginUndoGrouping() {
    if (m_level == 0) {
        closeImplicitGroup();
    }
    ++m_level;
}

void UndoManager::endUndoGrouping() {
    PN_ASSERT(m_level > 0, "endUndoGrouping without beginUndoGrouping");
    if (--m_level == 0 && !m_open.empty()) {
        m_undoStack.push_back(std::move(m_open));
        m_open.clear();
    }
}

bool UndoManager::canUndo() const {
    return !m_undoStack.empty() || !m_implicit.empty() || !m_open.empty();
}

bool UndoManager::canRedo() const {
    return !m_redoStack.empty();
}

void UndoManager::enableUndoRegistration() {
    PN_ASSERT(m_disabled > 0, "enableUndoRegistration without disableUndoRegistration");
    --m_disabled;
}

void UndoManager::closeImplicitGroup() {
    if (!m_implicit.empty()) {
        m_undoStack.push_back(std::move(m_implicit));
        m_implicit.clear();
    }
}

void UndoManager::closePendingChanges() {
    closeImplicitGroup();
    if (!m_open.empty()) {
        m_undoStack.push_back(std::move(m_open));
        m_open.clear();
    }
}

void UndoManager::undo() {
    PN_ASSERT(m_mode == Mode::Normal, "undo while undoing or redoing");
    closePendingChanges();
    if (m_undoStack.empty()) {
        return;
    }
    revertTopGroup(m_undoStack, m_redoStack, Mode::Undoing);
    NotificationCenter::defaultCenter().post(kUndoManagerDidUndoChange);
}

void UndoManager::redo() {
    PN_ASSERT(m_mode == Mode::Normal, "redo while undoing or redoing");
    closePendingChanges();
    if (m_redoStack.empty()) {
        return;
    }
    revertTopGroup(m_redoStack, m_undoStack, Mode::Redoing);
    NotificationCenter::defaultCenter().post(kUndoManagerDidRedoChange);
}

void UndoManager::revertTopGroup(std::vector<Group>& from, std::vector<Group>& to, Mode mode) {
    Group group = std::move(from.back());
    from.pop_back();
    m_mode = mode;
    m_collect.clear();
    try {
        for (auto it = group.rbegin(); it != group.rend(); ++it) {
            m_context.revert(*it);
        }
    } catch (...) {
        m_mode = Mode::Normal;
        m_collect.clear();
        throw;
    }
    m_mode = Mode::Normal;
    if (!m_collect.empty()) {
        to.push_back(std::move(m_collect));
    }
    m_collect.clear();
}

void UndoManager::removeAllActions() {
    PN_ASSERT(m_mode == Mode::Normal, "removeAllActions while undoing or redoing");
    m_undoStack.clear();
    m_redoStack.clear();
    m_open.clear();
    m_implicit.clear();
}

void UndoManager::record(UndoRecord undoRecord) {
    if (m_disabled > 0) {
        return;
    }
    if (m_mode != Mode::Normal) {
        m_collect.push_back(std::move(undoRecord));
        return;
    }
    m_redoStack.clear();
    (m_level > 0 ? m_open : m_implicit).push_back(std::move(undoRecord));
}
