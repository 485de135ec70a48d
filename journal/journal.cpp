// The journal of games: an SQLite file with one row per game and one per move, written as the game goes.
#include "journal/journal.h"

#include "journal/journal_schema.h"
#include "journal/sqlite_statement.h"

#include <algorithm>
#include <utility>

namespace duel {

namespace {

// Gives up the unfinished games (all of them when ?2 is NULL, else game ?2), ended at ?1.  The
// outcome is how the duel stood: 1 bit for the player's guess with four exact, 2 for the computer's.
constexpr const char* kAbandon = R"sql(
UPDATE games SET
    ended = ?1,
    given_up = 1,
    outcome = CASE (SELECT coalesce(max(m.side = 0) + 2 * max(m.side = 1), 0) FROM moves m
                    WHERE m.game = games.id AND m.exact = 4)
                  WHEN 3 THEN 3 WHEN 1 THEN 1 WHEN 2 THEN 2 ELSE 5 END,
    player_tries = (SELECT count(*) FROM moves m WHERE m.game = games.id AND m.side = 0),
    computer_tries = (SELECT count(*) FROM moves m WHERE m.game = games.id AND m.side = 1),
    seconds = coalesce((SELECT m.seconds FROM moves m WHERE m.game = games.id ORDER BY m.ord DESC LIMIT 1), 0)
WHERE outcome = 0 AND (?2 IS NULL OR id = ?2)
)sql";

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
    move.side = row.Integer(0) == 1 ? Side::Computer : Side::User;
    move.move.guess = row.Text(1);
    move.move.answer.exact = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(2), 0, 4));
    move.move.answer.partial = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(3), 0, 4));
    move.seconds = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(4), 0, 1'000'000'000));
    return move;
}

// Every row `select` gives, each read by `read`; nothing when the reading stopped on an SQLite error.
template <typename Read>
auto ReadRows(SqliteStatement& select, Read read) -> std::optional<std::vector<decltype(read(select))>> {
    std::vector<decltype(read(select))> rows;
    while (select.Step()) rows.push_back(read(select));
    if (select.code() != SQLITE_DONE) return std::nullopt;
    return rows;
}
}  // namespace

Journal::Journal(Journal&& other) noexcept { *this = std::move(other); }

Journal& Journal::operator=(Journal&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
        status_ = std::exchange(other.status_, JournalStatus::Unavailable);
        fault_ = std::exchange(other.fault_, JournalFault::CannotWrite);
        logFrames_ = std::move(other.logFrames_);
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
    Checkpoint();
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
    if (writable() && logFrames_ != nullptr && *logFrames_ >= kCheckpointFrames)
        sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

bool Journal::EndGame(int64_t game, const GameEnd& end) {
    if (end.outcome == Outcome::Unfinished) return false;
    bool changed = false;
    const bool written = Written([&] {
        SqliteStatement update(db_,
                               "UPDATE games SET ended = ?2, outcome = ?3, player_tries = ?4, computer_tries = ?5, "
                               "seconds = ?6, given_up = 0 WHERE id = ?1 AND (outcome = 0 OR given_up = 1)");
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
        if (last.code() != SQLITE_DONE) NoteReadError();
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
    auto games = ReadRows(select, ReadGame);
    if (!games) NoteReadError();
    return games;
}

std::optional<std::vector<JournalMove>> Journal::MovesOf(int64_t game) {
    SqliteStatement select(db_, std::string("SELECT ") + kMoveColumns + " FROM moves WHERE game = ?1 ORDER BY ord");
    select.Bind(1, game);
    auto moves = ReadRows(select, ReadMove);
    if (!moves) NoteReadError();
    return moves;
}

// A failed read leaves the journal as it is and only keeps SQLite's message.
void Journal::NoteReadError() {
    if (db_ != nullptr) error_ = sqlite3_errmsg(db_);
}

}  // namespace duel
