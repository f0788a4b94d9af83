#pragma once

#include <cstddef>
#include <memory>
#include <thread>
#include <vector>

class EntityDescription;
class ManagedObject;

// The memory of one context's objects. A context frees no object before it is destroyed (a
// deleted one stays allocated, undo may bring it back), so objects are made one after the
// other in large blocks and destroyed all together with the arena. Entities without an
// in-place constructor (the migration's dynamic entities) are made on the heap and owned
// here just the same.
class ObjectArena final {
public:
    ObjectArena() = default;
    // Destroys every object, newest first, and returns the blocks.
    ~ObjectArena();
    ObjectArena(const ObjectArena&) = delete;
    ObjectArena& operator=(const ObjectArena&) = delete;

    // A blank instance of `entity`. REQUIRES: the entity is not abstract.
    ManagedObject& make(const EntityDescription& entity);
    // Makes room for `count` more instances of `entity` in one block (loading a store asks
    // once per entity with its row count, so that its objects take one allocation).
    void reserve(const EntityDescription& entity, std::size_t count);

    // The objects in the order made.
    std::size_t size() const { return m_objects.size(); }
    ManagedObject& operator[](std::size_t index) const { return *m_objects[index]; }

    // Forgets every object without destroying it and leaves the blocks to the operating
    // system: for a process that ends right after, which gets the memory back in one piece.
    // REQUIRES: nothing outside the arena's objects owns a resource through them.
    void abandon();

private:
    struct Block {
        std::byte* memory = nullptr;
        std::size_t size = 0;
        bool mapped = false;  // from mmap, else from operator new
    };
    void* allocate(std::size_t size, std::size_t alignment);
    void addBlock(std::size_t atLeast);
    static void release(const Block& block);
    void stopPrefaulting();

    std::vector<Block> m_blocks;
    std::byte* m_next = nullptr;
    std::byte* m_end = nullptr;
    std::size_t m_reserved = 0;  // bytes asked for by reserve() not yet made
    std::vector<ManagedObject*> m_objects;
    std::vector<std::unique_ptr<ManagedObject>> m_heapObjects;
    // Maps the pages of a block made for a large reservation beside the making of its
    // objects (see addBlock).
    std::jthread m_prefaulting;
};
