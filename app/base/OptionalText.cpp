#include "base/OptionalText.h"

#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "base/AssertionFailure.h"

OptionalText::OptionalText(std::optional<std::string_view> text) {
    if (text) {
        assign(*text);
    } else {
        setTag(kUnset);
    }
}

OptionalText::OptionalText(const OptionalText& other) : OptionalText(other.view()) {}

OptionalText::OptionalText(OptionalText&& other) noexcept {
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.setTag(kUnset);
}

OptionalText& OptionalText::operator=(const OptionalText& other) {
    if (this != &other) {
        *this = other.view();
    }
    return *this;
}

OptionalText& OptionalText::operator=(OptionalText&& other) noexcept {
    if (this != &other) {
        release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.setTag(kUnset);
    }
    return *this;
}

OptionalText& OptionalText::operator=(std::optional<std::string_view> text) {
    // Built aside first: `text` may be a view of what this value holds now.
    OptionalText replacement(text);
    return *this = std::move(replacement);
}

std::optional<std::string_view> OptionalText::view() const noexcept {
    switch (const std::uint8_t t = tag()) {
        case kUnset:
            return std::nullopt;
        case kOnHeap:
            return std::string_view(heapText(), heapSize());
        default:
            return std::string_view(m_bytes, t);
    }
}

std::optional<std::string> OptionalText::toOptionalString() const {
    if (const std::optional<std::string_view> text = view()) {
        return std::string(*text);
    }
    return std::nullopt;
}

const char* OptionalText::heapText() const noexcept {
    const char* text = nullptr;
    std::memcpy(&text, m_bytes, sizeof text);
    return text;
}

std::uint32_t OptionalText::heapSize() const noexcept {
    std::uint32_t size = 0;
    std::memcpy(&size, m_bytes + 8, sizeof size);
    return size;
}

void OptionalText::assign(std::string_view text) {
    if (text.size() <= kInlineCapacity) {
        std::memcpy(m_bytes, text.data(), text.size());
        setTag(static_cast<std::uint8_t>(text.size()));
        return;
    }
    PN_ASSERT(text.size() <= std::numeric_limits<std::uint32_t>::max(),
              "A text attribute is too long");
    char* block = new char[text.size()];
    std::memcpy(block, text.data(), text.size());
    const auto size = static_cast<std::uint32_t>(text.size());
    std::memcpy(m_bytes, &block, sizeof block);
    std::memcpy(m_bytes + 8, &size, sizeof size);
    setTag(kOnHeap);
}

void OptionalText::release() noexcept {
    if (tag() == kOnHeap) {
        delete[] heapText();
    }
    setTag(kUnset);
}
