// libFuzzer target: OFX reads of arbitrary bytes.
#include <cstdlib>

#include "ReaderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!ReaderFuzzing::readOFX(bytes)) {
        std::abort();
    }
    return 0;
}
