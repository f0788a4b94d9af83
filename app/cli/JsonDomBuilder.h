#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/JsonSink.h"

// Builds a document from what is written to it, for the readable text output that needs the
// whole answer before it can align its columns.
class JsonDomBuilder final : public JsonSink {
public:
    // Values are written into `target`, which must outlive the builder.
    explicit JsonDomBuilder(nlohmann::ordered_json& target);

    void beginObject() override;
    void endObject() override;
    void beginArray() override;
    void endArray() override;
    void key(std::string_view name) override;
    void string(std::string_view text) override;
    void boolean(bool value) override;
    void integer(std::int64_t value) override;
    void null() override;

private:
    // The place the next value goes: the target itself, the pending key's member or a new
    // element of the innermost array.
    nlohmann::ordered_json& place(nlohmann::ordered_json value);

    nlohmann::ordered_json& m_target;
    std::vector<nlohmann::ordered_json*> m_open;
    std::optional<std::string> m_pendingKey;
};
