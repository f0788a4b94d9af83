#include "StringHelpers.h"

#include <unicode/regex.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <memory>
#include <vector>

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
    // Any ASCII character but white space decides it at once; only white space mixed with
    // other characters needs the property looked up.
    bool allASCII = true;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x80) {
            allASCII = false;
        } else if (c != ' ' && (c < '\t' || c > '\r')) {
            return false;
        }
    }
    if (allASCII) {
        return true;
    }
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
    // Simple (one-to-one) case folding per code point keeps a map back to byte offsets, so
    // the search is one linear pass over the folded text.
    std::u32string folded;
    std::vector<std::size_t> offsets;  // byte offset of each folded code point, plus the end
    for (std::size_t i = index; i < text.size();) {
        UChar32 c;
        std::size_t begin = i;
        int32_t pos = static_cast<int32_t>(i);
        U8_NEXT(text.data(), pos, static_cast<int32_t>(text.size()), c);
        i = static_cast<std::size_t>(pos);
        folded.push_back(
            static_cast<char32_t>(u_foldCase(c < 0 ? 0xFFFD : c, U_FOLD_CASE_DEFAULT)));
        offsets.push_back(begin);
    }
    offsets.push_back(text.size());
    std::u32string target;
    for (std::size_t i = 0; i < needle.size();) {
        UChar32 c;
        int32_t pos = static_cast<int32_t>(i);
        U8_NEXT(needle.data(), pos, static_cast<int32_t>(needle.size()), c);
        i = static_cast<std::size_t>(pos);
        target.push_back(
            static_cast<char32_t>(u_foldCase(c < 0 ? 0xFFFD : c, U_FOLD_CASE_DEFAULT)));
    }
    std::size_t found = folded.find(target);
    if (found != std::u32string::npos) {
        return TextRange{offsets[found], offsets[found + target.size()] - offsets[found]};
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

std::string firstFreeName(const std::string& base,
                          const std::function<bool(const std::string&)>& isTaken) {
    if (!isTaken(base)) {
        return base;
    }
    for (int number = 2;; ++number) {
        std::string candidate = base + " " + std::to_string(number);
        if (!isTaken(candidate)) {
            return candidate;
        }
    }
}
