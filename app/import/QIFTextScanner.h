#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text patterns of QIF reading, each done by one linear pass over valid UTF-8 text. Every
// function returns exactly the matches (as views into `text`) of the ICU pattern it is named
// after, kept below as k*Pattern; the patterns themselves backtrack badly on hostile files
// (a large file without a "^" line takes quadratic time), the scans never do.
class QIFTextScanner final {
public:
    // A record: a line start through the next line that is "^" plus optional white space.
    static constexpr const char* kRecordPattern = "(?ms)^.*?^\\^\\s*$";
    // An "!Account" block, its lines, a "!Type:Bank|Cash|CCard" line and the lines after it.
    static constexpr const char* kAccountFragmentPattern =
        "(?m)(^!Account\\s*$\\s{0,2}+)(^[^!].*$\\s{0,2}+)+"
        "(^!Type:(Bank|Cash|CCard)\\s*$\\s{0,2}+)(^[^!].*$\\s{0,2}+)*";
    // A "!" line and the lines that follow it.
    static constexpr const char* kBlockPattern = "(?m)(^!.*$\\s{0,2}+)(^[^!].*$\\s{0,2}+)*";
    // An S line, an optional E line and a $ line.
    static constexpr const char* kSplitPattern =
        "(?m)(^S.*$\\s{0,2}+)(^E.*$\\s{0,2}+)?(^\\$.*$\\s{0,2}+)";

    // Every match of kRecordPattern, in order.
    static std::vector<std::string_view> records(std::string_view text);
    // Calls `visit` with each match of kRecordPattern, in order, without collecting them.
    static void forEachRecord(std::string_view text,
                              const std::function<void(std::string_view)>& visit);
    // Every match of kAccountFragmentPattern, in order.
    static std::vector<std::string_view> accountFragments(std::string_view text);
    // Every match of kBlockPattern, in order.
    static std::vector<std::string_view> blocks(std::string_view text);
    // Every match of kSplitPattern, in order.
    static std::vector<std::string_view> splits(std::string_view text);

    // The first capture of "(?m)^KEY(.*)$": the rest of the first line that begins with `key`,
    // untrimmed; nothing when no line begins with it.
    static std::optional<std::string_view> lineValue(std::string_view key, std::string_view text);
    // Every run of \s replaced by one space (the "\s+" replacement); nothing is trimmed.
    static std::string collapseWhiteSpace(std::string_view text);
};
