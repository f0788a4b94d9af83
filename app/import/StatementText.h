#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading statement files as text. Every text the readers work on is valid UTF-8.
class StatementText final {
public:
    // The file decoded by decodeDetected(), or as ISO Latin-1 when that fails (a Latin-1 or
    // Windows-1252 download would otherwise read as nothing). A file that cannot be opened
    // gives empty text.
    static std::string readFile(const std::string& path);
    // Decodes by the byte-order mark (UTF-8, UTF-16 or UTF-32, big or little endian; the mark
    // itself is dropped), otherwise as UTF-8; nothing when the bytes are not valid in it.
    static std::optional<std::string> decodeDetected(std::string_view bytes);
    // Every byte is the code point of the same value.
    static std::string decodeLatin1(std::string_view bytes);
    static bool isValidUTF8(std::string_view text);
    // `text` with every ill-formed UTF-8 sequence replaced by U+FFFD.
    static std::string validUTF8(std::string_view text);
    // `text` itself when it is valid UTF-8 (no copy), else validUTF8(text) kept in `storage`.
    static std::string_view asValidUTF8(std::string_view text, std::string& storage);
};
