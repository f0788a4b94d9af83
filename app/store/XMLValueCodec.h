#pragma once

#include <optional>
#include <string>

#include <pugixml.hpp>

#include "store/AttributeValue.h"

// Converts attribute values to and from the XML store's nodes. Plain kinds are one text:
// decimals exactly as Decimal::toString writes them, dates as YYYY-MM-DD, integers in
// decimal, booleans as true/false. An archived list is a sequence of <item> children, each
// holding <field key="…" integer="…"/> or <field key="…" text="…"/>.
class XMLValueCodec final {
public:
    // Writes a set value of `kind` into `node` (attribute "value" or <item> children).
    static void write(pugi::xml_node node, const AttributeValue& value);
    // Reads a value of `kind` from `node`; nothing when the node does not hold a valid one.
    [[nodiscard]] static std::optional<AttributeValue> read(pugi::xml_node node,
                                                            AttributeKind kind);

    // Parses a whole decimal integer; nothing for any other text.
    [[nodiscard]] static std::optional<std::int64_t> parseInteger(std::string_view text);

private:
    static std::optional<AttributeValue> readPlain(std::string_view text, AttributeKind kind);
    static std::optional<AttributeValue> readList(pugi::xml_node node);
};
