#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Text helpers on ICU. Strings are UTF-8; indexes and lengths are byte offsets into them.

// True when the whole text matches ^\s*$ (empty or white space only).
bool isBlank_pn(std::string_view text);
inline bool isPresent_pn(std::string_view text) {
    return !isBlank_pn(text);
}

struct TextRange final {
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
    std::size_t location = kNotFound;
    std::size_t length = 0;
    bool found() const { return location != kNotFound; }
    bool operator==(const TextRange&) const = default;
};

enum class CompareOptions { Literal, CaseInsensitive };

// Finds `needle` in `text` from byte `index` to the end.
TextRange indexOfString_pn(std::string_view text, std::string_view needle, CompareOptions options,
                           std::size_t index);
// Finds the ICU regular expression `pattern`, matched without regard to case, in `text` from
// byte `index` on; returns the range of the whole match.
TextRange indexOfRegex_pn(std::string_view text, std::string_view pattern, std::size_t index);

// "%d %@" for exactly 1, "%d %@s" otherwise: "1 transaction", "3 transactions".
std::string countedNoun_pn(long long count, std::string_view noun);

// `base` when it is free, else the first free one of "base 2", "base 3", ...:
// default names such as "New Account 2".
std::string firstFreeName(const std::string& base,
                          const std::function<bool(const std::string&)>& isTaken);
