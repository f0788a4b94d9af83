#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads and shows the check numbers of check-number fields: whole numbers of at least 0,
// written with digits only ("1042").
class CheckNumberFormatter final {
public:
    CheckNumberFormatter() = delete;

    struct Reading {
        bool isValid = true;
        std::optional<std::int64_t> number;  // nothing for blank text (and invalid text)

        bool operator==(const Reading&) const = default;
    };

    // Empty or blank text holds no check number. Otherwise the text, outer white space aside,
    // must be 1 to 18 digits; anything else is invalid.
    [[nodiscard]] static Reading read(std::string_view text);
    // "" for no check number.
    [[nodiscard]] static std::string stringFromCheckNumber(std::optional<std::int64_t> number);
};
