#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// SHA-256 (FIPS 180-4) over bytes fed in pieces: what the snapshots of a store use to tell
// copies with the same content apart from different ones, and to find a copy that changed
// after it was made. Not for secrets: nothing here is constant-time.
class Sha256 final {
public:
    Sha256();

    void update(const void* data, std::size_t size);
    void update(std::string_view bytes) { update(bytes.data(), bytes.size()); }
    // The digest as 64 lower-case hex digits. REQUIRES: called once; no update() after it.
    [[nodiscard]] std::string finishHex();

    [[nodiscard]] static std::string hexOf(std::string_view bytes);
    // The digest of the file at `path`, read in blocks; nothing when it cannot be read.
    [[nodiscard]] static std::optional<std::string> hexOfFile(const std::string& path);

    // Tests compare the portable code with the processor's SHA instructions; on by default.
    static void allowProcessorExtensions(bool allowed);

private:
    void compress(const std::uint8_t* blocks, std::size_t count);
    void compressPortably(const std::uint8_t* block);

    std::array<std::uint32_t, 8> m_state;
    std::array<std::uint8_t, 64> m_buffer{};
    std::size_t m_buffered = 0;
    std::uint64_t m_length = 0;  // bytes fed so far
};
