#include "OFXElementScanner.h"

#include <unicode/uchar.h>

#include "TextScan.h"

namespace {

constexpr std::size_t kNone = std::string_view::npos;

char32_t folded(char32_t c) {
    if (c < 0x80) {
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    }
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

struct Occurrence {
    std::size_t begin;
    std::size_t end;
};

// Every "<tag>" or "</tag>" of the text.
std::vector<Occurrence> occurrences(std::string_view text, std::string_view tag, bool closing) {
    std::vector<Occurrence> found;
    for (std::size_t i = text.find('<'); i != kNone; i = text.find('<', i + 1)) {
        std::size_t end = OFXElementScanner::tagEndAt(text, i, tag, closing);
        if (end != kNone) {
            found.push_back({i, end});
        }
    }
    return found;
}

// Where content that begins at `from` ends: the first end tag at or after it, else the next
// "<", else the end of the text. `nextEnd` walks forward through `ends` as `from` grows.
std::size_t contentEnd(std::string_view text, std::size_t from, const std::vector<Occurrence>& ends,
                       std::size_t& nextEnd) {
    while (nextEnd < ends.size() && ends[nextEnd].begin < from) {
        ++nextEnd;
    }
    if (nextEnd < ends.size()) {
        return ends[nextEnd].begin;
    }
    std::size_t bracket = text.find('<', from);
    return bracket == kNone ? text.size() : bracket;
}

}  // namespace

std::size_t OFXElementScanner::tagEndAt(std::string_view text, std::size_t i, std::string_view tag,
                                        bool closing) {
    if (i >= text.size() || text[i] != '<') {
        return kNone;
    }
    ++i;
    if (closing) {
        if (i >= text.size() || text[i] != '/') {
            return kNone;
        }
        ++i;
    }
    for (char t : tag) {
        if (i >= text.size()) {
            return kNone;
        }
        std::size_t length = 0;
        char32_t c = TextScan::codePointAt(text, i, length);
        if (folded(c) != folded(static_cast<unsigned char>(t))) {
            return kNone;
        }
        i += length;
    }
    return i < text.size() && text[i] == '>' ? i + 1 : kNone;
}

std::vector<std::string_view> OFXElementScanner::contents(std::string_view text,
                                                          std::string_view tag) {
    std::vector<Occurrence> starts = occurrences(text, tag, false);
    std::vector<Occurrence> ends = occurrences(text, tag, true);
    std::vector<std::string_view> result;
    std::size_t nextEnd = 0;
    std::size_t position = 0;
    for (const Occurrence& start : starts) {
        if (start.begin < position) {
            continue;  // inside the content of the element before
        }
        std::size_t end = contentEnd(text, start.end, ends, nextEnd);
        std::string_view content = TextScan::trimmed(text.substr(start.end, end - start.end));
        if (!content.empty()) {
            result.push_back(content);
        }
        position = end;
    }
    return result;
}

std::vector<OFXElementScanner::TaggedContent> OFXElementScanner::contentsByTags(
    std::string_view text, const std::vector<std::string>& tags) {
    std::vector<TaggedContent> result;
    std::vector<std::vector<Occurrence>> ends;
    std::vector<std::size_t> nextEnds(tags.size(), 0);
    for (const std::string& tag : tags) {
        ends.push_back(occurrences(text, tag, true));
    }
    std::size_t position = 0;
    for (std::size_t i = text.find('<'); i != kNone;
         i = text.find('<', std::max(i + 1, position))) {
        for (std::size_t t = 0; t < tags.size(); ++t) {
            std::size_t begin = tagEndAt(text, i, tags[t], false);
            if (begin == kNone) {
                continue;
            }
            std::size_t end = contentEnd(text, begin, ends[t], nextEnds[t]);
            std::string_view content = TextScan::trimmed(text.substr(begin, end - begin));
            if (!content.empty()) {
                result.push_back({tags[t], content});
            }
            position = end;
            break;
        }
    }
    return result;
}
