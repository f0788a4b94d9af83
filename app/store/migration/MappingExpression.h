#pragma once

#include <string>
#include <vector>

#include "store/AttributeValue.h"

// The value of one property mapping: a constant, a key path on the source instance
// ("$source.name", "$source.sidebarIndex.position") or a call of a function the migration
// manager knows by name, whose arguments are expressions themselves. Kept as data so that a
// mapping can be inspected (the relationship-mapping function looks for calls of itself).
class MappingExpression final {
public:
    enum class Kind { Constant, SourceKeyPath, FunctionCall };

    static MappingExpression constant(AttributeValue value);
    // Dot-separated names of to-one relationships ending in an attribute or any relationship;
    // empty: the source instance itself.
    static MappingExpression source(std::string keyPath);
    static MappingExpression function(std::string name, std::vector<MappingExpression> arguments);

    Kind kind() const { return m_kind; }
    // Constant only.
    const AttributeValue& value() const { return m_value; }
    // SourceKeyPath only.
    const std::string& keyPath() const { return m_text; }
    // FunctionCall only.
    const std::string& functionName() const { return m_text; }
    const std::vector<MappingExpression>& arguments() const { return m_arguments; }

private:
    MappingExpression(Kind kind, AttributeValue value, std::string text,
                      std::vector<MappingExpression> arguments);

    Kind m_kind;
    AttributeValue m_value;
    std::string m_text;
    std::vector<MappingExpression> m_arguments;
};
