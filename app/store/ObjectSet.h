#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <vector>

class ManagedObject;

// The objects at the far end of a to-many relationship: a set without duplicates, iterated in
// ascending object ID (creation order), so iteration and dumps are stable. Read-only to
// everyone but the context, which keeps it consistent with the inverse relationship.
//
// Most sets hold one object (a transaction's one split), so one member is held in place of
// the pointer to the members' block: such a set takes no block of its own, and every set 16
// bytes.
class ObjectSetBase {
public:
    ObjectSetBase() = default;
    ObjectSetBase(const ObjectSetBase& other);
    ObjectSetBase(ObjectSetBase&& other) noexcept;
    ObjectSetBase& operator=(ObjectSetBase other) noexcept;
    ~ObjectSetBase();

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // O(log n).
    bool contains(const ManagedObject* object) const;
    // Valid until the set changes.
    std::span<ManagedObject* const> objects() const { return {data(), m_size}; }

private:
    friend class ObjectContext;
    // Both O(1) when `object` has the highest ID of the set (the common case while building
    // and loading), O(n) otherwise. Answer false when nothing changed.
    bool insert(ManagedObject* object);
    bool erase(ManagedObject* object);

    ManagedObject* const* data() const { return m_capacity == 0 ? &m_one : m_many; }
    ManagedObject** data() { return m_capacity == 0 ? &m_one : m_many; }
    void grow();
    // Takes `other`'s members (and block), leaving it empty. REQUIRES: this set has no block.
    void takeFrom(ObjectSetBase& other) noexcept;

    union {
        ManagedObject* m_one = nullptr;  // while m_capacity is 0: the member, if any
        ManagedObject** m_many;          // otherwise: a block of m_capacity
    };
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;
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
        explicit iterator(ManagedObject* const* it) : m_it(it) {}
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
        ManagedObject* const* m_it = nullptr;
    };

    iterator begin() const { return iterator(objects().data()); }
    iterator end() const { return iterator(objects().data() + size()); }
    // A copy of the members, e.g. to change the relationship while walking it.
    std::vector<T*> toVector() const { return std::vector<T*>(begin(), end()); }
};
