#include "cli/JsonStreamWriter.h"

#include <array>
#include <charconv>

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence starting at `text[at]`, or 0 when it is not one:
// overlong forms, surrogates and code points above U+10FFFF are refused.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const auto continuation = [&](std::size_t i) {
        return at + i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2)) {
            return 0;
        }
        if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F)) {
            return 0;
        }
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3)) {
            return 0;
        }
        if ((lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F)) {
            return 0;
        }
        return 4;
    }
    return 0;
}

}  // namespace

JsonStreamWriter::JsonStreamWriter(std::ostream& out) : m_out(out) {
    m_buffer.reserve(kFlushSize + 4096);
}

void JsonStreamWriter::endDocument() {
    m_buffer += '\n';
    flush();
}

void JsonStreamWriter::flush() {
    m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_buffer.clear();
}

void JsonStreamWriter::newlineAndIndent(std::size_t depth) {
    m_buffer += '\n';
    m_buffer.append(2 * depth, ' ');
}

// A value inside an array starts on its own line; one inside an object follows its key.
void JsonStreamWriter::beforeValue() {
    if (m_buffer.size() >= kFlushSize) {
        flush();
    }
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElements.empty()) {
        if (m_hasElements.back()) {
            m_buffer += ',';
        }
        m_hasElements.back() = true;
        newlineAndIndent(m_hasElements.size());
    }
}

void JsonStreamWriter::beginContainer(char open) {
    beforeValue();
    m_buffer += open;
    m_hasElements.push_back(false);
}

void JsonStreamWriter::endContainer(char close) {
    const bool hadElements = m_hasElements.back();
    m_hasElements.pop_back();
    if (hadElements) {
        newlineAndIndent(m_hasElements.size());
    }
    m_buffer += close;
}

void JsonStreamWriter::beginObject() {
    beginContainer('{');
}

void JsonStreamWriter::endObject() {
    endContainer('}');
}

void JsonStreamWriter::beginArray() {
    beginContainer('[');
}

void JsonStreamWriter::endArray() {
    endContainer(']');
}

void JsonStreamWriter::key(std::string_view name) {
    beforeValue();
    appendQuoted(name);
    m_buffer += ": ";
    m_afterKey = true;
}

void JsonStreamWriter::string(std::string_view text) {
    beforeValue();
    appendQuoted(text);
}

void JsonStreamWriter::boolean(bool value) {
    beforeValue();
    m_buffer += value ? "true" : "false";
}

void JsonStreamWriter::integer(std::int64_t value) {
    beforeValue();
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.begin(), digits.end(), value).ptr;
    m_buffer.append(digits.data(), end);
}

void JsonStreamWriter::null() {
    beforeValue();
    m_buffer += "null";
}

void JsonStreamWriter::value(const nlohmann::ordered_json& document) {
    switch (document.type()) {
        case nlohmann::ordered_json::value_t::object:
            beginObject();
            for (const auto& [name, member] : document.items()) {
                key(name);
                value(member);
            }
            endObject();
            break;
        case nlohmann::ordered_json::value_t::array:
            beginArray();
            for (const auto& element : document) {
                value(element);
            }
            endArray();
            break;
        case nlohmann::ordered_json::value_t::string:
            string(document.get_ref<const std::string&>());
            break;
        case nlohmann::ordered_json::value_t::boolean:
            boolean(document.get<bool>());
            break;
        case nlohmann::ordered_json::value_t::number_integer:
            integer(document.get<std::int64_t>());
            break;
        case nlohmann::ordered_json::value_t::null:
            null();
            break;
        default:  // unsigned and floating-point numbers, written as the library writes them
            beforeValue();
            m_buffer += document.dump();
            break;
    }
}

// Runs of characters that need no escape are copied whole.
void JsonStreamWriter::appendQuoted(std::string_view text) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    const auto isPlain = [](unsigned char c) {
        return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
    };
    m_buffer += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t runEnd = at;
        while (runEnd < text.size() && isPlain(static_cast<unsigned char>(text[runEnd]))) {
            ++runEnd;
        }
        m_buffer.append(text.substr(at, runEnd - at));
        at = runEnd;
        if (at == text.size()) {
            break;
        }
        const auto c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(text, at);
            if (length == 0) {
                m_buffer += kReplacementCharacter;
                ++at;
            } else {
                m_buffer.append(text.substr(at, length));
                at += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                m_buffer += "\\\"";
                break;
            case '\\':
                m_buffer += "\\\\";
                break;
            case '\b':
                m_buffer += "\\b";
                break;
            case '\f':
                m_buffer += "\\f";
                break;
            case '\n':
                m_buffer += "\\n";
                break;
            case '\r':
                m_buffer += "\\r";
                break;
            case '\t':
                m_buffer += "\\t";
                break;
            default:
                m_buffer += "\\u00";
                m_buffer += kHex[c >> 4];
                m_buffer += kHex[c & 0xF];
        }
        ++at;
    }
    m_buffer += '"';
}
