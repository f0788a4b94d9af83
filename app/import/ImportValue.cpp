#include "ImportValue.h"

#include <algorithm>
#include <type_traits>

#include "base/AssertionFailure.h"

namespace {

template <typename T, typename Variant>
auto& access(Variant& value) {
    auto* held = std::get_if<T>(&value);
    PN_ASSERT(held != nullptr, "Import value of another kind");
    return *held;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out.push_back(c);
        }
    }
    return out + "\"";
}

}  // namespace

const std::string& ImportValue::text() const {
    return access<std::string>(m_value);
}
Decimal ImportValue::decimal() const {
    return access<Decimal>(m_value);
}
std::int64_t ImportValue::integer() const {
    return access<std::int64_t>(m_value);
}
bool ImportValue::boolean() const {
    return access<bool>(m_value);
}
Date ImportValue::date() const {
    return access<Date>(m_value);
}
const ImportArray& ImportValue::array() const {
    return access<ImportArray>(m_value);
}
ImportArray& ImportValue::array() {
    return access<ImportArray>(m_value);
}
const ImportDictionary& ImportValue::dictionary() const {
    return access<ImportDictionary>(m_value);
}
ImportDictionary& ImportValue::dictionary() {
    return access<ImportDictionary>(m_value);
}

std::string ImportValue::description() const {
    if (isText()) {
        return quoted(text());
    }
    if (isDecimal()) {
        return decimal().toString();
    }
    if (isInteger()) {
        return "#" + std::to_string(integer());
    }
    if (isBoolean()) {
        return boolean() ? "true" : "false";
    }
    if (isDate()) {
        return "@" + date().toISOString();
    }
    std::string out;
    if (isArray()) {
        for (const ImportValue& item : array()) {
            out += (out.empty() ? "" : ", ") + item.description();
        }
        return "[" + out + "]";
    }
    for (const auto& [key, value] : dictionary()) {
        out += (out.empty() ? "" : ", ") + key + ": " + value.description();
    }
    return "{" + out + "}";
}

const ImportValue* findValue(const ImportDictionary& dictionary, std::string_view key) {
    return dictionary.find(key);
}

std::vector<ImportDictionary::Entry>::iterator ImportDictionary::lowerBound(std::string_view key) {
    return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                            [](const Entry& entry, std::string_view k) { return entry.first < k; });
}

bool ImportDictionary::emplace(std::string_view key, ImportValue value) {
    auto it = lowerBound(key);
    if (it != m_entries.end() && it->first == key) {
        return false;
    }
    m_entries.emplace(it, std::string(key), std::move(value));
    return true;
}

void ImportDictionary::insert_or_assign(std::string_view key, ImportValue value) {
    auto it = lowerBound(key);
    if (it != m_entries.end() && it->first == key) {
        it->second = std::move(value);
    } else {
        m_entries.emplace(it, std::string(key), std::move(value));
    }
}

std::size_t ImportDictionary::erase(std::string_view key) {
    auto it = lowerBound(key);
    if (it == m_entries.end() || it->first != key) {
        return 0;
    }
    m_entries.erase(it);
    return 1;
}

const ImportValue* ImportDictionary::find(std::string_view key) const {
    return const_cast<ImportDictionary*>(this)->find(key);
}

ImportValue* ImportDictionary::find(std::string_view key) {
    // A statement's entry holds a dozen keys or so: a scan that compares lengths first answers
    // sooner than a binary search of string comparisons.
    constexpr std::size_t kScanned = 16;
    if (m_entries.size() <= kScanned) {
        for (Entry& entry : m_entries) {
            if (entry.first.size() == key.size() && entry.first == key) {
                return &entry.second;
            }
        }
        return nullptr;
    }
    auto it = lowerBound(key);
    return it != m_entries.end() && it->first == key ? &it->second : nullptr;
}

const ImportValue& ImportDictionary::at(std::string_view key) const {
    const ImportValue* value = find(key);
    PN_ASSERT(value != nullptr, "No import value for " + std::string(key));
    return *value;
}

ImportValue& ImportDictionary::at(std::string_view key) {
    ImportValue* value = find(key);
    PN_ASSERT(value != nullptr, "No import value for " + std::string(key));
    return *value;
}

bool ImportDictionary::operator==(const ImportDictionary& other) const {
    return m_entries == other.m_entries;
}

static_assert(std::is_nothrow_move_constructible_v<ImportValue>,
              "arrays of values must move, not copy, when they grow");
