#include "StringHelpers.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

icu::UnicodeString toUnicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

// Byte offset in UTF-8 of a UTF-16 index into the same text.
std::size_t utf8Offset(const icu::UnicodeString& text, int32_t utf16Index) {
    std::string prefix;
    text.tempSubString(0, utf16Index).toUTF8String(prefix);
    return prefix.size();
}

// UTF-16 index of a byte offset into UTF-8 text (offsets inside a character round down).
int32_t utf16Index(std::string_view text, std::size_t byteOffset) {
    return toUnicode(text.substr(0, byteOffset)).length();
}

}  // namespace

bool isBlank_pn(std::string_view text) {
    // Equivalent to matching ^\s*$ over the whole text: ICU's \s is the White_Space property.
    icu::UnicodeString u = toUnicode(text);
    for (int32_t i = 0; i < u.length();) {
        UChar32 c = u.char32At(i);
        if (!u_hasBinaryProperty(c, UCHAR_WHITE_SPACE)) {
            return false;
        }
        i += U16_LENGTH(c);
    }
    return true;
}

TextRange indexOfString_pn(std::string_view text, std::string_view needle, CompareOptions options,
                           std::size_t index) {
    if (index > text.size()) {
        return {};
    }
    if (options == CompareOptions::Literal) {
        std::size_t found = text.find(needle, index);
        return found == std::string_view::npos ? TextRange{} : TextRange{found, needle.size()};
    }
    icu::UnicodeString haystack = toUnicode(text);
    icu::UnicodeString folded = haystack;
    folded.foldCase();
    icu::UnicodeString target = toUnicode(needle);
    target.foldCase();
    // Folding keeps UTF-16 lengths for all but a few characters; fall back to a per-position
    // comparison so that the range always refers to the original text.
    int32_t start = utf16Index(text, index);
    for (int32_t i = start; i <= haystack.length(); ++i) {
        for (int32_t end = i; end <= haystack.length(); ++end) {
            icu::UnicodeString piece = haystack.tempSubString(i, end - i);
            piece.foldCase();
            if (piece.length() > target.length()) {
                break;
            }
            if (piece == target) {
                std::size_t loc = utf8Offset(haystack, i);
                return TextRange{loc, utf8Offset(haystack, end) - loc};
            }
        }
    }
    return {};
}

TextRange indexOfRegex_pn(std::string_view text, std::string_view pattern, std::size_t index) {
    if (index > text.size()) {
        return {};
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString haystack = toUnicode(text);
    std::unique_ptr<icu::RegexMatcher> matcher(
        new icu::RegexMatcher(toUnicode(pattern), haystack, UREGEX_CASE_INSENSITIVE, status));
    if (U_FAILURE(status)) {
        return {};
    }
    if (!matcher->find(utf16Index(text, index), status) || U_FAILURE(status)) {
        return {};
    }
    int32_t s = matcher->start(status);
    int32_t e = matcher->end(status);
    std::size_t loc = utf8Offset(haystack, s);
    return TextRange{loc, utf8Offset(haystack, e) - loc};
}

std::string countedNoun_pn(long long count, std::string_view noun) {
    std::string text = std::to_string(count) + " " + std::string(noun);
    return count == 1 ? text : text + "s";
}
