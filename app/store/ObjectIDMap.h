#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class ManagedObject;
using ObjectID = std::uint64_t;

// Object IDs to objects. A context hands out IDs counting up from 1 and a store file holds
// those it saved, so the IDs are nearly dense: they index a plain array. The few far out of
// that range (a file written by hand, say) go to a hash map, so that no ID can make the
// array huge.
class ObjectIDMap final {
public:
    // Nothing when `id` was never added.
    ManagedObject* find(ObjectID id) const {
        if (id < m_dense.size()) {
            return m_dense[id];
        }
        return m_sparse.empty() ? nullptr : findSparse(id);
    }
    // Adds or replaces the object of `id`.
    void insert(ObjectID id, ManagedObject* object);
    // Makes room for the IDs up to `highest` when `count` objects will hold them, so that
    // adding them moves nothing.
    void reserve(ObjectID highest, std::size_t count);

private:
    ManagedObject* findSparse(ObjectID id) const;
    void growDense(std::size_t size);
    // The array may grow to this size for `count` objects: twice as many slots as objects,
    // plus some room for a small store with a few gaps.
    static std::size_t denseLimit(std::size_t count) { return 2 * count + 4096; }

    std::vector<ManagedObject*> m_dense;
    std::size_t m_count = 0;
    std::unordered_map<ObjectID, ManagedObject*> m_sparse;
};
