// A prepared SQLite statement that finalizes itself, and the few calls the journal makes through it.
#include "journal/sqlite_statement.h"

namespace duel {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) {
    if (db == nullptr) {
        code_ = SQLITE_MISUSE;
        return;
    }
    code_ = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
    if (code_ != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
    if (statement_ != nullptr && code_ == SQLITE_OK) code_ = sqlite3_bind_int64(statement_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    if (statement_ != nullptr && code_ == SQLITE_OK)
        code_ = sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

bool SqliteStatement::Step() {
    if (statement_ == nullptr || (code_ != SQLITE_OK && code_ != SQLITE_ROW)) return false;
    code_ = sqlite3_step(statement_);
    return code_ == SQLITE_ROW;
}

bool SqliteStatement::Run() {
    while (Step()) {
    }
    return code_ == SQLITE_DONE;
}

int64_t SqliteStatement::Integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int bytes = sqlite3_column_bytes(statement_, column);
    return text == nullptr ? std::string() : std::string(text, static_cast<size_t>(bytes));
}

int RunSql(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

}  // namespace duel
