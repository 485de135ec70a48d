// The listener that writes every game into the journal, the claim on the game being played, and the player's notice.
#include "session/journal_keeper.h"

#include "journal/journal_texts.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QLockFile>

#include <fcntl.h>
#include <fstream>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace duel {

namespace {

constexpr std::string_view kLockPrefix = "journal.sqlite.game-";
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kLostSuffix = ".lost";

QString QtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// True when no running process holds the lock file at `path`.  A running
// game holds its lock file open with an exclusive flock() for as long as it
// plays (QLockFile does), so a file whose flock can be taken is held by
// nobody, whatever it holds: a killed run's, an empty or garbled one, one
// written on another computer.  Anything but a regular file is no lock.
bool StaleLock(const std::filesystem::path& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return false;
    if (!S_ISREG(info.st_mode)) return true;
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0) return false;
    const bool unheld = flock(file, LOCK_EX | LOCK_NB) == 0;
    close(file);
    return unheld;
}

void RemoveStaleLock(const std::filesystem::path& path) {
    if (!StaleLock(path)) return;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);  // a folder at the lock's name too
}

// The lock at `path` taken for this run; nullptr when a running game holds it.
std::unique_ptr<QLockFile> TryLock(const std::filesystem::path& path) {
    RemoveStaleLock(path);
    auto lock = std::make_unique<QLockFile>(QtPath(path));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace

JournalKeeper::JournalKeeper(Platform& platform) : platform_(platform) {}

JournalKeeper::~JournalKeeper() = default;

void JournalKeeper::Open(const std::filesystem::path& folder) {
    if (opened_ || folder.empty()) return;
    std::error_code ignored;  // a folder that cannot be made shows as a journal that cannot be opened
    std::filesystem::create_directories(folder, ignored);
    file_ = folder / kJournalFileName;
    journal_ =
        Journal::Open(file_, platform_.localDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString());
    opened_ = true;

    if (journal_.status() != JournalStatus::Ready) Notify(JournalNotice(journal_, file_));
    if (!journal_.writable()) return;
    SweepStaleLocks();
    const auto unfinished = journal_.UnfinishedGames();
    for (const int64_t id : unfinished.value_or(std::vector<int64_t>())) {
        if (SettleLostGame(id) || !Unheld(id)) continue;
        if (const auto saved = journal_.UnfinishedGame(id)) {
            waiting_ = id;
            waitingStarted_ = saved->game.started;
            break;
        }
    }
}

std::string JournalKeeper::Status() const {
    if (!opened_)
        return Word(DUEL_TEXT("session", "Журнал игр не ведётся: система не назвала папку данных пользователя."));
    return JournalNotice(journal_, file_);
}

bool JournalKeeper::CanResume() const { return waiting_.has_value() && !game_ && journal_.writable(); }

std::string JournalKeeper::WaitingGameDate() const { return CanResume() ? ShownDate(waitingStarted_) : std::string(); }

bool JournalKeeper::GiveUpWaitingGame() {
    if (!CanResume()) return false;
    const int64_t id = *std::exchange(waiting_, std::nullopt);
    if (!Claim(id)) return false;
    const bool givenUp = journal_.MarkAbandoned(id, Now());
    Release();
    CheckWrite();
    return givenUp;
}

std::optional<SavedGame> JournalKeeper::TakeResumable() {
    if (!CanResume()) return std::nullopt;
    const int64_t id = *std::exchange(waiting_, std::nullopt);
    if (!Claim(id)) return std::nullopt;
    std::optional<SavedGame> saved = journal_.UnfinishedGame(id);
    if (!saved) {
        Release();
        return std::nullopt;
    }
    game_ = id;
    lost_ = false;
    userTries_ = static_cast<int32_t>(saved->MovesOf(Side::User).size());
    computerTries_ = static_cast<int32_t>(saved->MovesOf(Side::Computer).size());
    return saved;
}

std::string JournalKeeper::TakeNotice() { return std::exchange(notice_, std::string()); }

void JournalKeeper::GameStarted(const GameState& state) {
    if (opened_ && journal_.writable()) {
        Release();
        game_.reset();
        lost_ = false;
        const bool network = !state.opponentName.empty();
        const GameMode mode = network            ? (state.opponentThroughJabber ? GameMode::Jabber : GameMode::Network)
                              : state.hideAnswer ? GameMode::Hidden
                                                 : GameMode::Typed;
        GameBegin begin{Now(),
                        mode,
                        !network && state.strongOpponent ? 1 : 0,
                        state.compNumber,
                        state.hideAnswer ? std::string() : state.userNumber,
                        platform_.randomKey(),
                        state.opponentName,
                        state.opponentAddress};
        // Gives up, in the same step, the unfinished games that no running game plays.
        const std::vector<int64_t> giveUp = UnheldUnfinishedGames();
        game_ = journal_.BeginGame(begin, giveUp);
        for (const int64_t id : giveUp) {
            std::error_code ignored;
            std::filesystem::remove(LostMarkPath(id), ignored);
        }
        waiting_.reset();
        userTries_ = 0;
        computerTries_ = 0;
        if (game_) Claim(*game_);
        CheckWrite();
    }
}

void JournalKeeper::MoveMade(const GameState&, Side side, const Move& move, int64_t clockSeconds) {
    if (game_) {
        ++(side == Side::User ? userTries_ : computerTries_);
        if (!lost_) {
            journal_.AddMove(*game_, {side, move, static_cast<int32_t>(clockSeconds)});
            CheckWrite();
        }
    }
}

void JournalKeeper::GameEnded(const GameState& state, Outcome outcome) {
    if (game_) {
        const bool network = !state.opponentName.empty();
        const GameEnd end{Now(),
                          outcome,
                          userTries_,
                          computerTries_,
                          static_cast<int32_t>(state.clockSeconds.value_or(0)),
                          network ? state.compNumber : std::string()};
        if (!lost_) {
            journal_.EndGame(*game_, end);
            CheckWrite();
        }
        // A game whose writing was cut short gets its real end if the file takes it now.
        if (lost_ && journal_.EndGameAfterStop(*game_, end)) {
            std::error_code ignored;
            std::filesystem::remove(LostMarkPath(*game_), ignored);
        }
        game_.reset();
        lost_ = false;
        Release();
    }
}

std::string JournalKeeper::Now() const {
    return platform_.localDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

void JournalKeeper::CheckWrite() {
    if (journal_.writable() || lost_) return;
    // Nothing more is written in this run, so this is told once.  The game
    // keeps its claim, and is marked so that no later run plays it on from
    // where the journal lost it.
    if (game_) {
        lost_ = true;
        std::ofstream mark(LostMarkPath(*game_));
    } else {
        Release();
    }
    Notify(JournalNotice(journal_, file_));
}

void JournalKeeper::Notify(std::string text) {
    if (text.empty()) return;
    notice_ = notice_.empty() ? std::move(text) : notice_ + "\n\n" + text;
    if (onNotice) onNotice();
}

std::filesystem::path JournalKeeper::LockPath(int64_t id) const {
    return file_.parent_path() / (std::string(kLockPrefix) + std::to_string(id) + std::string(kLockSuffix));
}

std::filesystem::path JournalKeeper::LostMarkPath(int64_t id) const {
    return file_.parent_path() / (std::string(kLockPrefix) + std::to_string(id) + std::string(kLostSuffix));
}

bool JournalKeeper::Claim(int64_t id) {
    lock_ = TryLock(LockPath(id));
    return lock_ != nullptr;
}

void JournalKeeper::Release() { lock_.reset(); }  // unlocking removes the file

bool JournalKeeper::Unheld(int64_t id) const {
    if (game_ == id) return false;
    return TryLock(LockPath(id)) != nullptr;  // taken and at once let go
}

bool JournalKeeper::SettleLostGame(int64_t id) {
    std::error_code error;
    if (!std::filesystem::exists(LostMarkPath(id), error)) return false;
    if (Unheld(id) && journal_.MarkAbandoned(id, Now())) std::filesystem::remove(LostMarkPath(id), error);
    return true;
}

std::vector<int64_t> JournalKeeper::UnheldUnfinishedGames() {
    std::vector<int64_t> unheld;
    for (const int64_t id : journal_.UnfinishedGames().value_or(std::vector<int64_t>()))
        if (Unheld(id)) unheld.push_back(id);
    return unheld;
}

void JournalKeeper::SweepStaleLocks() const {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(file_.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(kLockPrefix) && name.ends_with(kLockSuffix)) RemoveStaleLock(entry.path());
    }
}

}  // namespace duel
