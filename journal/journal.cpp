// The journal of games: an SQLite file with one row per game and one per move, written as the game goes.
#include "journal/journal.h"

#include "journal/journal_schema.h"
#include "journal/number_mask.h"
#include "journal/sqlite_statement.h"

#include <algorithm>
#include <utility>

namespace duel {

namespace {

// Gives up game ?2 when it is unfinished, ended at ?1.  The outcome is how the
// duel stood: 1 bit for the player's guess with four exact, 2 for the computer's.
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
WHERE outcome = 0 AND id = ?2
)sql";

// Values read from the file are brought into the ranges the game knows, so a
// file edited by hand cannot hand the game an enumerator it has never heard of;
// a row beyond the bounds of game_record.h, or with numbers that do not
// unmask, is damage and refused.
std::optional<GameRecord> ReadGame(const SqliteStatement& row) {
    GameRecord game;
    game.id = row.Integer(0);
    if (game.id < 1 || game.id > kMaxJournalGameId) return std::nullopt;
    game.started = row.Text(1);
    game.ended = row.Text(2);
    const int64_t mode = row.Integer(3);
    game.mode = mode == 1   ? GameMode::Hidden
                : mode == 2 ? GameMode::Network
                : mode == 3 ? GameMode::Jabber
                            : GameMode::Typed;
    game.strength = row.Integer(4) == 1 ? 1 : 0;
    const int64_t outcome = row.Integer(5);
    game.outcome = outcome >= 0 && outcome <= kLastOutcome ? static_cast<Outcome>(outcome) : Outcome::Abandoned;
    const int64_t playerTries = row.Integer(6);
    const int64_t computerTries = row.Integer(7);
    if (playerTries < 0 || playerTries > kMaxJournalTries || computerTries < 0 || computerTries > kMaxJournalTries)
        return std::nullopt;
    game.playerTries = static_cast<int32_t>(playerTries);
    game.computerTries = static_cast<int32_t>(computerTries);
    game.seconds = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(8), 0, 1'000'000'000));
    const auto key = static_cast<uint64_t>(row.Integer(11));
    auto computerNumber = UnmaskNumber(row.Text(9), key, MaskedNumber::Computer);
    auto playerNumber = UnmaskNumber(row.Text(10), key, MaskedNumber::Player);
    if (!computerNumber || !playerNumber) return std::nullopt;
    game.computerNumber = std::move(*computerNumber);
    game.playerNumber = std::move(*playerNumber);
    game.opponentName = row.Text(12);
    game.opponentAddress = row.Text(13);
    for (const std::string* text :
         {&game.started, &game.ended, &game.computerNumber, &game.playerNumber, &game.opponentName})
        if (text->size() > kMaxJournalText) return std::nullopt;
    if (game.opponentAddress.size() > kMaxJournalAddress) return std::nullopt;
    return game;
}

std::optional<JournalMove> ReadMove(const SqliteStatement& row) {
    JournalMove move;
    move.side = row.Integer(0) == 1 ? Side::Computer : Side::User;
    move.move.guess = row.Text(1);
    if (move.move.guess.size() > kMaxJournalText) return std::nullopt;
    move.move.answer.exact = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(2), 0, 4));
    move.move.answer.partial = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(3), 0, 4));
    move.seconds = static_cast<int32_t>(std::clamp<int64_t>(row.Integer(4), 0, 1'000'000'000));
    return move;
}

// Every row `select` gives that `read` accepts; nothing when the reading
// stopped on an SQLite error, or when `strict` and a row was refused.
template <typename Read>
auto ReadRows(SqliteStatement& select, Read read, bool strict)
    -> std::optional<std::vector<typename decltype(read(select))::value_type>> {
    std::vector<typename decltype(read(select))::value_type> rows;
    while (select.Step()) {
        auto row = read(select);
        if (row)
            rows.push_back(std::move(*row));
        else if (strict)
            return std::nullopt;
    }
    if (select.code() != SQLITE_DONE) return std::nullopt;
    return rows;
}

// The ids of the unfinished games, newest first.
constexpr const char* kUnfinishedIds = "SELECT id FROM games WHERE outcome = 0 ORDER BY started DESC, id DESC LIMIT ?1";

// Writes game `id`'s numbers plainly: its end has come.
int UnmaskNumbers(sqlite3* db, int64_t id) {
    SqliteStatement select(db, "SELECT number_key, computer_number, player_number FROM games WHERE id = ?1");
    select.Bind(1, id);
    if (!select.Step()) return select.code() == SQLITE_DONE ? SQLITE_OK : select.code();
    const auto key = static_cast<uint64_t>(select.Integer(0));
    if (key == 0) return SQLITE_OK;
    // Numbers that do not unmask (edited by hand) stay as they are: the row is refused when read.
    const auto computer = UnmaskNumber(select.Text(1), key, MaskedNumber::Computer);
    const auto player = UnmaskNumber(select.Text(2), key, MaskedNumber::Player);
    if (!computer || !player) return SQLITE_OK;
    SqliteStatement update(db,
                           "UPDATE games SET computer_number = ?2, player_number = ?3, number_key = 0 WHERE id = ?1");
    update.Bind(1, id).Bind(2, *computer).Bind(3, *player).Run();
    return update.code() == SQLITE_DONE ? SQLITE_OK : update.code();
}

// Gives up game `id` if it is unfinished; `changed` counts it.
int GiveUp(sqlite3* db, int64_t id, std::string_view ended, int& changed) {
    SqliteStatement abandon(db, kAbandon);
    abandon.Bind(1, ended).Bind(2, id).Run();
    if (abandon.code() != SQLITE_DONE) return abandon.code();
    if (sqlite3_changes(db) == 0) return SQLITE_OK;
    ++changed;
    return UnmaskNumbers(db, id);
}

// Runs `body` (statements returning SQLite codes) in one write transaction.
template <typename Body>
int InTransaction(sqlite3* db, Body&& body) {
    int code = RunSql(db, "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) return code;
    code = body();
    if (code == SQLITE_OK || code == SQLITE_DONE) code = RunSql(db, "COMMIT");
    if (code != SQLITE_OK) RunSql(db, "ROLLBACK");
    return code;
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
    if (!writable()) return std::nullopt;
    SqliteStatement select(db_, kUnfinishedIds);
    select.Bind(1, int64_t{-1});  // every one
    std::vector<int64_t> unfinished;
    while (select.Step()) unfinished.push_back(select.Integer(0));
    if (select.code() != SQLITE_DONE) {
        Fail(select.code());
        return std::nullopt;
    }
    return BeginGame(begin, unfinished);
}

std::optional<int64_t> Journal::BeginGame(const GameBegin& begin, std::span<const int64_t> giveUp) {
    int64_t id = 0;
    const bool written = Written([&] {
        return InTransaction(db_, [&] {
            int changed = 0;
            for (const int64_t game : giveUp)
                if (const int code = GiveUp(db_, game, begin.started, changed); code != SQLITE_OK) return code;
            SqliteStatement insert(db_,
                                   "INSERT INTO games(started, mode, strength, computer_number, player_number, "
                                   "number_key, opponent_name, opponent_address) "
                                   "VALUES(?1, ?2, ?3, ?4, ?5, ?6, nullif(?7, ''), nullif(?8, ''))");
            insert.Bind(1, begin.started)
                .Bind(2, static_cast<int64_t>(begin.mode))
                .Bind(3, int64_t{begin.strength})
                .Bind(4, MaskNumber(begin.computerNumber, begin.numberKey, MaskedNumber::Computer))
                .Bind(5, MaskNumber(begin.playerNumber, begin.numberKey, MaskedNumber::Player))
                .Bind(6, static_cast<int64_t>(begin.numberKey))
                .Bind(7, begin.opponentName)
                .Bind(8, begin.opponentAddress)
                .Run();
            id = sqlite3_last_insert_rowid(db_);
            return insert.code();
        });
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

int Journal::WriteEnd(int64_t game, const GameEnd& end, bool& changed) {
    return InTransaction(db_, [&] {
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
        if (update.code() != SQLITE_DONE || !changed) return update.code();
        const int unmasked = UnmaskNumbers(db_, game);
        if (unmasked != SQLITE_OK || end.opponentNumber.empty()) return unmasked;
        SqliteStatement reveal(db_, "UPDATE games SET computer_number = ?2 WHERE id = ?1");
        reveal.Bind(1, game).Bind(2, end.opponentNumber).Run();
        return reveal.code() == SQLITE_DONE ? SQLITE_OK : reveal.code();
    });
}

bool Journal::EndGame(int64_t game, const GameEnd& end) {
    if (end.outcome == Outcome::Unfinished) return false;
    bool changed = false;
    const bool written = Written([&] { return WriteEnd(game, end, changed); });
    if (written && changed) Checkpoint();
    return written && changed;
}

bool Journal::EndGameAfterStop(int64_t game, const GameEnd& end) {
    if (db_ == nullptr || status_ != JournalStatus::Stopped || end.outcome == Outcome::Unfinished || FileMoved())
        return false;
    bool changed = false;
    const int code = WriteEnd(game, end, changed);
    return (code == SQLITE_OK || code == SQLITE_DONE) && changed;
}

bool Journal::MarkAbandoned(int64_t game, std::string_view ended) {
    int changed = 0;
    const bool written = Written([&] { return InTransaction(db_, [&] { return GiveUp(db_, game, ended, changed); }); });
    if (written && changed > 0) Checkpoint();
    return written && changed > 0;
}

std::optional<std::vector<int64_t>> Journal::UnfinishedGames() {
    SqliteStatement select(db_, kUnfinishedIds);
    select.Bind(1, int64_t{kMaxUnfinishedListed});
    std::vector<int64_t> ids;
    while (select.Step()) ids.push_back(select.Integer(0));
    if (select.code() != SQLITE_DONE) {
        NoteReadError();
        return std::nullopt;
    }
    return ids;
}

std::optional<SavedGame> Journal::UnfinishedGame(int64_t id) {
    SqliteStatement select(db_, std::string("SELECT ") + kGameColumns + " FROM games WHERE id = ?1");
    select.Bind(1, id);
    if (!select.Step()) {
        if (select.code() != SQLITE_DONE) NoteReadError();
        return std::nullopt;
    }
    SavedGame saved;
    auto game = ReadGame(select);
    if (!game || game->outcome != Outcome::Unfinished) return std::nullopt;
    saved.game = std::move(*game);
    auto moves = MovesOf(saved.game.id);
    if (!moves) return std::nullopt;
    saved.moves = std::move(*moves);
    if (!IsResumable(saved)) {
        error_ = "the unfinished game does not hold together and cannot be resumed";
        return std::nullopt;
    }
    return saved;
}

std::optional<SavedGame> Journal::LastUnfinishedGame() {
    SqliteStatement last(db_, std::string("SELECT id, outcome FROM games") + kNewestFirst + " LIMIT 1");
    if (!last.Step()) {
        if (last.code() != SQLITE_DONE) NoteReadError();
        return std::nullopt;
    }
    if (last.Integer(1) != 0) return std::nullopt;
    return UnfinishedGame(last.Integer(0));
}

std::optional<std::vector<GameRecord>> Journal::PlayedGames() {
    SqliteStatement select(db_,
                           std::string("SELECT ") + kGameColumns + " FROM games WHERE outcome <> 0" + kNewestFirst);
    auto games = ReadRows(select, ReadGame, false);
    if (!games) NoteReadError();
    return games;
}

std::optional<std::vector<JournalMove>> Journal::MovesOf(int64_t game) {
    SqliteStatement select(
        db_, std::string("SELECT ") + kMoveReadColumns + " FROM moves WHERE game = ?1 ORDER BY ord LIMIT ?2");
    select.Bind(1, game).Bind(2, int64_t{2 * kMaxJournalTries + 1});
    auto moves = ReadRows(select, ReadMove, true);
    if (!moves) {
        NoteReadError();
        return std::nullopt;
    }
    if (moves->size() > 2 * static_cast<size_t>(kMaxJournalTries)) {
        error_ = "a game has more moves than the game can make";
        return std::nullopt;
    }
    return moves;
}

// A failed read leaves the journal as it is and only keeps SQLite's message.
void Journal::NoteReadError() {
    if (db_ != nullptr) error_ = sqlite3_errmsg(db_);
}

}  // namespace duel
