#include "store/ObjectIDMap.h"

#include <algorithm>

ManagedObject* ObjectIDMap::findSparse(ObjectID id) const {
    const auto found = m_sparse.find(id);
    return found != m_sparse.end() ? found->second : nullptr;
}

void ObjectIDMap::insert(ObjectID id, ManagedObject* object) {
    if (id >= m_dense.size() && id < denseLimit(m_count + 1)) {
        // Grow geometrically, but never past what the objects justify.
        const std::size_t size = std::max<std::size_t>(id + 1, m_dense.size() * 2);
        growDense(std::min(size, denseLimit(m_count + 1)));
    }
    if (id < m_dense.size()) {
        m_count += m_dense[id] == nullptr ? 1 : 0;
        m_dense[id] = object;
        return;
    }
    m_count += m_sparse.insert_or_assign(id, object).second ? 1 : 0;
}

void ObjectIDMap::reserve(ObjectID highest, std::size_t count) {
    if (highest < denseLimit(m_count + count) && highest >= m_dense.size()) {
        growDense(highest + 1);
    }
}

void ObjectIDMap::growDense(std::size_t size) {
    m_dense.resize(size, nullptr);
    // IDs that were far out before may lie inside the array now: find looks only there.
    for (auto it = m_sparse.begin(); it != m_sparse.end();) {
        if (it->first < size) {
            m_dense[it->first] = it->second;
            it = m_sparse.erase(it);
        } else {
            ++it;
        }
    }
}
