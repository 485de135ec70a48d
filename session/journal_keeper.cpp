// The listener that writes every game into the journal, the claim on the game being played, and the player's notice.
#include "session/journal_keeper.h"

#include "journal/journal_texts.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QLockFile>

#include <string_view>
#include <system_error>
#include <utility>

namespace duel {

namespace {

constexpr std::string_view kLockPrefix = "journal.sqlite.game-";
constexpr std::string_view kLockSuffix = ".lock";

QString QtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// A lock that a live process holds stays; one whose process has died is
// stale at once, whatever its age.
std::unique_ptr<QLockFile> TryLock(const std::filesystem::path& path) {
    auto lock = std::make_unique<QLockFile>(QtPath(path));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace

JournalKeeper::JournalKeeper(Platform& platform, GameEvents& alsoTell) : platform_(platform), alsoTell_(alsoTell) {}

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
    if (const auto saved = journal_.LastUnfinishedGame()) {
        resumable_ = Claim(saved->game.id);
        Release();
    }
}

std::string JournalKeeper::Status() const {
    if (!opened_) return "Журнал игр не ведётся: система не назвала папку данных пользователя.";
    return JournalNotice(journal_, file_);
}

bool JournalKeeper::CanResume() const { return resumable_ && !game_ && journal_.writable(); }

std::optional<SavedGame> JournalKeeper::TakeResumable() {
    if (!CanResume()) return std::nullopt;
    resumable_ = false;
    std::optional<SavedGame> saved = journal_.LastUnfinishedGame();
    if (!saved || !Claim(saved->game.id)) return std::nullopt;
    game_ = saved->game.id;
    userTries_ = static_cast<int32_t>(saved->MovesOf(Side::User).size());
    computerTries_ = static_cast<int32_t>(saved->MovesOf(Side::Computer).size());
    return saved;
}

std::string JournalKeeper::TakeNotice() { return std::exchange(notice_, std::string()); }

void JournalKeeper::GameStarted(const GameState& state) {
    if (opened_ && journal_.writable()) {
        Release();
        const GameMode mode = state.hideAnswer ? GameMode::Hidden : GameMode::Typed;
        // Gives up the unfinished game in the journal, if any, in the same step.
        game_ = journal_.BeginGame({Now(), mode, state.strongOpponent ? 1 : 0, state.compNumber,
                                    state.hideAnswer ? std::string() : state.userNumber});
        resumable_ = false;
        userTries_ = 0;
        computerTries_ = 0;
        if (game_) Claim(*game_);
        CheckWrite();
    }
    alsoTell_.GameStarted(state);
}

void JournalKeeper::MoveMade(const GameState& state, Side side, const Move& move, int64_t clockSeconds) {
    if (game_) {
        ++(side == Side::User ? userTries_ : computerTries_);
        journal_.AddMove(*game_, {side, move, static_cast<int32_t>(clockSeconds)});
        CheckWrite();
    }
    alsoTell_.MoveMade(state, side, move, clockSeconds);
}

void JournalKeeper::GameEnded(const GameState& state, Outcome outcome) {
    if (game_) {
        journal_.EndGame(
            *game_, {Now(), outcome, userTries_, computerTries_, static_cast<int32_t>(state.clockSeconds.value_or(0))});
        CheckWrite();
        game_.reset();
        Release();
    }
    alsoTell_.GameEnded(state, outcome);
}

std::string JournalKeeper::Now() const {
    return platform_.localDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

void JournalKeeper::CheckWrite() {
    if (journal_.writable()) return;
    // Nothing more is written in this run, so this is told once.
    game_.reset();
    Release();
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

bool JournalKeeper::Claim(int64_t id) {
    lock_ = TryLock(LockPath(id));
    return lock_ != nullptr;
}

void JournalKeeper::Release() { lock_.reset(); }  // unlocking removes the file

void JournalKeeper::SweepStaleLocks() const {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(file_.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kLockPrefix) || !name.ends_with(kLockSuffix)) continue;
        if (auto lock = TryLock(entry.path())) lock->unlock();
    }
}

}  // namespace duel
