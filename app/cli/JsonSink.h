#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where a JSON value is written piece by piece: straight to the output (JsonStreamWriter) or
// into a document (JsonDomBuilder). Large answers, such as a register of every transaction,
// are written this way so that no document of them is ever built.
//
// Inside an object every value is preceded by key(); the caller keeps the nesting balanced.
class JsonSink {
public:
    virtual ~JsonSink() = default;

    virtual void beginObject() = 0;
    virtual void endObject() = 0;
    virtual void beginArray() = 0;
    virtual void endArray() = 0;
    virtual void key(std::string_view name) = 0;
    virtual void string(std::string_view text) = 0;
    virtual void boolean(bool value) = 0;
    virtual void integer(std::int64_t value) = 0;
    virtual void null() = 0;

    void optionalText(std::optional<std::string_view> text) { text ? string(*text) : null(); }
    void optionalInteger(std::optional<std::int64_t> value) { value ? integer(*value) : null(); }
};
