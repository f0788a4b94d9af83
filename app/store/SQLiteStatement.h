#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement, finalized on destruction. Errors are thrown as SQLiteError so that a
// store operation can unwind to its single rollback point.
class SQLiteStatement final {
public:
    SQLiteStatement(sqlite3* db, std::string_view sql);
    ~SQLiteStatement();
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;

    // Parameters are numbered from 1.
    void bindNull(int index);
    void bindInt(int index, std::int64_t value);
    void bindText(int index, std::string_view value);
    // The same without a copy: the text must stay as it is until the statement is reset.
    void bindTextKept(int index, std::string_view value);

    // True while a row is available.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    int columnCount() const;
    // What a column of the current row holds: asked once, it answers the questions below.
    enum class ColumnType { Integer, Real, Text, Blob, Null };
    ColumnType columnType(int column) const;
    bool isNull(int column) const;
    // True when the column holds an integer (not text, real or blob).
    bool isInteger(int column) const;
    bool isText(int column) const;
    std::int64_t integer(int column) const;
    std::string text(int column) const;
    // The same without a copy; valid until the next step or reset.
    std::string_view textView(int column) const;
    std::string columnName(int column) const;

    // A column's type and, for an integer or a text, its value (the text valid until the next
    // step or reset), found with one lookup of the column: a large store reads millions.
    struct Column final {
        ColumnType type = ColumnType::Null;
        std::int64_t integer = 0;
        std::string_view text;
    };
    Column column(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// A failed SQLite call, with SQLite's own message.
struct SQLiteError final {
    std::string message;
};

// Runs SQL without parameters or rows (schema, pragmas, transaction control).
void sqliteExecute(sqlite3* db, std::string_view sql);
