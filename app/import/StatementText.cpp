#include "StatementText.h"

#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

struct ByteOrderMark {
    std::string_view bytes;
    const char* encoding;
};

// Longest marks first: the UTF-32 LE mark begins with the UTF-16 LE one.
constexpr ByteOrderMark kMarks[] = {
    {std::string_view("\xFF\xFE\x00\x00", 4), "UTF-32LE"},
    {std::string_view("\x00\x00\xFE\xFF", 4), "UTF-32BE"},
    {std::string_view("\xEF\xBB\xBF", 3), "UTF-8"},
    {std::string_view("\xFF\xFE", 2), "UTF-16LE"},
    {std::string_view("\xFE\xFF", 2), "UTF-16BE"},
};

std::optional<std::string> convertToUTF8(std::string_view bytes, const char* encoding) {
    if (std::string_view(encoding) == "UTF-8") {
        if (!StatementText::isValidUTF8(bytes)) {
            return std::nullopt;
        }
        return std::string(bytes);
    }
    icu::UnicodeString text(bytes.data(), static_cast<int32_t>(bytes.size()), encoding);
    if (text.isBogus()) {
        return std::nullopt;
    }
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

}  // namespace

std::string StatementText::readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (std::optional<std::string> text = decodeDetected(bytes)) {
        return *text;
    }
    return decodeLatin1(bytes);
}

std::optional<std::string> StatementText::decodeDetected(std::string_view bytes) {
    for (const ByteOrderMark& mark : kMarks) {
        if (bytes.starts_with(mark.bytes)) {
            return convertToUTF8(bytes.substr(mark.bytes.size()), mark.encoding);
        }
    }
    return convertToUTF8(bytes, "UTF-8");
}

std::string StatementText::decodeLatin1(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            text.push_back(byte);
        } else {
            text.push_back(static_cast<char>(0xC0 | (b >> 6)));
            text.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return text;
}

bool StatementText::isValidUTF8(std::string_view text) {
    auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        // Statements are mostly ASCII: eight bytes without a high bit at a time.
        if (std::uint64_t word = 0; i + 8 <= length) {
            std::memcpy(&word, text.data() + i, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) < 0x80) {
            ++i;
            continue;
        }
        UChar32 c;
        U8_NEXT(text.data(), i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

std::string StatementText::validUTF8(std::string_view text) {
    if (isValidUTF8(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 16);
    auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        int32_t start = i;
        UChar32 c;
        U8_NEXT(text.data(), i, length, c);
        if (c < 0) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(
                text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
        }
    }
    return out;
}

std::string_view StatementText::asValidUTF8(std::string_view text, std::string& storage) {
    if (isValidUTF8(text)) {
        return text;
    }
    storage = validUTF8(text);
    return storage;
}
