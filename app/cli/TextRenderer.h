#pragma once

#include <string>

#include <nlohmann/json.hpp>

// Renders a command's JSON answer as readable text: scalar members as "name: value" lines
// with aligned values, lists of records as aligned tables (one column per key, in the order
// the keys first appear), nested records indented. Null shows as "-"; a line break inside a
// table cell as "; ".
class TextRenderer final {
public:
    static std::string render(const nlohmann::ordered_json& document);
};
