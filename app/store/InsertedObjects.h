#pragma once

#include <cstddef>
#include <vector>

class ManagedObject;

// The objects a context inserted since its last save. A bulk import inserts millions, and the
// context asks about membership at every change: the answer is a flag on the object, and the
// members are listed in the order inserted, which is mostly the order of their IDs.
class InsertedObjects final {
public:
    InsertedObjects() = default;
    InsertedObjects(const InsertedObjects&) = delete;
    InsertedObjects& operator=(const InsertedObjects&) = delete;

    // False when the object is a member already.
    bool insert(ManagedObject& object);
    // False when the object is no member.
    bool erase(ManagedObject& object);
    bool contains(const ManagedObject& object) const;
    bool empty() const { return m_count == 0; }

    // The members in ascending ID.
    std::vector<ManagedObject*> sortedByID() const;
    // Empties the set and answers its members, in no promised order.
    std::vector<ManagedObject*> takeAll();

private:
    // The members, and objects erased since they were listed (their flag is down); an object
    // erased and inserted again is listed twice.
    std::vector<ManagedObject*> m_listed;
    std::size_t m_count = 0;
};
