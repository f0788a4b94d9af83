#pragma once

#include <cstddef>
#include <iterator>
#include <vector>

class ManagedObject;

// The objects at the far end of a to-many relationship: a set without duplicates, iterated in
// ascending object ID (creation order), so iteration and dumps are stable. Read-only to
// everyone but the context, which keeps it consistent with the inverse relationship.
class ObjectSetBase {
public:
    std::size_t size() const { return m_objects.size(); }
    bool empty() const { return m_objects.empty(); }
    // O(log n).
    bool contains(const ManagedObject* object) const;
    const std::vector<ManagedObject*>& objects() const { return m_objects; }

private:
    friend class ObjectContext;
    // Both O(1) when `object` has the highest ID of the set (the common case while building
    // and loading), O(n) otherwise. Answer false when nothing changed.
    bool insert(ManagedObject* object);
    bool erase(ManagedObject* object);

    std::vector<ManagedObject*> m_objects;
};

// A typed view of ObjectSetBase: iterating yields T*.
template <class T>
class ObjectSet final : public ObjectSetBase {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;

        iterator() = default;
        explicit iterator(std::vector<ManagedObject*>::const_iterator it) : m_it(it) {}
        T* operator*() const { return static_cast<T*>(*m_it); }
        iterator& operator++() {
            ++m_it;
            return *this;
        }
        iterator operator++(int) {
            iterator old = *this;
            ++m_it;
            return old;
        }
        bool operator==(const iterator&) const = default;

    private:
        std::vector<ManagedObject*>::const_iterator m_it;
    };

    iterator begin() const { return iterator(objects().begin()); }
    iterator end() const { return iterator(objects().end()); }
    // A copy of the members, e.g. to change the relationship while walking it.
    std::vector<T*> toVector() const { return std::vector<T*>(begin(), end()); }
};
