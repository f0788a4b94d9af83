#pragma once

#include <cstddef>
#include <vector>

#include "store/AttributeValue.h"

class ManagedObject;
class ObjectContext;
struct AttributeDescription;
struct RelationshipDescription;

// One primitive change of an object graph, as the undo stack keeps it.
struct UndoRecord final {
    enum class Kind {
        Attribute,   // `attribute` of `object` had `oldValue` before the change
        Link,        // `target` was added to `relationship` of `object` (and the inverse)
        Unlink,      // `target` was removed from `relationship` of `object` (and the inverse)
        Register,    // `object` joined the context
        Unregister,  // `object` left the context
    };
    Kind kind = Kind::Attribute;
    ManagedObject* object = nullptr;
    const AttributeDescription* attribute = nullptr;
    const RelationshipDescription* relationship = nullptr;
    ManagedObject* target = nullptr;
    AttributeValue oldValue;
};

// The undo and redo stacks of one ObjectContext. Changes are grouped: everything between the
// outermost beginUndoGrouping and its endUndoGrouping is undone as one step (use UndoGrouping
// for one user action). Changes made while no group is open collect in an implicit group that
// is closed by the next beginUndoGrouping, undo or redo. A new change clears the redo stack.
// After undo and redo the default notification centre posts kUndoManagerDidUndoChange /
// kUndoManagerDidRedoChange.
//
// Marks serve the context's savepoints: while one is set, nothing can be undone or redone, and
// rolling back to it removes every record made since, as if none had been made.
class UndoManager final {
public:
    explicit UndoManager(ObjectContext& context) : m_context(context) {}
    UndoManager(const UndoManager&) = delete;
    UndoManager& operator=(const UndoManager&) = delete;

    void beginUndoGrouping();
    // REQUIRES: a group is open (AssertionFailure otherwise).
    void endUndoGrouping();
    int groupingLevel() const { return m_level; }

    // Both false while a mark is set.
    bool canUndo() const;
    bool canRedo() const;
    // Reverts the last group; what the revert changes becomes the redo group. May be called
    // while groups are open (from inside a user action): what the open group holds so far is
    // closed off as its own step first, and the group stays open for later changes.
    // REQUIRES: no mark is set (AssertionFailure otherwise).
    void undo();
    void redo();
    bool isUndoing() const { return m_mode == Mode::Undoing; }
    bool isRedoing() const { return m_mode == Mode::Redoing; }

    // While disabled (nestable), changes are not recorded.
    void disableUndoRegistration() { ++m_disabled; }
    void enableUndoRegistration();
    bool isUndoRegistrationEnabled() const { return m_disabled == 0; }

    // REQUIRES: no mark is set.
    void removeAllActions();
    // Called by the context for every change.
    void record(UndoRecord record);

    // ---- Marks (nest; the innermost is the one rolled back or released) ----

    // Where the records stood when a mark was set.
    struct Mark final {
        std::size_t groups = 0;   // closed groups on the undo stack
        std::size_t partial = 0;  // records of the group being built
        bool partialIsOpen = false;
    };
    [[nodiscard]] Mark setMark();
    // Drops every record made since `mark` (groups closed since lose them too; a group left
    // empty goes) and brings back the redo stack that a change since the mark cleared; the
    // grouping level stays as it is. REQUIRES: `mark` is the innermost mark set.
    void rollbackToMark(const Mark& mark);
    // Keeps the records made since the innermost mark; an enclosing mark now covers them.
    void releaseMark();
    bool hasMark() const { return m_marks > 0; }

private:
    enum class Mode { Normal, Undoing, Redoing };
    using Group = std::vector<UndoRecord>;

    void closeImplicitGroup();
    void closePendingChanges();
    void revertTopGroup(std::vector<Group>& from, std::vector<Group>& to, Mode mode);

    ObjectContext& m_context;
    std::vector<Group> m_undoStack;
    std::vector<Group> m_redoStack;
    Group m_open;      // the explicit group being built
    Group m_implicit;  // changes made outside any explicit group
    Group m_collect;   // what an undo or redo changes
    int m_level = 0;
    int m_disabled = 0;
    Mode m_mode = Mode::Normal;
    int m_marks = 0;
    // The redo stack a change under a mark cleared, and how many marks were set at that time.
    std::vector<Group> m_stashedRedo;
    int m_stashMarks = 0;
};
