#include "store/SQLiteValueCodec.h"

#include <limits>

#include <nlohmann/json.hpp>

#include "store/SQLiteStatement.h"

namespace {

std::string encodeList(const ArchivedList& list) {
    nlohmann::json array = nlohmann::json::array();
    for (const ArchiveFields& fields : list) {
        nlohmann::json object = nlohmann::json::object();
        for (const auto& [key, value] : fields) {
            if (const auto* number = std::get_if<std::int64_t>(&value)) {
                object[key] = *number;
            } else {
                object[key] = std::get<std::string>(value);
            }
        }
        array.push_back(std::move(object));
    }
    return array.dump();
}

std::optional<ArchivedList> decodeList(const std::string& text) {
    const nlohmann::json array = nlohmann::json::parse(text, nullptr, false);
    if (!array.is_array()) {
        return std::nullopt;
    }
    ArchivedList list;
    for (const nlohmann::json& object : array) {
        if (!object.is_object()) {
            return std::nullopt;
        }
        ArchiveFields fields;
        for (const auto& [key, value] : object.items()) {
            if (value.is_number_integer()) {
                fields[key] = value.get<std::int64_t>();
            } else if (value.is_string()) {
                fields[key] = value.get<std::string>();
            } else {
                return std::nullopt;
            }
        }
        list.push_back(std::move(fields));
    }
    return list;
}

// Binds a value; with `kept`, without copies: texts are bound where they lie, and the text
// written for a decimal or a list where `kept` holds it.
struct Binder {
    SQLiteStatement& statement;
    int index;
    std::string* kept = nullptr;
    void text(std::string_view v) const {
        kept != nullptr ? statement.bindTextKept(index, v) : statement.bindText(index, v);
    }
    void written(std::string v) const {
        if (kept == nullptr) {
            statement.bindText(index, v);
            return;
        }
        *kept = std::move(v);
        statement.bindTextKept(index, *kept);
    }
    void operator()(std::monostate) const { statement.bindNull(index); }
    void operator()(const std::string& v) const { text(v); }
    void operator()(const Decimal& v) const { written(v.toString()); }
    void operator()(Date v) const { statement.bindInt(index, v.daysSinceEpoch()); }
    void operator()(std::int64_t v) const { statement.bindInt(index, v); }
    void operator()(bool v) const { statement.bindInt(index, v ? 1 : 0); }
    void operator()(const ArchivedList& v) const { written(encodeList(v)); }
};

}  // namespace

namespace SQLiteValueCodec {

void bind(SQLiteStatement& statement, int index, const AttributeValue& value) {
    std::visit(Binder{statement, index}, value);
}

void bindKept(SQLiteStatement& statement, int index, const AttributeValue& value,
              std::string& text) {
    std::visit(Binder{statement, index, &text}, value);
}

bool decodeInto(const ColumnValue& value, AttributeKind kind, bool optional, AttributeValue& into) {
    using Type = SQLiteStatement::ColumnType;
    if (value.type == Type::Null) {
        into = std::monostate{};
        return optional;
    }
    switch (kind) {
        case AttributeKind::Text:
            if (value.type != Type::Text) {
                return false;
            }
            if (auto* text = std::get_if<std::string>(&into)) {
                text->assign(value.text);  // keeps the memory of the last row's text
            } else {
                into.emplace<std::string>(value.text);
            }
            return true;
        case AttributeKind::Decimal: {
            std::optional<Decimal> number;
            if (value.type != Type::Text || !(number = Decimal::parse(value.text))) {
                return false;
            }
            into = *number;
            return true;
        }
        case AttributeKind::Date: {
            if (value.type != Type::Integer ||
                value.integer < std::numeric_limits<std::int32_t>::min() ||
                value.integer > std::numeric_limits<std::int32_t>::max()) {
                return false;
            }
            into = Date::fromDaysSinceEpoch(static_cast<std::int32_t>(value.integer));
            return true;
        }
        case AttributeKind::Integer:
            if (value.type != Type::Integer) {
                return false;
            }
            into = value.integer;
            return true;
        case AttributeKind::Boolean: {
            if (value.type != Type::Integer || (value.integer != 0 && value.integer != 1)) {
                return false;
            }
            into = value.integer == 1;
            return true;
        }
        case AttributeKind::ArchivedList: {
            if (value.type != Type::Text) {
                return false;
            }
            std::optional<ArchivedList> list = decodeList(std::string(value.text));
            if (!list) {
                return false;
            }
            into = std::move(*list);
            return true;
        }
    }
    return false;
}

std::optional<AttributeValue> decode(const ColumnValue& value, AttributeKind kind, bool optional) {
    AttributeValue decoded;
    if (!decodeInto(value, kind, optional, decoded)) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace SQLiteValueCodec
