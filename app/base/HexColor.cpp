#include "HexColor.h"

#include <cstdint>
#include <string>

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
}  // namespace

RGBColor colorWithHexColorString(std::optional<std::string_view> hex, double opacity) {
    if (!hex) {
        return RGBColor{0.0, 0.0, 0.0, opacity};
    }
    std::string text(*hex);
    if (text.size() == 3) {
        text = {text[0], text[0], text[1], text[1], text[2], text[2]};
    }
    // An unsigned 32-bit reading, as a scanner would: stops at the first non-hex digit.
    std::uint32_t value = 0;
    for (char c : text) {
        int digit = hexDigit(c);
        if (digit < 0) {
            break;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return RGBColor{((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0,
                    (value & 0xFF) / 255.0, opacity};
}
