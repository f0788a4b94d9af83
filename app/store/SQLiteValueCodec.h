#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "store/AttributeValue.h"
#include "store/SQLiteStatement.h"

// Attribute values in SQLite columns: text as text, decimals as their exact text, dates as
// integer days since 1 January 1970, integers and booleans (0/1) as integers, archived lists
// as a JSON array of flat objects; unset values as NULL.
namespace SQLiteValueCodec {

// A column of the current row as SQLite holds it: its type, and its integer or its text (a
// view into the statement's row, or wherever the reader copied it).
using ColumnValue = SQLiteStatement::Column;

void bind(SQLiteStatement& statement, int index, const AttributeValue& value);
// bind() without copying a text: `value`, and `text`, which receives the text written for a
// decimal or a list, must stay as they are until the statement has run.
void bindKept(SQLiteStatement& statement, int index, const AttributeValue& value,
              std::string& text);
// The column as it lies in the row: valid until the statement steps on.
inline ColumnValue column(const SQLiteStatement& statement, int column) {
    return statement.column(column);
}
// Nothing when the column does not hold a value of `kind` (a damaged or foreign file); NULL is
// only accepted for optional attributes.
std::optional<AttributeValue> decode(const ColumnValue& value, AttributeKind kind, bool optional);
// The same into `into`, whose memory a text reuses (a loader decodes row after row into one
// set of values); false, with `into` left in some valid state, when decode() gives nothing.
bool decodeInto(const ColumnValue& value, AttributeKind kind, bool optional, AttributeValue& into);
inline std::optional<AttributeValue> read(const SQLiteStatement& statement, int index,
                                          AttributeKind kind, bool optional) {
    return decode(column(statement, index), kind, optional);
}

}  // namespace SQLiteValueCodec
