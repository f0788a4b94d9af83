#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ManagedObject;

// One updated object and which of its properties changed since the last save: bit i of
// `attributes` is the attribute with index i, bit j of `relationships` the relationship with
// index j (to-one and to-many alike).
struct ObjectChange final {
    ManagedObject* object = nullptr;
    std::uint64_t attributes = 0;
    std::uint64_t relationships = 0;

    bool attributeChanged(std::size_t index) const { return (attributes >> index) & 1u; }
    bool relationshipChanged(std::size_t index) const { return (relationships >> index) & 1u; }
};

// Everything a save writes, relative to the store's content as of the last save or load. Each
// list is in ascending object ID. Inserted objects are written whole; deleted objects are no
// longer in the context but keep their ID and entity, and are gone from every relationship.
struct ChangeSet final {
    std::vector<ManagedObject*> inserted;
    std::vector<ObjectChange> updated;
    std::vector<ManagedObject*> deleted;

    bool empty() const { return inserted.empty() && updated.empty() && deleted.empty(); }
};
