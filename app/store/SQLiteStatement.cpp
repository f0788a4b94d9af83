#include "store/SQLiteStatement.h"

#include <sqlite3.h>

namespace {

[[noreturn]] void fail(sqlite3* db) {
    throw SQLiteError{sqlite3_errmsg(db)};
}

}  // namespace

SQLiteStatement::SQLiteStatement(sqlite3* db, std::string_view sql) : m_db(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr) !=
        SQLITE_OK) {
        fail(db);
    }
}

SQLiteStatement::~SQLiteStatement() {
    sqlite3_finalize(m_statement);
}

void SQLiteStatement::bindNull(int index) {
    if (sqlite3_bind_null(m_statement, index) != SQLITE_OK) {
        fail(m_db);
    }
}

void SQLiteStatement::bindInt(int index, std::int64_t value) {
    if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK) {
        fail(m_db);
    }
}

void SQLiteStatement::bindText(int index, std::string_view value) {
    if (sqlite3_bind_text(m_statement, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        fail(m_db);
    }
}

void SQLiteStatement::bindTextKept(int index, std::string_view value) {
    if (sqlite3_bind_text(m_statement, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        fail(m_db);
    }
}

bool SQLiteStatement::step() {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    fail(m_db);
}

void SQLiteStatement::run() {
    try {
        while (step()) {
        }
    } catch (const SQLiteError&) {
        // A failed statement holds on to its transaction's work until it is reset.
        reset();
        throw;
    }
    reset();
}

void SQLiteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int SQLiteStatement::columnCount() const {
    return sqlite3_column_count(m_statement);
}

namespace {

SQLiteStatement::ColumnType typeOf(int sqliteType) {
    using ColumnType = SQLiteStatement::ColumnType;
    switch (sqliteType) {
        case SQLITE_INTEGER:
            return ColumnType::Integer;
        case SQLITE_FLOAT:
            return ColumnType::Real;
        case SQLITE_TEXT:
            return ColumnType::Text;
        case SQLITE_BLOB:
            return ColumnType::Blob;
        default:
            return ColumnType::Null;
    }
}

}  // namespace

SQLiteStatement::ColumnType SQLiteStatement::columnType(int column) const {
    return typeOf(sqlite3_column_type(m_statement, column));
}

SQLiteStatement::Column SQLiteStatement::column(int column) const {
    // Each sqlite3_column_* call finds the column again and checks for a failed allocation
    // after it; the value found once answers every question. (The value is "unprotected":
    // reading it is safe as the connections are opened without a mutex and used by one
    // thread at a time.)
    sqlite3_value* value = sqlite3_column_value(m_statement, column);
    Column found;
    found.type = typeOf(sqlite3_value_type(value));
    if (found.type == ColumnType::Integer) {
        found.integer = sqlite3_value_int64(value);
    } else if (found.type == ColumnType::Text) {
        const auto* bytes = sqlite3_value_text(value);
        if (bytes == nullptr) {
            throw SQLiteError{sqlite3_errmsg(m_db)};
        }
        found.text = std::string_view(reinterpret_cast<const char*>(bytes),
                                      static_cast<std::size_t>(sqlite3_value_bytes(value)));
    }
    return found;
}

bool SQLiteStatement::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

bool SQLiteStatement::isInteger(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_INTEGER;
}

bool SQLiteStatement::isText(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_TEXT;
}

std::int64_t SQLiteStatement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::string SQLiteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(m_statement, column);
    if (bytes == nullptr) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(bytes),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)));
}

std::string_view SQLiteStatement::textView(int column) const {
    const auto* bytes = sqlite3_column_text(m_statement, column);
    if (bytes == nullptr) {
        return {};
    }
    return std::string_view(reinterpret_cast<const char*>(bytes),
                            static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)));
}

std::string SQLiteStatement::columnName(int column) const {
    const char* name = sqlite3_column_name(m_statement, column);
    return name == nullptr ? std::string() : std::string(name);
}

void sqliteExecute(sqlite3* db, std::string_view sql) {
    char* message = nullptr;
    const std::string statement(sql);
    if (sqlite3_exec(db, statement.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        SQLiteError error{message != nullptr ? message : sqlite3_errmsg(db)};
        sqlite3_free(message);
        throw error;
    }
}
