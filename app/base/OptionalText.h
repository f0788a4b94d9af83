#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An optional UTF-8 text in 16 bytes: unset, or a text of any length, inline up to 15 bytes,
// else in one heap block it owns. For the texts of objects a store holds by the hundred
// thousand (std::optional<std::string> takes 40 bytes). Copies are deep; a value moved from is
// unset; a view stays valid until the value is changed or destroyed.
class OptionalText final {
public:
    OptionalText() noexcept { setTag(kUnset); }
    explicit OptionalText(std::optional<std::string_view> text);
    OptionalText(const OptionalText& other);
    OptionalText(OptionalText&& other) noexcept;
    OptionalText& operator=(const OptionalText& other);
    OptionalText& operator=(OptionalText&& other) noexcept;
    // The view may point into this value's own text.
    OptionalText& operator=(std::optional<std::string_view> text);
    ~OptionalText() { release(); }

    bool hasValue() const noexcept { return tag() != kUnset; }
    // The text, or nullopt when unset.
    std::optional<std::string_view> view() const noexcept;
    std::optional<std::string> toOptionalString() const;

    friend bool operator==(const OptionalText& a, const OptionalText& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const OptionalText& a, std::optional<std::string_view> b) noexcept {
        return a.view() == b;
    }

private:
    static constexpr std::size_t kInlineCapacity = 15;
    // The last byte: the length of an inline text (0 to 15), or one of these.
    static constexpr std::uint8_t kUnset = 0xFF;
    static constexpr std::uint8_t kOnHeap = 0xFE;

    std::uint8_t tag() const noexcept { return static_cast<std::uint8_t>(m_bytes[15]); }
    void setTag(std::uint8_t tag) noexcept { m_bytes[15] = static_cast<char>(tag); }
    const char* heapText() const noexcept;
    std::uint32_t heapSize() const noexcept;
    // REQUIRES: nothing held (unset, or released).
    void assign(std::string_view text);
    void release() noexcept;

    // Inline: the text's bytes from the start. On the heap: the block's pointer in bytes 0-7
    // and the text's length in bytes 8-11.
    alignas(8) char m_bytes[16];
};
