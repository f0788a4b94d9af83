#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "store/ManagedObject.h"

// Objects in the order of their IDs, as changes are listed and saved.
inline bool byID(const ManagedObject* a, const ManagedObject* b) {
    return a->objectID() < b->objectID();
}

// Sorts by the IDs held beside the pointers: comparing through the objects would visit each
// of them again and again, which in a bulk change of a million costs more than the sort.
inline void sortByID(std::vector<ManagedObject*>& objects) {
    std::vector<std::pair<ObjectID, ManagedObject*>> keyed;
    keyed.reserve(objects.size());
    for (ManagedObject* object : objects) {
        keyed.emplace_back(object->objectID(), object);
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        objects[i] = keyed[i].second;
    }
}
