#include "store/AttributeValue.h"

bool valueMatchesKind(const AttributeValue& value, AttributeKind kind) {
    switch (kind) {
        case AttributeKind::Text:
            return std::holds_alternative<std::string>(value) ||
                   std::holds_alternative<std::monostate>(value);
        case AttributeKind::Decimal:
            return std::holds_alternative<Decimal>(value) ||
                   std::holds_alternative<std::monostate>(value);
        case AttributeKind::Date:
            return std::holds_alternative<Date>(value) ||
                   std::holds_alternative<std::monostate>(value);
        case AttributeKind::Integer:
            return std::holds_alternative<std::int64_t>(value) ||
                   std::holds_alternative<std::monostate>(value);
        case AttributeKind::Boolean:
            return std::holds_alternative<bool>(value) ||
                   std::holds_alternative<std::monostate>(value);
        case AttributeKind::ArchivedList:
            return std::holds_alternative<ArchivedList>(value) ||
                   std::holds_alternative<std::monostate>(value);
    }
    return false;
}

const char* attributeKindName(AttributeKind kind) {
    switch (kind) {
        case AttributeKind::Text:
            return "text";
        case AttributeKind::Decimal:
            return "decimal";
        case AttributeKind::Date:
            return "date";
        case AttributeKind::Integer:
            return "integer";
        case AttributeKind::Boolean:
            return "boolean";
        case AttributeKind::ArchivedList:
            return "archivedList";
    }
    return "unknown";
}
