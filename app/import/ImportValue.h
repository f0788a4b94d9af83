#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"

class ImportValue;
// An ordered list of values (the accounts of a document, the transactions of an account).
using ImportArray = std::vector<ImportValue>;

// String-keyed values in key order; a key whose value is missing is absent, never present and
// empty. Kept as a sorted vector: an entry holds a dozen keys at most, and a statement of 50 000
// transactions holds 50 000 entries, so a node per key would cost more than the file itself.
class ImportDictionary final {
public:
    using Entry = std::pair<std::string, ImportValue>;
    using const_iterator = std::vector<Entry>::const_iterator;

    // Adds the key unless it is present; true when it was added.
    bool emplace(std::string_view key, ImportValue value);
    void insert_or_assign(std::string_view key, ImportValue value);
    // The number of entries removed (0 or 1).
    std::size_t erase(std::string_view key);
    // The value under `key`, or null when the key is absent.
    const ImportValue* find(std::string_view key) const;
    ImportValue* find(std::string_view key);
    // REQUIRES the key to be present, else AssertionFailure.
    const ImportValue& at(std::string_view key) const;
    ImportValue& at(std::string_view key);
    bool contains(std::string_view key) const { return find(key) != nullptr; }

    std::size_t size() const;
    bool empty() const;
    // Room for `count` keys without growing: for a reader that knows how many an entry gets.
    void reserve(std::size_t count) { m_entries.reserve(count); }
    const_iterator begin() const;
    const_iterator end() const;

    bool operator==(const ImportDictionary& other) const;

private:
    std::vector<Entry>::iterator lowerBound(std::string_view key);
    std::vector<Entry> m_entries;
};

// One value of an import document or account list, as the statement readers produce them:
// text, a decimal number, an integer number, a boolean, a calendar day, an array or a
// dictionary. Plain data, copied and compared by value.
class ImportValue final {
public:
    ImportValue(std::string text) : m_value(std::move(text)) {}         // NOLINT
    ImportValue(std::string_view text) : m_value(std::string(text)) {}  // NOLINT
    ImportValue(const char* text) : m_value(std::string(text)) {}       // NOLINT
    ImportValue(Decimal number) : m_value(number) {}                    // NOLINT
    template <std::integral T>
    requires(!std::same_as<T, bool>) ImportValue(T number)
        : m_value(static_cast<std::int64_t>(number)) {}                           // NOLINT
    ImportValue(bool flag) : m_value(flag) {}                                     // NOLINT
    ImportValue(Date day) : m_value(day) {}                                       // NOLINT
    ImportValue(ImportArray array) : m_value(std::move(array)) {}                 // NOLINT
    ImportValue(ImportDictionary dictionary) : m_value(std::move(dictionary)) {}  // NOLINT

    bool isText() const { return std::holds_alternative<std::string>(m_value); }
    bool isDecimal() const { return std::holds_alternative<Decimal>(m_value); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(m_value); }
    bool isBoolean() const { return std::holds_alternative<bool>(m_value); }
    bool isDate() const { return std::holds_alternative<Date>(m_value); }
    bool isArray() const { return std::holds_alternative<ImportArray>(m_value); }
    bool isDictionary() const { return std::holds_alternative<ImportDictionary>(m_value); }

    // Each accessor REQUIRES the value to be of its kind, else AssertionFailure.
    const std::string& text() const;
    Decimal decimal() const;
    std::int64_t integer() const;
    bool boolean() const;
    Date date() const;
    const ImportArray& array() const;
    ImportArray& array();
    const ImportDictionary& dictionary() const;
    ImportDictionary& dictionary();

    bool operator==(const ImportValue&) const = default;

    // One line of text showing the value and everything in it, keys in order: "text" in
    // quotes, decimals as written by Decimal, integers with a leading '#', booleans as
    // true/false, days as @YYYY-MM-DD, [a, b] and {key: value, ...}. For tests and logs.
    std::string description() const;

private:
    std::variant<std::string, Decimal, std::int64_t, bool, Date, ImportArray, ImportDictionary>
        m_value;
};

inline std::size_t ImportDictionary::size() const {
    return m_entries.size();
}
inline bool ImportDictionary::empty() const {
    return m_entries.empty();
}
inline ImportDictionary::const_iterator ImportDictionary::begin() const {
    return m_entries.begin();
}
inline ImportDictionary::const_iterator ImportDictionary::end() const {
    return m_entries.end();
}

// The value under `key`, or null when the key is absent.
const ImportValue* findValue(const ImportDictionary& dictionary, std::string_view key);
