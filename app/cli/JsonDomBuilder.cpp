#include "cli/JsonDomBuilder.h"

#include "base/AssertionFailure.h"

using Json = nlohmann::ordered_json;

JsonDomBuilder::JsonDomBuilder(Json& target) : m_target(target) {}

Json& JsonDomBuilder::place(Json value) {
    if (m_open.empty()) {
        m_target = std::move(value);
        return m_target;
    }
    Json& container = *m_open.back();
    if (container.is_array()) {
        container.push_back(std::move(value));
        return container.back();
    }
    PN_ASSERT(m_pendingKey.has_value(), "A value inside an object needs a key first");
    Json& member = container[*m_pendingKey];
    member = std::move(value);
    m_pendingKey.reset();
    return member;
}

void JsonDomBuilder::beginObject() {
    m_open.push_back(&place(Json::object()));
}

void JsonDomBuilder::endObject() {
    PN_ASSERT(!m_open.empty() && m_open.back()->is_object(), "No object is open");
    m_open.pop_back();
}

void JsonDomBuilder::beginArray() {
    m_open.push_back(&place(Json::array()));
}

void JsonDomBuilder::endArray() {
    PN_ASSERT(!m_open.empty() && m_open.back()->is_array(), "No array is open");
    m_open.pop_back();
}

void JsonDomBuilder::key(std::string_view name) {
    PN_ASSERT(!m_open.empty() && m_open.back()->is_object(), "A key belongs inside an object");
    m_pendingKey = std::string(name);
}

void JsonDomBuilder::string(std::string_view text) {
    place(Json(std::string(text)));
}

void JsonDomBuilder::boolean(bool value) {
    place(Json(value));
}

void JsonDomBuilder::integer(std::int64_t value) {
    place(Json(value));
}

void JsonDomBuilder::null() {
    place(Json(nullptr));
}
