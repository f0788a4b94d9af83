#include "cli/TextRenderer.h"

#include <algorithm>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

std::string scalarText(const Json& value) {
    if (value.is_null()) {
        return "-";
    }
    if (value.is_string()) {
        return value.get<std::string>();
    }
    return value.dump();
}

bool isTable(const Json& value) {
    return value.is_array() && !value.empty() &&
           std::all_of(value.begin(), value.end(), [](const Json& row) { return row.is_object(); });
}

// Display width in code points, which is what a terminal lines up for most scripts.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string& text, std::size_t columns) {
    return text + std::string(columns > width(text) ? columns - width(text) : 0, ' ');
}

std::string cellText(const Json& value) {
    if (value.is_array() || value.is_object()) {
        std::string joined;
        for (const Json& item : value) {
            joined += (joined.empty() ? "" : ", ") + cellText(item);
        }
        return joined;
    }
    return scalarText(value);
}

// A table cell keeps to its line, so that a row stays one row.
std::string tableCellText(const Json& value) {
    std::string text = cellText(value);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
        text.replace(at, 1, "; ");
    }
    return text;
}

void renderTable(const Json& rows, const std::string& indent, std::string& out) {
    std::vector<std::string> columns;
    for (const Json& row : rows) {
        for (const auto& [key, unused] : row.items()) {
            if (std::find(columns.begin(), columns.end(), key) == columns.end()) {
                columns.push_back(key);
            }
        }
    }
    std::vector<std::size_t> widths;
    for (const std::string& column : columns) {
        std::size_t widest = width(column);
        for (const Json& row : rows) {
            widest = std::max(widest, width(tableCellText(row.value(column, Json()))));
        }
        widths.push_back(widest);
    }
    auto line = [&](auto textOf) {
        std::string text = indent;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            text += i + 1 < columns.size() ? padded(textOf(i), widths[i] + 2) : textOf(i);
        }
        out += text + "\n";
    };
    line([&](std::size_t i) { return columns[i]; });
    for (const Json& row : rows) {
        line([&](std::size_t i) { return tableCellText(row.value(columns[i], Json())); });
    }
}

void renderObject(const Json& object, const std::string& indent, std::string& out) {
    std::size_t keyWidth = 0;
    for (const auto& [key, value] : object.items()) {
        if (!value.is_object() && !isTable(value)) {
            keyWidth = std::max(keyWidth, width(key) + 1);
        }
    }
    for (const auto& [key, value] : object.items()) {
        if (value.is_object()) {
            out += indent + key + ":\n";
            renderObject(value, indent + "  ", out);
        } else if (isTable(value)) {
            out += indent + key + ":\n";
            renderTable(value, indent + "  ", out);
        } else {
            out += indent + padded(key + ":", keyWidth) + " " + cellText(value) + "\n";
        }
    }
}

}  // namespace

std::string TextRenderer::render(const nlohmann::ordered_json& document) {
    std::string out;
    if (document.is_object()) {
        renderObject(document, "", out);
    } else {
        out = cellText(document) + "\n";
    }
    return out;
}
