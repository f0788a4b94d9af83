#include "store/ObjectArena.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <system_error>

#include "base/AssertionFailure.h"
#include "base/ThreadPriority.h"
#include "store/EntityDescription.h"
#include "store/ManagedObject.h"

namespace {

// Blocks start small (a context of a few objects stays small) and double up to a limit.
constexpr std::size_t kFirstBlock = 16 * 1024;
constexpr std::size_t kLargestGrowth = 4 * 1024 * 1024;
// From this size a block is mapped directly, so that it goes back to the system whole.
constexpr std::size_t kMappedBlock = 2 * 1024 * 1024;
// A block this large (a store's reservation) is mapped in huge pages, by a thread of its own.
// Each small page's first touch cost a fault into the kernel and another through the virtual
// machine's host: a third of making a loaded object, on the thread making them. A huge page
// costs one fault for 512 small ones, but it is cleared whole when first touched, which made
// the loading slower still (a million transactions opened 0.6 s slower) until the clearing
// moved to this thread, beside the loading. The thread yields to the loading and the reading,
// and takes the time they leave while waiting for each other.
constexpr std::size_t kPrefaultedBlock = 16 * 1024 * 1024;
constexpr std::size_t kPrefaultStep = 2 * 1024 * 1024;  // a huge page

// Maps the pages of [memory, memory + size) writable without writing to them: objects may
// already be made in them. Stops early when asked, or where the kernel cannot do it (the
// pages then fault in as they are touched, as without this).
void prefault(const std::stop_token& stop, std::byte* memory, std::size_t size) {
    ThreadPriority::yieldToOtherThreads();
    for (std::size_t done = 0; done < size && !stop.stop_requested(); done += kPrefaultStep) {
        if (::madvise(memory + done, std::min(kPrefaultStep, size - done), MADV_POPULATE_WRITE) !=
            0) {
            return;
        }
    }
}

// Offers the block huge pages and starts the thread that maps them; none where no thread is
// to be had.
std::jthread startPrefaulting(std::byte* memory, std::size_t size) {
    // Where huge pages are not to be had, the block keeps small ones.
    (void)::madvise(memory, size, MADV_HUGEPAGE);
    try {
        return std::jthread(prefault, memory, size);
    } catch (const std::system_error&) {
        return {};  // the pages fault in as the objects are made
    }
}

std::size_t roundUp(std::size_t value, std::size_t multiple) {
    return (value + multiple - 1) / multiple * multiple;
}

}  // namespace

ObjectArena::~ObjectArena() {
    stopPrefaulting();
    for (std::size_t i = m_objects.size(); i-- > 0;) {
        ManagedObject* object = m_objects[i];
        if (object->entity().inPlaceConstructor().construct != nullptr) {
            object->~ManagedObject();
        }
    }
    m_heapObjects.clear();
    for (const Block& block : m_blocks) {
        release(block);
    }
}

void ObjectArena::abandon() {
    stopPrefaulting();
    for (std::unique_ptr<ManagedObject>& object : m_heapObjects) {
        (void)object.release();
    }
    m_heapObjects.clear();
    m_objects.clear();
    m_blocks.clear();
    m_next = m_end = nullptr;
}

ManagedObject& ObjectArena::make(const EntityDescription& entity) {
    const EntityDescription::InPlaceConstructor& inPlace = entity.inPlaceConstructor();
    if (inPlace.construct == nullptr) {
        m_heapObjects.push_back(entity.instantiate());
        m_objects.push_back(m_heapObjects.back().get());
        return *m_objects.back();
    }
    void* memory = allocate(inPlace.size, inPlace.alignment);
    m_objects.push_back(inPlace.construct(memory));
    m_reserved -= std::min(m_reserved, inPlace.size);
    return *m_objects.back();
}

void ObjectArena::reserve(const EntityDescription& entity, std::size_t count) {
    // Reservations add up until their objects are made: each adds room to what the earlier
    // ones made (a store reserves per entity, and the list would otherwise be as long as the
    // largest and be copied when the next entity's objects came).
    m_objects.reserve(m_objects.capacity() + count);
    const EntityDescription::InPlaceConstructor& inPlace = entity.inPlaceConstructor();
    if (inPlace.construct == nullptr || count == 0) {
        return;
    }
    // The next block that allocate() adds holds everything reserved.
    m_reserved += count * roundUp(inPlace.size, inPlace.alignment);
}

void* ObjectArena::allocate(std::size_t size, std::size_t alignment) {
    PN_ASSERT(alignment <= alignof(std::max_align_t), "Entity class aligned too strictly");
    auto aligned = [&] {
        const auto address = reinterpret_cast<std::uintptr_t>(m_next);
        return reinterpret_cast<std::byte*>(roundUp(address, alignment));
    };
    if (m_next == nullptr || aligned() + size > m_end) {
        addBlock(std::max(size, m_reserved));
    }
    std::byte* memory = aligned();
    m_next = memory + size;
    return memory;
}

void ObjectArena::addBlock(std::size_t atLeast) {
    const std::size_t growth =
        m_blocks.empty() ? kFirstBlock : std::min(m_blocks.back().size * 2, kLargestGrowth);
    Block block;
    block.size = std::max(atLeast, growth);
    if (block.size >= kMappedBlock) {
        block.size = roundUp(block.size, kMappedBlock);
        void* memory =
            ::mmap(nullptr, block.size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) {
            throw std::bad_alloc();
        }
        block.memory = static_cast<std::byte*>(memory);
        block.mapped = true;
        if (block.size >= kPrefaultedBlock) {
            stopPrefaulting();
            m_prefaulting = startPrefaulting(block.memory, block.size);
        }
    } else {
        block.memory = static_cast<std::byte*>(::operator new(block.size));
    }
    m_blocks.push_back(block);
    m_next = block.memory;
    m_end = block.memory + block.size;
}

void ObjectArena::stopPrefaulting() {
    if (m_prefaulting.joinable()) {
        m_prefaulting.request_stop();
        m_prefaulting.join();
    }
}

void ObjectArena::release(const Block& block) {
    if (block.mapped) {
        ::munmap(block.memory, block.size);
    } else {
        ::operator delete(block.memory);
    }
}
