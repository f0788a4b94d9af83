#pragma once

#include "store/AttributeValue.h"

class ManagedObject;
struct AttributeDescription;
struct RelationshipDescription;

// Watches every change of a context's object graph, however it is made: by setters, by
// generic access, by deletion rules, by undo and redo, and by loading. Indexes that must
// always reflect the context (transactions of an account in date order, ...) are kept this
// way. Callbacks must not change the graph.
class ContextObserver {
public:
    virtual ~ContextObserver() = default;

    // `object` has joined the context (insert, load, undo of a delete, redo of an insert).
    // For an insert, awakeFromInsert has not run yet; its changes follow as usual callbacks.
    virtual void objectInserted(ManagedObject& /*object*/) {}
    // `object` is leaving the context; its relationships are already cleared.
    virtual void objectRemoved(ManagedObject& /*object*/) {}
    // Around every change of one attribute: before it the old value is still readable.
    virtual void attributeWillChange(ManagedObject& /*object*/,
                                     const AttributeDescription& /*attribute*/) {}
    virtual void attributeDidChange(ManagedObject& /*object*/,
                                    const AttributeDescription& /*attribute*/) {}
    // `target` was added to (or removed from) `relationship` of `object`. Reported for both
    // ends: once as (a, rel, b) and once as (b, inverse, a), after both ends are updated.
    virtual void relationshipLinked(ManagedObject& /*object*/,
                                    const RelationshipDescription& /*relationship*/,
                                    ManagedObject& /*target*/) {}
    virtual void relationshipUnlinked(ManagedObject& /*object*/,
                                      const RelationshipDescription& /*relationship*/,
                                      ManagedObject& /*target*/) {}
};
