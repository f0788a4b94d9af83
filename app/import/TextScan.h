#pragma once

#include <cstddef>
#include <string_view>

// Code-point level helpers over valid UTF-8 text, with the character classes of ICU regular
// expressions: line terminators (what `.` never matches and what `^` / `$` see in multi-line
// mode) and `\s` (the White_Space property). Offsets are byte offsets. The readers' linear
// scanners use these to behave exactly like the ICU patterns they replace.
class TextScan final {
public:
    // The code point at byte `i` (REQUIRES i < text.size()) and its length in bytes.
    static char32_t codePointAt(std::string_view text, std::size_t i, std::size_t& length);
    // Byte offset just after the code point at `i`.
    static std::size_t next(std::string_view text, std::size_t i);

    // U+000A..U+000D, U+0085, U+2028, U+2029.
    static bool isLineTerminator(char32_t c) {
        return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
    }
    static bool isWhiteSpace(char32_t c);
    // True when the code point at `i` is \s (false at the end of the text).
    static bool isWhiteSpaceAt(std::string_view text, std::size_t i);
    // True when the code point at `i` is a line terminator (false at the end of the text).
    static bool isLineTerminatorAt(std::string_view text, std::size_t i);
    // True when the code point that ends just before `i` is a line terminator. Inline: the
    // QIF scanner asks it of every byte of a statement.
    static bool endsWithLineTerminator(std::string_view text, std::size_t i) {
        if (i == 0 || i > text.size()) {
            return false;
        }
        const auto last = static_cast<unsigned char>(text[i - 1]);
        if (last >= 0x0A && last <= 0x0D) {
            return true;
        }
        return (last == 0x85 || last == 0xA8 || last == 0xA9) &&
               endsWithWideLineTerminator(text, i);
    }

    // Where multi-line `^` holds: the start of the text, or after a line terminator but not at
    // the end of the text (ICU also finds a line start between CR and LF).
    static bool isLineStart(std::string_view text, std::size_t i) {
        return i == 0 || (i < text.size() && endsWithLineTerminator(text, i));
    }
    // Where multi-line `$` holds: the end of the text, or before a line terminator unless that
    // is the LF of a CR LF pair.
    static bool isLineEnd(std::string_view text, std::size_t i);
    // The first line start at or after `i`, or text.size() + 1 when there is none.
    static std::size_t nextLineStart(std::string_view text, std::size_t i);
    // End of the run of non-terminator code points that begins at `i` (what `.*` takes).
    static std::size_t lineContentEnd(std::string_view text, std::size_t i);
    // Skips at most `count` \s code points from `i` (the possessive `\s{0,2}+`).
    static std::size_t skipWhiteSpace(std::string_view text, std::size_t i, int count);
    // End of the run of \s code points that begins at `i`.
    static std::size_t whiteSpaceRunEnd(std::string_view text, std::size_t i);
    // The text without \s at either end.
    static std::string_view trimmed(std::string_view text);

private:
    // endsWithLineTerminator for a last byte of 85, A8 or A9: U+0085, U+2028 or U+2029.
    static bool endsWithWideLineTerminator(std::string_view text, std::size_t i);
};
