#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Finds OFX elements by tag in valid UTF-8 text, in one pass over the text per tag: an element
// starts after "<TAG>" and ends at the first "</TAG>" after it, else at the next "<", else at
// the end of the text; tags match ignoring case. So an SGML leaf without an end tag ends where
// the next tag begins and an aggregate keeps everything nested in it. Contents are views into
// the text, trimmed of white space; empty contents are skipped.
class OFXElementScanner final {
public:
    struct TaggedContent {
        std::string tag;  // the tag of the list that matched
        std::string_view content;
    };

    // The contents of every `tag` element, in text order.
    static std::vector<std::string_view> contents(std::string_view text, std::string_view tag);
    // The contents of every element whose tag is one of `tags`, in text order.
    static std::vector<TaggedContent> contentsByTags(std::string_view text,
                                                     const std::vector<std::string>& tags);
    // The end of "<tag>" (or "</tag>" when `closing`) matched ignoring case at `i`, or npos.
    static std::size_t tagEndAt(std::string_view text, std::size_t i, std::string_view tag,
                                bool closing);
};
