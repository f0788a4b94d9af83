#include "store/ObjectSet.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/AssertionFailure.h"
#include "store/ManagedObject.h"

namespace {

bool idBelow(const ManagedObject* object, ObjectID id) {
    return object->objectID() < id;
}

}  // namespace

ObjectSetBase::ObjectSetBase(const ObjectSetBase& other) : m_size(other.m_size) {
    if (other.m_size <= 1) {
        m_one = other.m_size == 0 ? nullptr : other.data()[0];
        return;
    }
    m_many = new ManagedObject*[other.m_size];
    m_capacity = other.m_size;
    std::copy_n(other.m_many, other.m_size, m_many);
}

ObjectSetBase::ObjectSetBase(ObjectSetBase&& other) noexcept {
    takeFrom(other);
}

ObjectSetBase& ObjectSetBase::operator=(ObjectSetBase other) noexcept {
    if (m_capacity != 0) {
        delete[] m_many;
    }
    takeFrom(other);
    return *this;
}

ObjectSetBase::~ObjectSetBase() {
    if (m_capacity != 0) {
        delete[] m_many;
    }
}

void ObjectSetBase::takeFrom(ObjectSetBase& other) noexcept {
    m_size = std::exchange(other.m_size, 0);
    m_capacity = std::exchange(other.m_capacity, 0);
    if (m_capacity == 0) {
        m_one = other.m_one;
    } else {
        m_many = other.m_many;
    }
    other.m_one = nullptr;
}

bool ObjectSetBase::contains(const ManagedObject* object) const {
    const std::span<ManagedObject* const> members = objects();
    auto it = std::lower_bound(members.begin(), members.end(), object->objectID(), idBelow);
    return it != members.end() && *it == object;
}

void ObjectSetBase::grow() {
    PN_ASSERT(m_size < std::numeric_limits<std::uint32_t>::max() / 2, "Too many related objects");
    const std::uint32_t capacity = m_capacity == 0 ? 4 : m_capacity * 2;
    auto* block = new ManagedObject*[capacity];
    std::copy_n(data(), m_size, block);
    if (m_capacity != 0) {
        delete[] m_many;
    }
    m_many = block;
    m_capacity = capacity;
}

bool ObjectSetBase::insert(ManagedObject* object) {
    ManagedObject** members = data();
    ManagedObject** end = members + m_size;
    ManagedObject** it = m_size == 0 || end[-1]->objectID() < object->objectID()
                             ? end
                             : std::lower_bound(members, end, object->objectID(), idBelow);
    if (it != end && *it == object) {
        return false;
    }
    const std::size_t at = static_cast<std::size_t>(it - members);
    if (m_size == std::max<std::uint32_t>(m_capacity, 1)) {
        grow();
        members = data();
    }
    std::copy_backward(members + at, members + m_size, members + m_size + 1);
    members[at] = object;
    ++m_size;
    return true;
}

bool ObjectSetBase::erase(ManagedObject* object) {
    ManagedObject** members = data();
    ManagedObject** end = members + m_size;
    ManagedObject** it = m_size != 0 && end[-1] == object
                             ? end - 1
                             : std::lower_bound(members, end, object->objectID(), idBelow);
    if (it == end || *it != object) {
        return false;
    }
    std::copy(it + 1, end, it);
    --m_size;
    if (m_capacity == 0) {
        m_one = nullptr;
    }
    return true;
}
