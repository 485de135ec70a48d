// A prepared SQLite statement that finalizes itself, and the few calls the journal makes through it.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace duel {

class SqliteStatement {
public:
    // Prepares `sql`; code() tells whether it worked.
    SqliteStatement(sqlite3* db, std::string_view sql);
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    // The result of preparing, or of the last Step (SQLITE_ROW, SQLITE_DONE or an error).
    int code() const { return code_; }
    bool prepared() const { return statement_ != nullptr; }

    // Binds parameter `index` (1-based); a failure shows in code().
    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& Bind(int index, std::string_view text);

    // Steps once: true for a row; false at the end or on an error (code() tells).
    bool Step();
    // Steps to the end; true when the statement finished without an error.
    bool Run();

    int64_t Integer(int column) const;
    std::string Text(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    int code_ = SQLITE_OK;
};

// Runs SQL without parameters or rows; the SQLite result code.
int RunSql(sqlite3* db, const char* sql);

// True for the result codes that mean the file is not a sound database.
inline bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

}  // namespace duel
