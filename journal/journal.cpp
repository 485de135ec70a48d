// The journal of games: an SQLite file with one row per game and one per move, written as the game goes.
#include "journal/journal.h"

#include "journal/sqlite_statement.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace duel {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS games(
    id INTEGER PRIMARY KEY,
    started TEXT NOT NULL,
    ended TEXT NOT NULL DEFAULT '',
    mode INTEGER NOT NULL,
    strength INTEGER NOT NULL,
    outcome INTEGER NOT NULL DEFAULT 0,
    player_tries INTEGER NOT NULL DEFAULT 0,
    computer_tries INTEGER NOT NULL DEFAULT 0,
    seconds INTEGER NOT NULL DEFAULT 0,
    computer_number TEXT NOT NULL,
    player_number TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS moves(
    game INTEGER NOT NULL REFERENCES games(id),
    ord INTEGER NOT NULL,
    side INTEGER NOT NULL,
    guess TEXT NOT NULL,
    exact INTEGER NOT NULL,
    partial INTEGER NOT NULL,
    seconds INTEGER NOT NULL,
    PRIMARY KEY(game, ord)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS unfinished_games ON games(id) WHERE outcome = 0;
PRAGMA user_version = 1;
)sql";

constexpr const char* kGameColumns =
    "id, started, ended, mode, strength, outcome, player_tries, computer_tries, seconds, computer_number, "
    "player_number";
constexpr const char* kMoveColumns = "side, guess, exact, partial, seconds";

// Gives up the unfinished games (all of them when ?2 is NULL, else game ?2), ended at ?1.  The
// outcome is how the duel stood: 1 bit for the player's guess with four exact, 2 for the computer's.
constexpr const char* kAbandon = R"sql(
UPDATE games SET
    ended = ?1,
    outcome = CASE (SELECT coalesce(max(m.side = 0) + 2 * max(m.side = 1), 0) FROM moves m
                    WHERE m.game = games.id AND m.exact = 4)
                  WHEN 3 THEN 3 WHEN 1 THEN 1 WHEN 2 THEN 2 ELSE 5 END,
    player_tries = (SELECT count(*) FROM moves m WHERE m.game = games.id AND m.side = 0),
    computer_tries = (SELECT count(*) FROM moves m WHERE m.game = games.id AND m.side = 1),
    seconds = coalesce((SELECT m.seconds FROM moves m WHERE m.game = games.id ORDER BY m.ord DESC LIMIT 1), 0)
WHERE outcome = 0 AND (?2 IS NULL OR id = ?2)
)sql";

JournalFault FaultOf(int code) {
    switch (code & 0xFF) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return JournalFault::Damaged;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return JournalFault::Locked;
        case SQLITE_FULL:
            return JournalFault::DiskFull;
        default:
            return JournalFault::CannotWrite;
    }
}

// Values read from the file are brought into the ranges the game knows, so a
// file edited by hand cannot hand the game an enumerator it has never heard of.
GameRecord ReadGame(const SqliteStatement& row) {
    GameRecord game;
    game.id = row.Integer(0);
    game.started = row.Text(1);
    game.ended = row.Text(2);
    game.mode = row.Integer(3) == 1 ? GameMode::Hidden : GameMode::Typed;
    game.strength = row.Integer(4) == 1 ? 1 : 0;
    const int64_t outcome = row.Integer(5);
    game.outcome = outcome >= 0 && outcome <= 5 ? static_cast<Outcome>(outcome) : Outcome::Abandoned;
    auto count = [&](int column) {
        return static_cast<int32_t>(std::clamp<int64_t>(row.Integer(column), 0, 1'000'000'000));
    };
    game.playerTries = count(6);
    game.computerTries = count(7);
    game.seconds = count(8);
    game.computerNumber = row.Text(9);
    game.playerNumber = row.Text(10);
    return game;
}

JournalMove ReadMove(const SqliteStatement& row) {
    JournalMove move;
    move.side = row.Integer(0) == 1 ? Side::Computer : Side::Player;
    move.move.guess = row.Text(1);
    move.move.answer.exact = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(2), 0, 4));
    move.move.answer.partial = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(3), 0, 4));
    move.seconds = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(4), 0, 1'000'000'000));
    return move;
}

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
    if (*version == 0) {
        const auto objects = QueryInteger(db, "SELECT count(*) FROM sqlite_schema", code);
        if (code != SQLITE_OK || !objects) return finish(Found::Unreadable, code);
        if (*objects != 0)
            return finish(Found::Damaged, SQLITE_NOTADB, "the file holds tables that are not the journal's");
        return finish(Found::Nothing, SQLITE_OK);
    }
    // The journal's own tables and columns must be there, and every page sound.
    for (const std::string& sql : {std::string("SELECT ") + kGameColumns + " FROM games LIMIT 0",
                                   std::string("SELECT game, ord, ") + kMoveColumns + " FROM moves LIMIT 0"}) {
        SqliteStatement probe(db, sql);
        if (!probe.prepared())  // tables of another shape, or worse
            return finish((probe.code() & 0xFF) == SQLITE_ERROR ? Found::Damaged : Found::Unreadable, probe.code());
    }
    SqliteStatement check(db, "PRAGMA quick_check(1)");
    if (!check.Step()) return finish(Found::Unreadable, check.code());
    if (check.Text(0) != "ok") return finish(Found::Damaged, SQLITE_CORRUPT, check.Text(0));
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
    // the middle of a move; the log of one game stays small.
    if ((code = RunSql(opening.db,
                       "PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON; PRAGMA wal_autocheckpoint = 0")) !=
        SQLITE_OK)
        return fail(code);
    if ((code = RunSql(opening.db, "BEGIN IMMEDIATE")) != SQLITE_OK) return fail(code);
    const auto version = QueryInteger(opening.db, "PRAGMA user_version", code);
    if (code != SQLITE_OK || !version) return fail(code);
    if (*version == 0 && (code = RunSql(opening.db, kSchema)) != SQLITE_OK) return fail(code);
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

Journal::Journal(Journal&& other) noexcept { *this = std::move(other); }

Journal& Journal::operator=(Journal&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
        status_ = std::exchange(other.status_, JournalStatus::Unavailable);
        fault_ = std::exchange(other.fault_, JournalFault::CannotWrite);
        damagedCopy_ = std::move(other.damagedCopy_);
        error_ = std::move(other.error_);
    }
    return *this;
}

Journal::~Journal() { Close(); }

void Journal::Close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

Journal Journal::Open(const std::filesystem::path& path, std::string_view dateText) {
    Journal journal;
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

void Journal::Fail(int code) {
    error_ = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    status_ = JournalStatus::Stopped;
    fault_ = FaultOf(code);
}

bool Journal::FileMoved() {
    int moved = 0;
    const int code = sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved);
    return code != SQLITE_OK || moved != 0;
}

template <typename Write>
bool Journal::Written(Write&& write) {
    if (!writable()) return false;
    // Writes into a file that was removed or replaced would go nowhere the next run looks.
    if (FileMoved()) {
        status_ = JournalStatus::Stopped;
        fault_ = JournalFault::CannotWrite;
        error_ = "the journal file was removed or replaced";
        return false;
    }
    const int code = write();
    if (code == SQLITE_OK || code == SQLITE_DONE) return true;
    Fail(code);
    return false;
}

std::optional<int64_t> Journal::BeginGame(const GameBegin& begin) {
    int64_t id = 0;
    const bool written = Written([&] {
        int code = RunSql(db_, "BEGIN IMMEDIATE");
        if (code != SQLITE_OK) return code;
        SqliteStatement abandon(db_, kAbandon);
        abandon.Bind(1, begin.started).Run();
        code = abandon.code();
        if (code == SQLITE_DONE) {
            SqliteStatement insert(db_,
                                   "INSERT INTO games(started, mode, strength, computer_number, player_number) "
                                   "VALUES(?1, ?2, ?3, ?4, ?5)");
            insert.Bind(1, begin.started)
                .Bind(2, static_cast<int64_t>(begin.mode))
                .Bind(3, int64_t{begin.strength})
                .Bind(4, begin.computerNumber)
                .Bind(5, begin.playerNumber)
                .Run();
            code = insert.code();
            id = sqlite3_last_insert_rowid(db_);
        }
        if (code == SQLITE_DONE) code = RunSql(db_, "COMMIT");
        if (code != SQLITE_OK) RunSql(db_, "ROLLBACK");
        return code;
    });
    if (!written) return std::nullopt;
    return id;
}

bool Journal::AddMove(int64_t game, const JournalMove& move) {
    return Written([&] {
        SqliteStatement insert(db_,
                               "INSERT INTO moves(game, ord, side, guess, exact, partial, seconds) VALUES(?1, "
                               "(SELECT coalesce(max(ord), 0) + 1 FROM moves WHERE game = ?1), ?2, ?3, ?4, ?5, ?6)");
        insert.Bind(1, game)
            .Bind(2, static_cast<int64_t>(move.side))
            .Bind(3, move.move.guess)
            .Bind(4, int64_t{move.move.answer.exact})
            .Bind(5, int64_t{move.move.answer.partial})
            .Bind(6, int64_t{move.seconds})
            .Run();
        return insert.code();
    });
}

void Journal::Checkpoint() {
    // A checkpoint that cannot run now (another game reading) is tried again at the next end.
    if (writable()) sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

bool Journal::EndGame(int64_t game, const GameEnd& end) {
    if (end.outcome == Outcome::Unfinished) return false;
    bool changed = false;
    const bool written = Written([&] {
        SqliteStatement update(db_,
                               "UPDATE games SET ended = ?2, outcome = ?3, player_tries = ?4, computer_tries = ?5, "
                               "seconds = ?6 WHERE id = ?1 AND outcome = 0");
        update.Bind(1, game)
            .Bind(2, end.ended)
            .Bind(3, static_cast<int64_t>(end.outcome))
            .Bind(4, int64_t{end.playerTries})
            .Bind(5, int64_t{end.computerTries})
            .Bind(6, int64_t{end.seconds})
            .Run();
        changed = sqlite3_changes(db_) > 0;
        return update.code();
    });
    if (written && changed) Checkpoint();
    return written && changed;
}

bool Journal::MarkAbandoned(int64_t game, std::string_view ended) {
    bool changed = false;
    const bool written = Written([&] {
        SqliteStatement abandon(db_, kAbandon);
        abandon.Bind(1, ended).Bind(2, game).Run();
        changed = sqlite3_changes(db_) > 0;
        return abandon.code();
    });
    if (written && changed) Checkpoint();
    return written && changed;
}

std::optional<SavedGame> Journal::LastUnfinishedGame() {
    SqliteStatement last(db_, std::string("SELECT ") + kGameColumns + " FROM games ORDER BY id DESC LIMIT 1");
    if (!last.Step()) {
        if (last.code() != SQLITE_DONE && db_ != nullptr) error_ = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    SavedGame saved;
    saved.game = ReadGame(last);
    if (saved.game.outcome != Outcome::Unfinished) return std::nullopt;
    auto moves = MovesOf(saved.game.id);
    if (!moves) return std::nullopt;
    saved.moves = std::move(*moves);
    if (!IsResumable(saved)) {
        error_ = "the last unfinished game does not hold together and cannot be resumed";
        return std::nullopt;
    }
    return saved;
}

std::optional<std::vector<GameRecord>> Journal::PlayedGames() {
    SqliteStatement select(db_,
                           std::string("SELECT ") + kGameColumns + " FROM games WHERE outcome <> 0 ORDER BY id DESC");
    std::vector<GameRecord> games;
    while (select.Step()) games.push_back(ReadGame(select));
    if (select.code() != SQLITE_DONE) {
        if (db_ != nullptr) error_ = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    return games;
}

std::optional<std::vector<JournalMove>> Journal::MovesOf(int64_t game) {
    SqliteStatement select(db_, std::string("SELECT ") + kMoveColumns + " FROM moves WHERE game = ?1 ORDER BY ord");
    select.Bind(1, game);
    std::vector<JournalMove> moves;
    while (select.Step()) moves.push_back(ReadMove(select));
    if (select.code() != SQLITE_DONE) {
        if (db_ != nullptr) error_ = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    return moves;
}

}  // namespace duel
