#pragma once

#include <concepts>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "base/OptionalText.h"

// The kinds of attribute an entity may declare.
enum class AttributeKind { Text, Decimal, Date, Integer, Boolean, ArchivedList };

// One archived value object, flattened: string keys to integer or text values, e.g.
// {"DIWeekWeekday": 2} or {"DIMonthCount": 1, "DIMonthUnit": "0"}.
using ArchiveFieldValue = std::variant<std::int64_t, std::string>;
using ArchiveFields = std::map<std::string, ArchiveFieldValue>;
// The value of an archived-list attribute in generic form.
using ArchivedList = std::vector<ArchiveFields>;

// Any attribute value in generic form, as stores and undo see it. std::monostate is "unset"
// (only optional attributes hold it).
using AttributeValue =
    std::variant<std::monostate, std::string, Decimal, Date, std::int64_t, bool, ArchivedList>;

// How a value class plugs into an archived-list attribute: specialise ArchiveCoder<V> with
//   static ArchiveFields encode(const V&);
//   static V decode(const ArchiveFields&);   // may throw AssertionFailure on bad fields
// and declare a member of type std::vector<V>. V needs operator== (setters skip equal values).
template <class V>
struct ArchiveCoder;

template <>
struct ArchiveCoder<ArchiveFields> {
    static ArchiveFields encode(const ArchiveFields& v) { return v; }
    static ArchiveFields decode(const ArchiveFields& f) { return f; }
};

// Maps a member type to its attribute kind and converts between it and AttributeValue.
// Supported: std::string, Decimal, Date, integers, bool, std::vector<V> with an ArchiveCoder,
// std::optional of each (optional attributes: unset is distinct from zero or empty), and
// OptionalText (an optional text).
template <class T>
struct AttributeTraits;

template <>
struct AttributeTraits<std::string> {
    static constexpr AttributeKind kKind = AttributeKind::Text;
    static constexpr bool kOptional = false;
    static AttributeValue toValue(const std::string& v) { return v; }
    static std::string fromValue(const AttributeValue& v) { return std::get<std::string>(v); }
};

// An optional text held compactly (an object's text attributes that most rows have).
template <>
struct AttributeTraits<OptionalText> {
    static constexpr AttributeKind kKind = AttributeKind::Text;
    static constexpr bool kOptional = true;
    static AttributeValue toValue(const OptionalText& v) {
        if (const std::optional<std::string_view> text = v.view()) {
            return std::string(*text);
        }
        return AttributeValue{};
    }
    static OptionalText fromValue(const AttributeValue& v) {
        if (std::holds_alternative<std::monostate>(v)) {
            return OptionalText();
        }
        return OptionalText(std::string_view(std::get<std::string>(v)));
    }
};

template <>
struct AttributeTraits<Decimal> {
    static constexpr AttributeKind kKind = AttributeKind::Decimal;
    static constexpr bool kOptional = false;
    static AttributeValue toValue(const Decimal& v) { return v; }
    static Decimal fromValue(const AttributeValue& v) { return std::get<Decimal>(v); }
};

template <>
struct AttributeTraits<Date> {
    static constexpr AttributeKind kKind = AttributeKind::Date;
    static constexpr bool kOptional = false;
    static AttributeValue toValue(const Date& v) { return v; }
    static Date fromValue(const AttributeValue& v) { return std::get<Date>(v); }
};

template <>
struct AttributeTraits<bool> {
    static constexpr AttributeKind kKind = AttributeKind::Boolean;
    static constexpr bool kOptional = false;
    static AttributeValue toValue(bool v) { return v; }
    static bool fromValue(const AttributeValue& v) { return std::get<bool>(v); }
};

template <std::integral T>
requires(!std::same_as<T, bool>) struct AttributeTraits<T> {
    static constexpr AttributeKind kKind = AttributeKind::Integer;
    static constexpr bool kOptional = false;
    static AttributeValue toValue(T v) { return static_cast<std::int64_t>(v); }
    static T fromValue(const AttributeValue& v) {
        return static_cast<T>(std::get<std::int64_t>(v));
    }
};

template <class V>
struct AttributeTraits<std::vector<V>> {
    static constexpr AttributeKind kKind = AttributeKind::ArchivedList;
    static constexpr bool kOptional = false;
    static AttributeValue toValue(const std::vector<V>& list) {
        ArchivedList out;
        out.reserve(list.size());
        for (const V& v : list) {
            out.push_back(ArchiveCoder<V>::encode(v));
        }
        return out;
    }
    static std::vector<V> fromValue(const AttributeValue& value) {
        std::vector<V> out;
        for (const ArchiveFields& f : std::get<ArchivedList>(value)) {
            out.push_back(ArchiveCoder<V>::decode(f));
        }
        return out;
    }
};

template <class T>
struct AttributeTraits<std::optional<T>> {
    static constexpr AttributeKind kKind = AttributeTraits<T>::kKind;
    static constexpr bool kOptional = true;
    static AttributeValue toValue(const std::optional<T>& v) {
        return v ? AttributeTraits<T>::toValue(*v) : AttributeValue{};
    }
    static std::optional<T> fromValue(const AttributeValue& v) {
        if (std::holds_alternative<std::monostate>(v)) {
            return std::nullopt;
        }
        return AttributeTraits<T>::fromValue(v);
    }
};

// True when `value` holds the alternative that `kind` uses (or is unset).
bool valueMatchesKind(const AttributeValue& value, AttributeKind kind);
// "text", "decimal", "date", "integer", "boolean", "archivedList".
const char* attributeKindName(AttributeKind kind);
