#pragma once

#include <optional>
#include <string_view>

// A colour for custom drawing: components 0.0-1.0 (geometry-side values, not money).
struct RGBColor final {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 1.0;
    bool operator==(const RGBColor&) const = default;
};

// Reads "234E79" or "555" (each digit doubled), without "#". Nothing gives black; reading
// stops at the first character that is not a hexadecimal digit.
RGBColor colorWithHexColorString(std::optional<std::string_view> hex, double opacity = 1.0);
