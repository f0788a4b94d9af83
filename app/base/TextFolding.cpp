#include "TextFolding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <vector>

namespace {

// Decomposed, without combining marks, case folded, as code points.
std::vector<UChar32> foldedCodePoints(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    icu::UnicodeString decomposed = U_SUCCESS(status) ? nfd->normalize(u, status) : u;
    if (U_FAILURE(status)) {
        decomposed = u;
    }
    decomposed.foldCase();
    std::vector<UChar32> out;
    out.reserve(static_cast<std::size_t>(decomposed.length()));
    for (int32_t i = 0; i < decomposed.length();) {
        UChar32 c = decomposed.char32At(i);
        i += U16_LENGTH(c);
        if (u_getCombiningClass(c) != 0 || u_charType(c) == U_NON_SPACING_MARK) {
            continue;
        }
        out.push_back(c);
    }
    return out;
}

// Glob match with * and ? over code points; linear-space, worst case O(n*m).
bool globMatch(const std::vector<UChar32>& text, const std::vector<UChar32>& pattern) {
    std::size_t t = 0, p = 0, starP = std::string::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

std::string foldForComparison(std::string_view text) {
    std::string folded;
    appendFoldedForComparison(folded, text);
    return folded;
}

void appendFoldedForComparison(std::string& out, std::string_view text) {
    // Plain ASCII has no marks to strip and folds to lower case: most texts need no ICU.
    bool ascii = true;
    for (const char c : text) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (ascii) {
        const std::size_t start = out.size();
        out += text;
        for (std::size_t i = start; i < out.size(); ++i) {
            if (out[i] >= 'A' && out[i] <= 'Z') {
                out[i] = static_cast<char>(out[i] - 'A' + 'a');
            }
        }
        return;
    }
    icu::UnicodeString folded;
    for (UChar32 c : foldedCodePoints(text)) {
        folded.append(c);
    }
    folded.toUTF8String(out);
}

bool likeCD(std::string_view text, std::string_view pattern) {
    return globMatch(foldedCodePoints(text), foldedCodePoints(pattern));
}

bool equalsCD(std::string_view a, std::string_view b) {
    return foldedCodePoints(a) == foldedCodePoints(b);
}

bool containsCD(std::string_view text, std::string_view needle) {
    return foldForComparison(text).find(foldForComparison(needle)) != std::string::npos;
}

bool namePrecedes(std::string_view a, std::string_view b) {
    const std::string foldedA = foldForComparison(a);
    const std::string foldedB = foldForComparison(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}
