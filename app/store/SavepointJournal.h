#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/ManagedObject.h"
#include "store/UndoManager.h"

// What an ObjectContext needs to return to one savepoint (see ObjectContext::setSavepoint).
// Objects are "old" when they existed at the savepoint (ID below firstNewID) and "new"
// otherwise. Only changes to old objects are recorded: a new object is simply taken out again,
// which also undoes every link it made to an old one. So the journal grows with the number of
// old objects touched, not with what was inserted.
struct SavepointJournal final {
    // The change tracking of one old object as it was at the savepoint.
    struct Tracking final {
        ManagedObject* object = nullptr;
        bool inserted = false;
        bool deleted = false;
        bool updated = false;
        std::uint64_t attributes = 0;
        std::uint64_t relationships = 0;
    };

    ObjectID firstNewID = 0;
    std::size_t firstNewObject = 0;  // index of the first new object in the context's list
    UndoManager::Mark undoMark;
    // The value each changed attribute of an old object had at the savepoint (Kind::Attribute),
    // one record per object and attribute.
    std::vector<UndoRecord> attributes;
    std::unordered_map<const ManagedObject*, std::uint64_t> attributesNoted;
    // Registering, unregistering, linking and unlinking among old objects, in order.
    std::vector<UndoRecord> structure;
    std::vector<Tracking> tracking;
    std::unordered_set<const ManagedObject*> trackingNoted;
    // A save was asked for while the savepoint was open; its write waits for the release.
    bool saveHeld = false;

    bool isOld(const ManagedObject& object) const { return object.objectID() < firstNewID; }
};
