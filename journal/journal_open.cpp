// Opening the journal: a read-only look at the file, a damaged one renamed aside, then the file opened for writing.
#include "journal/journal.h"
#include "journal/journal_schema.h"
#include "journal/sqlite_statement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace duel {

namespace {

// Only the digits and dashes of the caller's date text, so that it can only name a file beside the journal.
std::string SafeDateText(std::string_view dateText) {
    std::string safe;
    for (char c : dateText)
        if ((c >= '0' && c <= '9') || c == '-') safe += c;
    return safe.empty() ? std::string("unknown") : safe;
}

// The single integer a pragma or query returns, or nothing; `code` is SQLITE_OK or the failure.
std::optional<int64_t> QueryInteger(sqlite3* db, const char* sql, int& code) {
    SqliteStatement statement(db, sql);
    std::optional<int64_t> value;
    if (statement.Step()) value = statement.Integer(0);
    code = statement.code() == SQLITE_ROW || statement.code() == SQLITE_DONE ? SQLITE_OK : statement.code();
    return value;
}

// What stands at the journal's path, looked at without waiting: SQLite would
// block for good opening a named pipe, so only a regular file (or nothing) is
// handed to it.  None when the path may be opened.
JournalFault LookAtPath(const std::filesystem::path& path, std::string& error) {
    struct stat link {};
    if (lstat(path.c_str(), &link) != 0) {
        if (errno != ENOENT) {
            error = std::string("cannot look at the journal: ") + std::strerror(errno);
            return JournalFault::CannotWrite;
        }
        // Nothing there: the folder must take the file and its -wal and -shm.
        if (access(path.parent_path().c_str(), W_OK | X_OK) != 0) {
            error = std::string("the folder cannot be written: ") + std::strerror(errno);
            return JournalFault::CannotWrite;
        }
        return JournalFault::None;
    }
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0) {
        const int cause = errno;
        error = std::string("cannot open the journal: ") + std::strerror(cause);
        if (cause == ENOENT && S_ISLNK(link.st_mode)) return JournalFault::DanglingLink;
        if (cause == ENXIO) return JournalFault::NotAFile;  // a socket
        return cause == EACCES ? JournalFault::ReadOnlyFile : JournalFault::CannotWrite;
    }
    struct stat opened {};
    const bool looked = fstat(file, &opened) == 0;
    close(file);
    if (!looked || !S_ISREG(opened.st_mode)) {
        error = "the journal's path is not a regular file";
        return JournalFault::NotAFile;
    }
    if (access(path.c_str(), W_OK) != 0) {
        error = "the journal file may not be written";
        return JournalFault::ReadOnlyFile;
    }
    if (access(path.parent_path().c_str(), W_OK | X_OK) != 0) {
        error = "the journal's folder cannot be written";
        return JournalFault::CannotWrite;
    }
    return JournalFault::None;
}

// What a look at the file found, before anything was written to it.
enum class Found {
    Nothing,     // no file yet, or an SQLite file without tables: the journal is made in it
    Journal,     // a sound journal
    Damaged,     // garbage, a corrupt page, or another program's tables
    Newer,       // a journal of a newer version of the game
    Unreadable,  // it could not be read (permissions, a lock, I/O): see code
};

struct Inspection {
    Found found = Found::Nothing;
    int code = SQLITE_OK;
    std::string error;
};

// Looks at the file through a read-only connection, so that nothing is
// changed (not even the journal mode in its header) before it is known to be
// the journal: a damaged file or a newer version's journal stays byte for byte.
Inspection Inspect(const std::filesystem::path& path) {
    Inspection look;
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return look;
    sqlite3* db = nullptr;
    auto finish = [&](Found found, int code, std::string error = {}) {
        look.found = found;
        look.code = code;
        look.error = !error.empty() ? std::move(error) : db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
        if (found == Found::Unreadable && IsDamage(code)) look.found = Found::Damaged;
        sqlite3_close_v2(db);
        return look;
    };
    int code = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (code != SQLITE_OK) return finish(Found::Unreadable, code);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kJournalBusyMilliseconds);

    // The first statement reads the file's header: garbage shows here.
    const auto version = QueryInteger(db, "PRAGMA user_version", code);
    if (code != SQLITE_OK || !version) return finish(Found::Unreadable, code);
    if (*version > kJournalVersion) return finish(Found::Newer, SQLITE_OK, "written by a newer version of the game");
    if (*version < 0) return finish(Found::Damaged, SQLITE_NOTADB, "the file's version is not the journal's");
    if (*version == 0) {
        const auto objects = QueryInteger(db, "SELECT count(*) FROM sqlite_schema", code);
        if (code != SQLITE_OK || !objects) return finish(Found::Unreadable, code);
        if (*objects != 0)
            return finish(Found::Damaged, SQLITE_NOTADB, "the file holds tables that are not the journal's");
        return finish(Found::Nothing, SQLITE_OK);
    }
    // The journal's own tables and columns must be there, and every page sound.
    const std::string gameColumns =
        std::string(kGameColumnsOf1) + (*version >= 2 ? std::string(", ") + kGameColumnsAdded : std::string());
    for (const std::string& sql : {"SELECT " + gameColumns + " FROM games LIMIT 0",
                                   std::string("SELECT game, ord, ") + kMoveColumns + " FROM moves LIMIT 0"}) {
        SqliteStatement probe(db, sql);
        if (!probe.prepared())  // tables of another shape, or worse
            return finish((probe.code() & 0xFF) == SQLITE_ERROR ? Found::Damaged : Found::Unreadable, probe.code());
    }
    SqliteStatement check(db, "PRAGMA quick_check(1)");
    if (!check.Step()) return finish(Found::Unreadable, check.code());
    if (check.Text(0) != "ok") return finish(Found::Damaged, SQLITE_CORRUPT, check.Text(0));
    // With the largest id taken SQLite numbers new games at random, so that
    // neither the order of the games nor the last one begun could be known.
    const auto largestId = QueryInteger(db, "SELECT max(id) FROM games", code);
    if (code != SQLITE_OK) return finish(Found::Unreadable, code);
    if (largestId && *largestId > kMaxJournalGameId)
        return finish(Found::Damaged, SQLITE_CORRUPT, "a game's number is beyond any the game gives");
    return finish(Found::Journal, SQLITE_OK);
}

// The journal opened for writing, or the failure.
struct Opening {
    sqlite3* db = nullptr;  // open and ready when code is SQLITE_OK
    int code = SQLITE_OK;
    std::string error;
};

// Opens the file (a journal, or nothing yet) for writing: the WAL mode, the
// tables when they are missing, and one write transaction to be sure that it
// can be written now; another game holding it past the busy timeout, or a
// file that has become read-only, ends here.
Opening OpenForWriting(const std::filesystem::path& path) {
    Opening opening;
    auto fail = [&](int code) {
        opening.code = code == SQLITE_OK ? SQLITE_ERROR : code;
        opening.error = opening.db != nullptr ? sqlite3_errmsg(opening.db) : sqlite3_errstr(opening.code);
        if (opening.db != nullptr) RunSql(opening.db, "ROLLBACK");
        sqlite3_close_v2(opening.db);
        opening.db = nullptr;
        return std::move(opening);
    };
    int code = sqlite3_open_v2(path.c_str(), &opening.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) return fail(code);
    sqlite3_extended_result_codes(opening.db, 1);
    sqlite3_busy_timeout(opening.db, kJournalBusyMilliseconds);
    if (sqlite3_db_readonly(opening.db, "main") != 0) return fail(SQLITE_READONLY);
    {
        SqliteStatement wal(opening.db, "PRAGMA journal_mode = WAL");
        wal.Run();
        if (wal.code() != SQLITE_DONE) return fail(wal.code());
    }
    // Checkpoints (which wait for the disk) are made when a game ends, not in
    // the middle of a move (see Journal::Checkpoint).
    if ((code = RunSql(opening.db,
                       "PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON; PRAGMA wal_autocheckpoint = 0")) !=
        SQLITE_OK)
        return fail(code);
    if ((code = RunSql(opening.db, "BEGIN IMMEDIATE")) != SQLITE_OK) return fail(code);
    const auto version = QueryInteger(opening.db, "PRAGMA user_version", code);
    if (code != SQLITE_OK || !version) return fail(code);
    if (*version == 0 && (code = RunSql(opening.db, kSchema)) != SQLITE_OK) return fail(code);
    if (*version == 1 && (code = RunSql(opening.db, kUpgradeFrom1)) != SQLITE_OK) return fail(code);
    if ((code = RunSql(opening.db, "COMMIT")) != SQLITE_OK) return fail(code);
    return opening;
}

// A name beside `path` that neither the copy nor its -wal and -shm files use yet.
std::filesystem::path FreeDamagedName(const std::filesystem::path& path, const std::string& date) {
    std::error_code error;
    const std::string base = path.string() + ".damaged-" + date;
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? base : base + "-" + std::to_string(n);
        if (!std::filesystem::exists(name, error) && !std::filesystem::exists(name + "-wal", error) &&
            !std::filesystem::exists(name + "-shm", error))
            return name;
    }
}

// Renames the damaged file and its -wal and -shm files aside; true when all
// of them moved.  The -wal must not stay: a fresh file would take its pages.
bool MoveAside(const std::filesystem::path& path, const std::filesystem::path& aside, std::string& error) {
    std::error_code code;
    std::filesystem::rename(path, aside, code);
    if (code) {
        error = "cannot rename the damaged journal: " + code.message();
        return false;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::filesystem::path companion = path.string() + suffix;
        if (!std::filesystem::exists(companion, code)) continue;
        std::filesystem::rename(companion, aside.string() + suffix, code);
        if (code) {
            error = "cannot rename the damaged journal's " + companion.filename().string() + ": " + code.message();
            return false;
        }
    }
    return true;
}

}  // namespace

Journal Journal::Open(const std::filesystem::path& path, std::string_view dateText) {
    Journal journal;
    if (const JournalFault fault = LookAtPath(path, journal.error_); fault != JournalFault::None) {
        journal.fault_ = fault;
        return journal;
    }
    const Inspection look = Inspect(path);
    journal.error_ = look.error;
    switch (look.found) {
        case Found::Newer:
            journal.fault_ = JournalFault::NewerFormat;
            return journal;
        case Found::Unreadable:
            journal.fault_ = FaultOf(look.code);
            return journal;
        case Found::Damaged: {
            const std::filesystem::path aside = FreeDamagedName(path, SafeDateText(dateText));
            if (!MoveAside(path, aside, journal.error_)) {
                journal.fault_ = JournalFault::CannotWrite;
                return journal;
            }
            journal.damagedCopy_ = aside;
            break;
        }
        case Found::Nothing:
        case Found::Journal:
            break;
    }
    Opening opening = OpenForWriting(path);
    if (opening.code != SQLITE_OK) {
        journal.fault_ = FaultOf(opening.code);
        journal.error_ = opening.error;
        return journal;
    }
    journal.db_ = opening.db;
    journal.error_.clear();
    // SQLite tells after every commit how many pages its log holds.
    journal.logFrames_ = std::make_unique<int>(0);
    sqlite3_wal_hook(
        journal.db_,
        [](void* frames, sqlite3*, const char*, int count) {
            *static_cast<int*>(frames) = count;
            return SQLITE_OK;
        },
        journal.logFrames_.get());
    if (journal.damagedCopy_.empty()) {
        journal.status_ = JournalStatus::Ready;
        journal.fault_ = JournalFault::None;
    } else {
        journal.status_ = JournalStatus::StartedAfresh;
        journal.fault_ = JournalFault::Damaged;
        journal.error_ = look.error;
    }
    return journal;
}

}  // namespace duel
