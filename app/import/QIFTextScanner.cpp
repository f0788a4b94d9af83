#include "QIFTextScanner.h"

#include <unordered_map>

#include "TextScan.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool startsWithAt(std::string_view text, std::size_t i, std::string_view prefix) {
    return i <= text.size() && text.substr(i).starts_with(prefix);
}

// "^X.*$\s{0,2}+" for a literal line prefix X at `x`: the end of the match, or kNone.
std::size_t prefixedLine(std::string_view text, std::size_t x, std::string_view prefix) {
    if (!TextScan::isLineStart(text, x) || !startsWithAt(text, x, prefix)) {
        return kNone;
    }
    std::size_t r = TextScan::lineContentEnd(text, x + prefix.size());
    if (!TextScan::isLineEnd(text, r)) {
        return kNone;
    }
    return TextScan::skipWhiteSpace(text, r, 2);
}

// "^[^!].*$\s{0,2}+" at `x`. The first character may be a line terminator, so an empty line
// takes the line after it along.
std::size_t plainLine(std::string_view text, std::size_t x) {
    if (x >= text.size() || !TextScan::isLineStart(text, x) || text[x] == '!') {
        return kNone;
    }
    std::size_t r = TextScan::lineContentEnd(text, TextScan::next(text, x));
    if (!TextScan::isLineEnd(text, r)) {
        return kNone;  // the first character was the CR of a CR LF pair
    }
    return TextScan::skipWhiteSpace(text, r, 2);
}

// "X\s*$\s{0,2}+" after a literal that ends at `q`, with the greedy \s* backing off: the
// positions after \s{0,2}+ for each way \s* can end at a line end, longest \s* first.
std::vector<std::size_t> lineTails(std::string_view text, std::size_t q) {
    std::vector<std::size_t> ends;
    for (std::size_t i = q;;) {
        if (TextScan::isLineEnd(text, i)) {
            ends.push_back(i);
        }
        if (!TextScan::isWhiteSpaceAt(text, i)) {
            break;
        }
        i = TextScan::next(text, i);
    }
    std::vector<std::size_t> tails;
    for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
        tails.push_back(TextScan::skipWhiteSpace(text, *it, 2));
    }
    return tails;
}

// Follows "(^[^!].*$\s{0,2}+)*" from `x` to where it stops. Each step is deterministic, so
// the stop of every position visited is remembered: chains that meet are walked once.
class PlainLineChain final {
public:
    explicit PlainLineChain(std::string_view text) : m_text(text) {}

    std::size_t stop(std::size_t x) {
        std::vector<std::size_t> visited;
        std::size_t y = x;
        std::size_t result = kNone;
        while (result == kNone) {
            if (auto known = m_stops.find(y); known != m_stops.end()) {
                result = known->second;
                break;
            }
            std::size_t n = plainLine(m_text, y);
            if (n == kNone) {
                result = y;
                break;
            }
            visited.push_back(y);
            y = n;
        }
        for (std::size_t v : visited) {
            m_stops.emplace(v, result);
        }
        return result;
    }

private:
    std::string_view m_text;
    std::unordered_map<std::size_t, std::size_t> m_stops;
};

// "^!Type:(Bank|Cash|CCard)\s*$\s{0,2}+" at `x`; the longest \s* wins since nothing after it
// can fail.
std::size_t typeLine(std::string_view text, std::size_t x) {
    if (!TextScan::isLineStart(text, x) || !startsWithAt(text, x, "!Type:")) {
        return kNone;
    }
    for (std::string_view type : {"Bank", "Cash", "CCard"}) {
        if (startsWithAt(text, x + 6, type)) {
            std::vector<std::size_t> tails = lineTails(text, x + 6 + type.size());
            return tails.empty() ? kNone : tails.front();
        }
    }
    return kNone;
}

std::size_t accountFragmentAt(std::string_view text, std::size_t p, PlainLineChain& chain) {
    for (std::size_t a : lineTails(text, p + 8)) {
        if (plainLine(text, a) == kNone) {
            continue;  // "+" needs one line at least
        }
        // A "!Type" line begins with "!", where the chain of plain lines has to stop; so only
        // the longest chain can be followed by it.
        std::size_t t = typeLine(text, chain.stop(a));
        if (t != kNone) {
            return chain.stop(t);
        }
    }
    return kNone;
}

// The first line start at or after `from` whose line begins with `prefix`, or kNone.
std::size_t nextLineWithPrefix(std::string_view text, std::size_t from, std::string_view prefix) {
    if (prefix.empty()) {
        for (std::size_t i = from; i < text.size(); ++i) {
            if (TextScan::isLineStart(text, i)) {
                return i;
            }
        }
        return kNone;
    }
    // Only a place holding the prefix's first byte can start a match.
    for (std::size_t i = text.find(prefix.front(), from); i != std::string_view::npos;
         i = text.find(prefix.front(), i + 1)) {
        if (TextScan::isLineStart(text, i) && text.substr(i).starts_with(prefix)) {
            return i;
        }
    }
    return kNone;
}

// Where a record that starts at `p` ends: after the first "^" line (and the white space after
// it as far as the last line end within it), or kNone.
std::size_t recordEnd(std::string_view text, std::size_t p) {
    for (std::size_t c = nextLineWithPrefix(text, p, "^"); c != kNone;
         c = nextLineWithPrefix(text, c + 1, "^")) {
        std::size_t end = kNone;
        for (std::size_t i = c + 1;;) {
            if (TextScan::isLineEnd(text, i)) {
                end = i;
            }
            if (!TextScan::isWhiteSpaceAt(text, i)) {
                break;
            }
            i = TextScan::next(text, i);
        }
        if (end != kNone) {
            return end;
        }
    }
    return kNone;
}

}  // namespace

std::vector<std::string_view> QIFTextScanner::records(std::string_view text) {
    std::vector<std::string_view> result;
    forEachRecord(text, [&result](std::string_view record) { result.push_back(record); });
    return result;
}

void QIFTextScanner::forEachRecord(std::string_view text,
                                   const std::function<void(std::string_view)>& visit) {
    for (std::size_t pos = 0;;) {
        std::size_t p = TextScan::nextLineStart(text, pos);
        if (p > text.size()) {
            break;
        }
        if (p > 0 && text[p - 1] == '\r' && text[p] == '\n') {
            // ICU starts a search for a line-anchored pattern after a CR LF pair, never
            // between its two characters (inside a pattern, "^" does hold there).
            pos = p + 1;
            continue;
        }
        std::size_t e = recordEnd(text, p);
        if (e == kNone) {
            break;  // no later start can find a "^" line that this one did not
        }
        visit(text.substr(p, e - p));
        pos = e;
    }
}

std::vector<std::string_view> QIFTextScanner::accountFragments(std::string_view text) {
    std::vector<std::string_view> result;
    PlainLineChain chain(text);
    for (std::size_t p = nextLineWithPrefix(text, 0, "!Account"); p != kNone;) {
        std::size_t e = accountFragmentAt(text, p, chain);
        if (e == kNone) {
            p = nextLineWithPrefix(text, p + 1, "!Account");
            continue;
        }
        result.push_back(text.substr(p, e - p));
        p = nextLineWithPrefix(text, e, "!Account");
    }
    return result;
}

std::vector<std::string_view> QIFTextScanner::blocks(std::string_view text) {
    std::vector<std::string_view> result;
    PlainLineChain chain(text);
    for (std::size_t p = nextLineWithPrefix(text, 0, "!"); p != kNone;) {
        std::size_t h = prefixedLine(text, p, "!");
        if (h == kNone) {
            p = nextLineWithPrefix(text, p + 1, "!");
            continue;
        }
        std::size_t e = chain.stop(h);
        result.push_back(text.substr(p, e - p));
        p = nextLineWithPrefix(text, e, "!");
    }
    return result;
}

std::vector<std::string_view> QIFTextScanner::splits(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t p = nextLineWithPrefix(text, 0, "S"); p != kNone;) {
        std::size_t e = kNone;
        if (std::size_t s = prefixedLine(text, p, "S"); s != kNone) {
            std::size_t memo = prefixedLine(text, s, "E");
            e = memo == kNone ? kNone : prefixedLine(text, memo, "$");
            if (e == kNone) {
                e = prefixedLine(text, s, "$");
            }
        }
        if (e == kNone) {
            p = nextLineWithPrefix(text, p + 1, "S");
            continue;
        }
        result.push_back(text.substr(p, e - p));
        p = nextLineWithPrefix(text, e, "S");
    }
    return result;
}

std::optional<std::string_view> QIFTextScanner::lineValue(std::string_view key,
                                                          std::string_view text) {
    std::size_t i = nextLineWithPrefix(text, 0, key);
    if (i == kNone) {
        return std::nullopt;
    }
    std::size_t begin = i + key.size();
    return text.substr(begin, TextScan::lineContentEnd(text, begin) - begin);
}

std::string QIFTextScanner::collapseWhiteSpace(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        // ASCII other than white space stands as it is: copied a run at a time.
        std::size_t plain = i;
        while (plain < text.size()) {
            const auto c = static_cast<unsigned char>(text[plain]);
            if (c >= 0x80 || c == ' ' || (c >= '\t' && c <= '\r')) {
                break;
            }
            ++plain;
        }
        if (plain > i) {
            result.append(text.substr(i, plain - i));
            i = plain;
            continue;
        }
        std::size_t run = TextScan::whiteSpaceRunEnd(text, i);
        if (run > i) {
            result.push_back(' ');
            i = run;
            continue;
        }
        std::size_t n = TextScan::next(text, i);
        result.append(text.substr(i, n - i));
        i = n;
    }
    return result;
}
