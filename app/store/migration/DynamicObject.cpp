#include "store/migration/DynamicObject.h"

namespace {

// The value a new object holds before anything is set: unset when optional, else the kind's
// zero (the same defaults a class member would start with).
AttributeValue initialValue(const AttributeDescription& attribute) {
    if (attribute.optional) {
        return AttributeValue{};
    }
    switch (attribute.kind) {
        case AttributeKind::Text:
            return std::string();
        case AttributeKind::Decimal:
            return Decimal();
        case AttributeKind::Date:
            return Date();
        case AttributeKind::Integer:
            return std::int64_t{0};
        case AttributeKind::Boolean:
            return false;
        case AttributeKind::ArchivedList:
            return ArchivedList();
    }
    return AttributeValue{};
}

}  // namespace

DynamicObject::DynamicObject(const EntityDescription& entity)
    : m_entity(entity),
      m_targets(entity.relationships().size(), nullptr),
      m_targetSets(entity.relationships().size()) {
    m_values.reserve(entity.attributes().size());
    for (const AttributeDescription& a : entity.attributes()) {
        m_values.push_back(initialValue(a));
    }
}
