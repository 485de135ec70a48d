// The journal keeper against a hostile environment: two copies of the program on one journal, stale locks of every
// kind, a write that fails in the middle of a game, and what it tells about the game that waits to be played on.
#include "session/journal_keeper.h"

#include "duel/computer_opponent.h"
#include "duel/duel.h"
#include "session/event_listeners.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"
#include "tests/support/journal_test_support.h"
#include "tests/support/journaled_run.h"

#include <QLockFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace duel::testing {
namespace {

constexpr const char* kMine = "2468";

// One run of the program, as in the resume tests: its own state, platform, screen and keeper.
struct CopyRun : JournaledRun {
    explicit CopyRun(const std::filesystem::path& folder) {
        platform.now = QDateTime(QDate(2025, 3, 1), QTime(10, 0));
        keeper->Open(folder);
    }
    // A new game with the secret 1234 and the user's number typed.
    void Start() {
        platform.fractions = {0.0};
        platform.inputs = {QString::fromUtf8(kMine)};
        NewGame(duel);
    }
    void Move(const char* guess) {
        platform.fractions = {0.2};
        PlayerMove(duel, guess);
        if (state.phase == Phase::ComputerToMove) {
            AutoScoreTick(state);
            OpponentMove(duel);
        }
    }
};

// A process that runs `body` and then stays alive (as a running copy of the
// program does) until the test kills it with SIGKILL, as kill -9 would.
class LiveCopy {
public:
    explicit LiveCopy(const std::function<void()>& body) {
        int ready[2];
        if (pipe(ready) != 0) ADD_FAILURE() << "pipe";
        pid_ = fork();
        if (pid_ == 0) {
            body();
            const char done = 1;
            if (write(ready[1], &done, 1) != 1) _exit(2);
            for (;;) pause();
        }
        char done = 0;
        EXPECT_EQ(read(ready[0], &done, 1), 1) << "the copy died before it was ready";
        close(ready[0]);
        close(ready[1]);
    }
    ~LiveCopy() { Kill(); }
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
};

std::vector<GameRecord> Played(const std::filesystem::path& folder) {
    Journal journal = Journal::Open(folder / kJournalFileName, "20250301-100000");
    return journal.PlayedGames().value_or(std::vector<GameRecord>{});
}

std::vector<int64_t> Unfinished(const std::filesystem::path& folder) {
    Journal journal = Journal::Open(folder / kJournalFileName, "20250301-100000");
    return journal.UnfinishedGames().value_or(std::vector<int64_t>{});
}

// Copy A plays; copy B starts and begins a game of its own.  A's game is not
// given up (its moves keep coming), and once A is killed a third start offers
// A's game, while B still plays its own.
TEST(JournalKeeperCopies, EachRunningCopyKeepsItsOwnGame) {
    TempFolder folder;
    LiveCopy a([&] {
        auto* run = new CopyRun(folder.path());  // never destroyed: the kill comes first
        run->Start();
        run->Move("5678");
    });
    CopyRun b(folder.path());
    EXPECT_FALSE(b.keeper->CanResume()) << "A's running game was offered";
    b.Start();
    b.Move("5679");
    EXPECT_TRUE(Played(folder.path()).empty()) << "B's new game gave up A's running game";
    EXPECT_EQ(Unfinished(folder.path()).size(), 2u);

    a.Kill();
    CopyRun c(folder.path());
    ASSERT_TRUE(c.keeper->CanResume());
    const auto saved = c.keeper->TakeResumable();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->MovesOf(Side::User), (std::vector<duel::Move>{{"5678", {0, 0}}}));  // A's, not B's
    b.Move("1234");  // B's game ends as it was played
    EXPECT_EQ(Played(folder.path()).at(0).outcome, Outcome::UserWon);
}

// A lock file that no running process holds is stale, whatever it holds or
// is, and the game it claimed is offered again; one that a live process
// holds keeps its game from being offered.
TEST(JournalKeeperCopies, AStaleLockOfAnyKindIsRemoved) {
    enum class Kind { Empty, Garbage, Folder, OtherComputer, KilledRun, Held };
    for (const Kind kind :
         {Kind::Empty, Kind::Garbage, Kind::Folder, Kind::OtherComputer, Kind::KilledRun, Kind::Held}) {
        SCOPED_TRACE(static_cast<int>(kind));
        TempFolder folder;
        int64_t id = 0;
        {
            CopyRun first(folder.path());
            first.Start();
            first.Move("5678");
            id = Unfinished(folder.path()).at(0);
        }  // the run ends with its game unfinished; its own lock goes with it
        const std::filesystem::path lock = folder.path() / ("journal.sqlite.game-" + std::to_string(id) + ".lock");
        std::unique_ptr<LiveCopy> holder;
        switch (kind) {
            case Kind::Empty:
                WriteBytes(lock, "");
                break;
            case Kind::Garbage:
                WriteBytes(lock, std::string("\x01\x02not a lock\xff", 14));
                break;
            case Kind::Folder:
                std::filesystem::create_directories(lock / "inside");
                break;
            case Kind::OtherComputer:
                WriteBytes(lock, "4242\nshelvy\nanother-computer\n");
                break;
            case Kind::KilledRun:
            case Kind::Held:
                holder = std::make_unique<LiveCopy>([&] {
                    auto* held = new QLockFile(QString::fromStdString(lock.string()));
                    if (!held->tryLock(0)) _exit(3);
                });
                if (kind == Kind::KilledRun) holder->Kill();
                break;
        }
        CopyRun next(folder.path());
        EXPECT_EQ(next.keeper->CanResume(), kind != Kind::Held);
        if (kind != Kind::Held) {
            EXPECT_TRUE(next.keeper->TakeResumable());
        }
        if (kind == Kind::Held) {
            next.Start();  // a new game leaves the held game alone
            EXPECT_EQ(Unfinished(folder.path()).size(), 2u);
        }
    }
}

// A write fails in the middle of a game (another program holds the file
// past the busy timeout): the player is told once, the game goes on, and its
// end is written with its real outcome once the file takes it again; the
// game is never offered to be played on and won a second time.
TEST(JournalKeeperFaults, AGameWhoseWritingStoppedIsNeverOfferedAgain) {
    for (const bool freedBeforeTheEnd : {true, false}) {
        SCOPED_TRACE(freedBeforeTheEnd);
        TempFolder folder;
        {
            CopyRun run(folder.path());
            run.Start();
            run.Move("5678");
            sqlite3* other = nullptr;
            ASSERT_EQ(sqlite3_open((folder / kJournalFileName).c_str(), &other), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
            run.Move("5679");
            EXPECT_NE(run.keeper->TakeNotice(), "");
            if (freedBeforeTheEnd) sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
            run.Move("1234");
            ASSERT_EQ(run.state.phase, Phase::GameOver);
            if (!freedBeforeTheEnd) sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }
        CopyRun next(folder.path());
        EXPECT_FALSE(next.keeper->CanResume());
        const std::vector<GameRecord> played = Played(folder.path());
        ASSERT_EQ(played.size(), 1u);
        // Its real end when the file took it; else given up from what the journal holds.
        EXPECT_EQ(played[0].outcome, freedBeforeTheEnd ? Outcome::UserWon : Outcome::Abandoned);
        if (freedBeforeTheEnd) {
            EXPECT_EQ(played[0].playerTries, 3);
        }
        EXPECT_TRUE(Unfinished(folder.path()).empty());
    }
}

// What the question on New game needs: whether a game waits and when it
// began; "Нет" records it as abandoned, and nothing waits afterwards.
TEST(JournalKeeperWaiting, TheWaitingGameIsDatedAndCanBeGivenUp) {
    TempFolder folder;
    {
        CopyRun none(folder.path());
        EXPECT_EQ(none.keeper->WaitingGameDate(), "");
        EXPECT_FALSE(none.keeper->GiveUpWaitingGame());
        none.Start();
        none.Move("5678");
    }
    CopyRun next(folder.path());
    EXPECT_EQ(next.keeper->WaitingGameDate(), "01.03.2025 10:00");
    EXPECT_TRUE(next.keeper->GiveUpWaitingGame());
    EXPECT_FALSE(next.keeper->CanResume());
    EXPECT_EQ(next.keeper->WaitingGameDate(), "");
    const std::vector<GameRecord> played = Played(folder.path());
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].outcome, Outcome::Abandoned);
    EXPECT_EQ(played[0].computerNumber, "1234");  // written plainly once given up
}

}  // namespace
}  // namespace duel::testing
