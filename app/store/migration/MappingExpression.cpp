#include "store/migration/MappingExpression.h"

MappingExpression::MappingExpression(Kind kind, AttributeValue value, std::string text,
                                     std::vector<MappingExpression> arguments)
    : m_kind(kind),
      m_value(std::move(value)),
      m_text(std::move(text)),
      m_arguments(std::move(arguments)) {}

MappingExpression MappingExpression::constant(AttributeValue value) {
    return MappingExpression(Kind::Constant, std::move(value), {}, {});
}

MappingExpression MappingExpression::source(std::string keyPath) {
    return MappingExpression(Kind::SourceKeyPath, {}, std::move(keyPath), {});
}

MappingExpression MappingExpression::function(std::string name,
                                              std::vector<MappingExpression> arguments) {
    return MappingExpression(Kind::FunctionCall, {}, std::move(name), std::move(arguments));
}
