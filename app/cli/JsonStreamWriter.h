#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/JsonSink.h"

// Writes JSON text to a stream as it is given, indented by two spaces per level the way the
// documents of the other commands are printed. Text is buffered and handed to the stream in
// large pieces; endDocument() hands over the rest. A writer destroyed without it drops what
// it still holds, so a command that fails early prints no half answer.
//
// Strings are written as UTF-8; a byte sequence that is not UTF-8 becomes U+FFFD, so that
// text from an odd statement file cannot make the whole answer unprintable.
class JsonStreamWriter final : public JsonSink {
public:
    explicit JsonStreamWriter(std::ostream& out);
    ~JsonStreamWriter() override = default;
    JsonStreamWriter(const JsonStreamWriter&) = delete;
    JsonStreamWriter& operator=(const JsonStreamWriter&) = delete;

    void beginObject() override;
    void endObject() override;
    void beginArray() override;
    void endArray() override;
    void key(std::string_view name) override;
    void string(std::string_view text) override;
    void boolean(bool value) override;
    void integer(std::int64_t value) override;
    void null() override;

    // Writes a whole document value at the current place.
    void value(const nlohmann::ordered_json& document);
    // Ends the output with a line break and hands everything to the stream.
    void endDocument();

private:
    void flush();
    void beforeValue();
    void beginContainer(char open);
    void endContainer(char close);
    void newlineAndIndent(std::size_t depth);
    void appendQuoted(std::string_view text);

    std::ostream& m_out;
    std::string m_buffer;
    // Per open container: whether it has an element yet.
    std::vector<bool> m_hasElements;
    bool m_afterKey = false;
};
