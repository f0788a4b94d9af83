#include "store/ObjectSet.h"

#include <algorithm>

#include "store/ManagedObject.h"

namespace {

bool idBelow(const ManagedObject* object, ObjectID id) {
    return object->objectID() < id;
}

}  // namespace

bool ObjectSetBase::contains(const ManagedObject* object) const {
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), object->objectID(), idBelow);
    return it != m_objects.end() && *it == object;
}

bool ObjectSetBase::insert(ManagedObject* object) {
    if (m_objects.empty() || m_objects.back()->objectID() < object->objectID()) {
        m_objects.push_back(object);
        return true;
    }
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), object->objectID(), idBelow);
    if (it != m_objects.end() && *it == object) {
        return false;
    }
    m_objects.insert(it, object);
    return true;
}

bool ObjectSetBase::erase(ManagedObject* object) {
    if (!m_objects.empty() && m_objects.back() == object) {
        m_objects.pop_back();
        return true;
    }
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), object->objectID(), idBelow);
    if (it == m_objects.end() || *it != object) {
        return false;
    }
    m_objects.erase(it);
    return true;
}
