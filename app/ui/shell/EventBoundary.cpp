#include "ui/shell/EventBoundary.h"

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "store/UndoManager.h"

namespace {

EventBoundary::UndoTargetProvider& provider() {
    static EventBoundary::UndoTargetProvider instance;
    return instance;
}

int& userEventDepth() {
    static int depth = 0;
    return depth;
}

}  // namespace

void EventBoundary::setUndoTargetProvider(UndoTargetProvider provider_) {
    provider() = std::move(provider_);
}

bool EventBoundary::isUserEvent(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Shortcut:
        case QEvent::Drop:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

bool EventBoundary::deliver(QObject*, QEvent* event, const std::function<bool()>& deliver) {
    UndoTarget target;
    const bool opensGroup = isUserEvent(event->type()) && userEventDepth() == 0 && provider();
    if (opensGroup) {
        target = provider()();
        if (target.manager != nullptr) {
            target.manager->beginUndoGrouping();
        }
    }
    ++userEventDepth();
    bool result = false;
    try {
        result = deliver();
    } catch (const AssertionFailure& failure) {
        logLine(std::string("Assertion failure: ") + failure.message() + " (" + failure.file() +
                ":" + std::to_string(failure.line()) + ")");
    }
    --userEventDepth();
    if (opensGroup && target.manager != nullptr) {
        // The store may have been replaced while the event ran; its old manager is gone.
        const UndoTarget now = provider()();
        if (now.manager == target.manager && now.generation == target.generation &&
            target.manager->groupingLevel() > 0) {
            target.manager->endUndoGrouping();
        }
    }
    return result;
}
