#include "store/XMLValueCodec.h"

#include <charconv>
#include <variant>

namespace {

struct PlainText {
    std::string operator()(const std::monostate&) const { return {}; }
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(const Decimal& d) const { return d.toString(); }
    std::string operator()(const Date& d) const { return d.toISOString(); }
    std::string operator()(std::int64_t i) const { return std::to_string(i); }
    std::string operator()(bool b) const { return b ? "true" : "false"; }
    std::string operator()(const ArchivedList&) const { return {}; }
};

}  // namespace

void XMLValueCodec::write(pugi::xml_node node, const AttributeValue& value) {
    if (const ArchivedList* list = std::get_if<ArchivedList>(&value)) {
        for (const ArchiveFields& fields : *list) {
            pugi::xml_node item = node.append_child("item");
            for (const auto& [key, field] : fields) {
                pugi::xml_node f = item.append_child("field");
                f.append_attribute("key") = key.c_str();
                if (const std::int64_t* i = std::get_if<std::int64_t>(&field)) {
                    f.append_attribute("integer") = std::to_string(*i).c_str();
                } else {
                    f.append_attribute("text") = std::get<std::string>(field).c_str();
                }
            }
        }
        return;
    }
    node.append_attribute("value") = std::visit(PlainText{}, value).c_str();
}

std::optional<std::int64_t> XMLValueCodec::parseInteger(std::string_view text) {
    std::int64_t out = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    if (ec != std::errc{} || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return out;
}

std::optional<AttributeValue> XMLValueCodec::readPlain(std::string_view text, AttributeKind kind) {
    switch (kind) {
        case AttributeKind::Text:
            return AttributeValue{std::string(text)};
        case AttributeKind::Decimal:
            if (std::optional<Decimal> d = Decimal::parse(text)) {
                return AttributeValue{*d};
            }
            return std::nullopt;
        case AttributeKind::Date:
            if (std::optional<Date> d = Date::fromISOString(text)) {
                return AttributeValue{*d};
            }
            return std::nullopt;
        case AttributeKind::Integer:
            if (std::optional<std::int64_t> i = parseInteger(text)) {
                return AttributeValue{*i};
            }
            return std::nullopt;
        case AttributeKind::Boolean:
            if (text == "true" || text == "false") {
                return AttributeValue{text == "true"};
            }
            return std::nullopt;
        case AttributeKind::ArchivedList:
            break;
    }
    return std::nullopt;
}

std::optional<AttributeValue> XMLValueCodec::readList(pugi::xml_node node) {
    ArchivedList list;
    for (pugi::xml_node item : node.children()) {
        if (std::string_view(item.name()) != "item") {
            return std::nullopt;
        }
        ArchiveFields fields;
        for (pugi::xml_node f : item.children()) {
            pugi::xml_attribute key = f.attribute("key");
            if (std::string_view(f.name()) != "field" || !key) {
                return std::nullopt;
            }
            if (pugi::xml_attribute i = f.attribute("integer")) {
                std::optional<std::int64_t> n = parseInteger(i.value());
                if (!n) {
                    return std::nullopt;
                }
                fields[key.value()] = *n;
            } else if (pugi::xml_attribute t = f.attribute("text")) {
                fields[key.value()] = std::string(t.value());
            } else {
                return std::nullopt;
            }
        }
        list.push_back(std::move(fields));
    }
    return AttributeValue{std::move(list)};
}

std::optional<AttributeValue> XMLValueCodec::read(pugi::xml_node node, AttributeKind kind) {
    if (kind == AttributeKind::ArchivedList) {
        return readList(node);
    }
    pugi::xml_attribute value = node.attribute("value");
    if (!value) {
        return std::nullopt;
    }
    return readPlain(value.value(), kind);
}
