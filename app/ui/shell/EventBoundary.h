#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>
#include <functional>

class UndoManager;

// What the application does around each event it delivers: user input events open one undo
// group on the store (so each user action undoes as one step), and an AssertionFailure that
// escapes a handler is logged and swallowed, so the program keeps running.
class EventBoundary final {
public:
    // The undo manager of the open store and a number that changes whenever the store is
    // replaced (a group is closed only on the manager it was opened on).
    struct UndoTarget {
        UndoManager* manager = nullptr;
        std::uint64_t generation = 0;
    };
    using UndoTargetProvider = std::function<UndoTarget()>;

    static void setUndoTargetProvider(UndoTargetProvider provider);
    // Delivers `event` through `deliver`, inside an undo group for user input, catching
    // assertion failures. Returns what `deliver` returned, or false after a failure.
    static bool deliver(QObject* receiver, QEvent* event, const std::function<bool()>& deliver);
    // True for the events a person causes directly (keys, clicks, drops, shortcuts).
    static bool isUserEvent(QEvent::Type type);
};
