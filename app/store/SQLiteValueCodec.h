#pragma once

#include <optional>

#include "store/AttributeValue.h"

class SQLiteStatement;

// Attribute values in SQLite columns: text as text, decimals as their exact text, dates as
// integer days since 1 January 1970, integers and booleans (0/1) as integers, archived lists
// as a JSON array of flat objects; unset values as NULL.
namespace SQLiteValueCodec {

void bind(SQLiteStatement& statement, int index, const AttributeValue& value);
// Nothing when the column does not hold a value of `kind` (a damaged or foreign file); NULL is
// only accepted for optional attributes.
std::optional<AttributeValue> read(const SQLiteStatement& statement, int column, AttributeKind kind,
                                   bool optional);

}  // namespace SQLiteValueCodec
