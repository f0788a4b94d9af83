#pragma once

#include <cstddef>

// Walking many objects in an order other than the one they lie in memory (transactions by
// date, rows of a register) waits for memory at each object. Asking for the object this many
// steps ahead lets the processor fetch it meanwhile.
inline constexpr std::size_t kFetchAhead = 8;

// Asks the processor to bring the whole of `object` into its cache; changes nothing else.
template <class T>
inline void fetchIntoCache(const T* object) {
    const auto* bytes = reinterpret_cast<const char*>(object);
    for (std::size_t offset = 0; offset < sizeof(T); offset += 64) {
        __builtin_prefetch(bytes + offset);
    }
}
