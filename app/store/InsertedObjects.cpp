#include "store/InsertedObjects.h"

#include <algorithm>

#include "store/ManagedObject.h"
#include "store/ObjectOrder.h"

bool InsertedObjects::insert(ManagedObject& object) {
    if (object.m_insertedUnsaved) {
        return false;
    }
    object.m_insertedUnsaved = true;
    ++m_count;
    m_listed.push_back(&object);
    // Objects inserted and erased over and over (undo and redo) must not grow the list
    // without end.
    if (m_listed.size() > 2 * m_count + 1024) {
        m_listed = sortedByID();
    }
    return true;
}

bool InsertedObjects::erase(ManagedObject& object) {
    if (!object.m_insertedUnsaved) {
        return false;
    }
    object.m_insertedUnsaved = false;
    --m_count;
    return true;
}

bool InsertedObjects::contains(const ManagedObject& object) const {
    return object.m_insertedUnsaved;
}

std::vector<ManagedObject*> InsertedObjects::sortedByID() const {
    std::vector<ManagedObject*> members;
    members.reserve(m_count);
    for (ManagedObject* object : m_listed) {
        if (object->m_insertedUnsaved) {
            members.push_back(object);
        }
    }
    if (!std::is_sorted(members.begin(), members.end(), byID)) {
        sortByID(members);
    }
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

std::vector<ManagedObject*> InsertedObjects::takeAll() {
    std::vector<ManagedObject*> members;
    members.reserve(m_count);
    for (ManagedObject* object : m_listed) {
        if (object->m_insertedUnsaved) {
            object->m_insertedUnsaved = false;  // and an object listed twice is taken once
            members.push_back(object);
        }
    }
    m_listed = {};
    m_count = 0;
    return members;
}
