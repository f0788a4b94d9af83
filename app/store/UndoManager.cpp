#include "store/UndoManager.h"

#include <algorithm>

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
    return m_marks == 0 && (!m_undoStack.empty() || !m_implicit.empty() || !m_open.empty());
}

bool UndoManager::canRedo() const {
    return m_marks == 0 && !m_redoStack.empty();
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
    PN_ASSERT(m_marks == 0, "undo while a savepoint is open");
    closePendingChanges();
    if (m_undoStack.empty()) {
        return;
    }
    revertTopGroup(m_undoStack, m_redoStack, Mode::Undoing);
    NotificationCenter::defaultCenter().post(kUndoManagerDidUndoChange);
}

void UndoManager::redo() {
    PN_ASSERT(m_mode == Mode::Normal, "redo while undoing or redoing");
    PN_ASSERT(m_marks == 0, "redo while a savepoint is open");
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
    PN_ASSERT(m_marks == 0, "removeAllActions while a savepoint is open");
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
    if (!m_redoStack.empty()) {
        if (m_marks > 0) {
            // A rollback to the mark will bring it back.
            m_stashedRedo = std::move(m_redoStack);
            m_stashMarks = m_marks;
        }
        m_redoStack.clear();
    }
    (m_level > 0 ? m_open : m_implicit).push_back(std::move(undoRecord));
}

UndoManager::Mark UndoManager::setMark() {
    PN_ASSERT(m_mode == Mode::Normal, "savepoint while undoing or redoing");
    ++m_marks;
    // Changes go to m_open inside a group and to m_implicit outside one; the other is empty.
    return m_level > 0 ? Mark{m_undoStack.size(), m_open.size(), true}
                       : Mark{m_undoStack.size(), m_implicit.size(), false};
}

void UndoManager::rollbackToMark(const Mark& mark) {
    PN_ASSERT(m_marks > 0, "rollback without a savepoint");
    PN_ASSERT(m_undoStack.size() >= mark.groups, "the undo stack lost groups under a savepoint");
    if (m_undoStack.size() > mark.groups) {
        // The group that was being built at the mark was closed since: its head is older.
        Group& first = m_undoStack[mark.groups];
        first.resize(std::min(first.size(), mark.partial));
        m_undoStack.resize(first.empty() ? mark.groups : mark.groups + 1);
        m_open.clear();
        m_implicit.clear();
    } else {
        Group& marked = mark.partialIsOpen ? m_open : m_implicit;
        marked.resize(std::min(marked.size(), mark.partial));
        (mark.partialIsOpen ? m_implicit : m_open).clear();
    }
    if (!m_stashedRedo.empty() && m_stashMarks >= m_marks) {
        m_redoStack = std::move(m_stashedRedo);
        m_stashedRedo.clear();
    }
    --m_marks;
}

void UndoManager::releaseMark() {
    PN_ASSERT(m_marks > 0, "release without a savepoint");
    if (m_stashMarks == m_marks) {
        m_stashMarks = m_marks - 1;
        if (m_stashMarks == 0) {
            m_stashedRedo.clear();
        }
    }
    --m_marks;
}
