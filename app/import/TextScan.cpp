#include "TextScan.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

char32_t TextScan::codePointAt(std::string_view text, std::size_t i, std::size_t& length) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
        length = 1;
        return byte;
    }
    UChar32 c;
    auto pos = static_cast<int32_t>(i);
    U8_NEXT(text.data(), pos, static_cast<int32_t>(text.size()), c);
    length = static_cast<std::size_t>(pos) - i;
    return c < 0 ? U'\uFFFD' : static_cast<char32_t>(c);
}

std::size_t TextScan::next(std::string_view text, std::size_t i) {
    std::size_t length = 0;
    codePointAt(text, i, length);
    return i + length;
}

bool TextScan::isWhiteSpace(char32_t c) {
    if (c < 0x80) {
        return c == ' ' || (c >= 0x09 && c <= 0x0D);
    }
    return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_WHITE_SPACE) != 0;
}

bool TextScan::isWhiteSpaceAt(std::string_view text, std::size_t i) {
    if (i >= text.size()) {
        return false;
    }
    std::size_t length = 0;
    return isWhiteSpace(codePointAt(text, i, length));
}

bool TextScan::isLineTerminatorAt(std::string_view text, std::size_t i) {
    if (i >= text.size()) {
        return false;
    }
    auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
        return b >= 0x0A && b <= 0x0D;
    }
    std::size_t length = 0;
    return isLineTerminator(codePointAt(text, i, length));
}

bool TextScan::endsWithWideLineTerminator(std::string_view text, std::size_t i) {
    const auto last = static_cast<unsigned char>(text[i - 1]);
    // In valid UTF-8, C2 85 is exactly U+0085 and E2 80 A8/A9 exactly U+2028/U+2029.
    if (last == 0x85) {
        return i >= 2 && static_cast<unsigned char>(text[i - 2]) == 0xC2;
    }
    if (last == 0xA8 || last == 0xA9) {
        return i >= 3 && static_cast<unsigned char>(text[i - 2]) == 0x80 &&
               static_cast<unsigned char>(text[i - 3]) == 0xE2;
    }
    return false;
}

bool TextScan::isLineEnd(std::string_view text, std::size_t i) {
    if (i >= text.size()) {
        return true;
    }
    if (!isLineTerminatorAt(text, i)) {
        return false;
    }
    return !(text[i] == '\n' && i > 0 && text[i - 1] == '\r');
}

std::size_t TextScan::nextLineStart(std::string_view text, std::size_t i) {
    if (i == 0) {
        return 0;
    }
    for (std::size_t p = i; p < text.size(); ++p) {
        if (endsWithLineTerminator(text, p)) {
            return p;
        }
    }
    return text.size() + 1;
}

std::size_t TextScan::lineContentEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && !isLineTerminatorAt(text, i)) {
        i = next(text, i);
    }
    return i;
}

std::size_t TextScan::skipWhiteSpace(std::string_view text, std::size_t i, int count) {
    for (int n = 0; n < count && isWhiteSpaceAt(text, i); ++n) {
        i = next(text, i);
    }
    return i;
}

std::size_t TextScan::whiteSpaceRunEnd(std::string_view text, std::size_t i) {
    while (isWhiteSpaceAt(text, i)) {
        i = next(text, i);
    }
    return i;
}

std::string_view TextScan::trimmed(std::string_view text) {
    std::size_t begin = whiteSpaceRunEnd(text, 0);
    std::size_t end = text.size();
    while (end > begin) {
        std::size_t back = end - 1;
        while (back > begin && (static_cast<unsigned char>(text[back]) & 0xC0) == 0x80) {
            --back;
        }
        if (!isWhiteSpaceAt(text, back)) {
            break;
        }
        end = back;
    }
    return text.substr(begin, end - begin);
}
