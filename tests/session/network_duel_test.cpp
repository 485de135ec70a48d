// Whole duels over a real loopback connection between two sessions in one process, with no window.
#include "session/network_duel.h"

#include "journal/journal.h"
#include "network/commitment.h"
#include "network/sha256.h"
#include "network/wire_format.h"
#include "session/session.h"
#include "tests/network/loopback.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace duel::testing {
namespace {

using net::testing::WaitFor;

// One run of the game: its own folders, platform, screen, listener and session.
struct Player {
    explicit Player(bool keepsJournal = false) {
        platform.folder = folder.path();
        platform.configFolder = folder.path() + QStringLiteral("/config");
        if (keepsJournal) platform.userDataFolder = std::filesystem::path(folder.path().toStdString()) / "data";
        session.SetScreen(screen);
        session.SetNetworkTimeouts(net::testing::FastTimeouts());
        session.SetNetworkParts(
            [](NetworkDuelSession& owner, const net::LinkTimeouts& timeouts) {
                return std::make_unique<NetworkDuel>(owner, timeouts);
            },
            nullptr);
        session.Load();
        session.FinishStartUp();
    }
    GameState& state() { return session.state(); }
    // The guess composed on the keypad and played.
    void Guess(const std::string& guess) {
        for (char digit : guess) AddDigit(state(), platform, nullptr, digit - '0');
        session.PlayerMove();
    }
    bool over() { return state().phase == Phase::GameOver; }
    QString lastBox() const { return platform.boxes.empty() ? QString() : platform.boxes.back().text; }

    QTemporaryDir folder;
    FakePlatform platform;
    FakeScreen screen;
    RecordingEvents heard;
    Session session{platform, heard};
};

class NetworkDuelRun : public ::testing::Test {
protected:
    // The host (Аня, number `hostNumber`) waits, its player says yes to the
    // guest (Боря, `guestNumber`), both type their numbers: the host's move.
    void Start(const char* hostNumber, const char* guestNumber) {
        host->platform.inputPrompts.clear();
        host->platform.answers = {MsgAnswer::Yes};
        host->platform.inputs = {QString::fromUtf8(hostNumber)};
        guest->platform.inputs = {QString::fromUtf8(guestNumber)};
        ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
        const int port = host->state().waitingPort;
        ASSERT_GT(port, 0);
        guest->session.JoinNetworkDuel("127.0.0.1", static_cast<uint16_t>(port), "Боря");
        ASSERT_TRUE(WaitFor(
            [&] { return host->state().phase == Phase::UserToMove && guest->state().phase == Phase::OpponentToMove; }));
        EXPECT_EQ(host->platform.boxTexts().front(), "Игрок «Боря» (127.0.0.1) хочет сыграть с вами. Начать дуэль?");
        EXPECT_EQ(host->platform.inputPrompts, std::vector<QString>{"Загадайте число:"});
        EXPECT_EQ(guest->state().opponentName, "Аня");
        EXPECT_EQ(host->state().waitingPort, 0);
    }
    // One round: the host's guess, the guest's answer and guess, the host's answer.
    void Round(const std::string& hostGuess, const std::string& guestGuess) {
        host->Guess(hostGuess);
        ASSERT_TRUE(WaitFor([&] { return guest->state().phase == Phase::UserToMove || guest->over(); }));
        if (guest->over()) return;
        guest->Guess(guestGuess);
        ASSERT_TRUE(WaitFor([&] {
            return (host->state().phase == Phase::UserToMove && guest->state().phase == Phase::OpponentToMove) ||
                   (host->over() && guest->over());
        }));
    }

    std::unique_ptr<Player> host = std::make_unique<Player>(true);
    std::unique_ptr<Player> guest = std::make_unique<Player>();
};

// Without its module the duel over the network is refused with a notice
// before anything happens to the game that runs.
TEST(NetworkDuelMissing, AMissingModuleLeavesTheRunningGameAsItWas) {
    Player player;
    player.session.SetNetworkParts([](NetworkDuelSession&, const net::LinkTimeouts&) { return nullptr; },
                                   [] { return nullptr; });
    player.platform.inputs = {QStringLiteral("2468")};
    player.session.NewGame();
    ASSERT_TRUE(player.state().gameRunning());

    EXPECT_FALSE(player.session.HostNetworkDuel(0, "Аня"));
    player.session.JoinNetworkDuel("127.0.0.1", 1, "Аня");
    EXPECT_TRUE(player.state().gameRunning());
    EXPECT_TRUE(player.session.opponent().isComputer());
    EXPECT_TRUE(player.lastBox().startsWith(QStringLiteral("Дуэль по сети недоступна")));
    EXPECT_EQ(player.session.MakeGameFinder(), nullptr);
}

TEST_F(NetworkDuelRun, TheFirstToFindTheNumberWinsAndTheJournalKeepsTheDuel) {
    Start("1234", "5678");
    Round("9123", "9871");
    EXPECT_EQ(host->state().userMoves, (std::vector<Move>{{"9123", {0, 0}}}));
    EXPECT_EQ(host->state().compMoves, (std::vector<Move>{{"9871", {0, 1}}}));  // scored from the host's number
    Round("9124", "1239");  // the guest finds nothing in this round, the host nothing either
    Round("5678", "9876");  // the host finds it; the guest's last move does not
    ASSERT_TRUE(WaitFor([&] { return host->over() && guest->over(); }));

    EXPECT_EQ(host->lastBox(), "Вы победили!\nЧисло соперника: 5678");
    EXPECT_EQ(guest->lastBox(), "Победил соперник «Аня».\nЧисло соперника: 1234");
    EXPECT_EQ(host->heard.lines.back(), "ended: user won");
    EXPECT_EQ(guest->heard.lines.back(), "ended: computer won");
    // The history shows the host's finding move too; nothing of records or gallery.
    EXPECT_EQ(host->state().userMoves.back(), (Move{"5678", {4, 0}}));
    EXPECT_EQ(host->state().lastUser.tries, "-");
    EXPECT_TRUE(host->screen.endings().empty());
    // The next game is the computer's again.
    EXPECT_TRUE(host->session.opponent().isComputer());
    EXPECT_FALSE(host->session.networkActive());

    Journal journal = Journal::Open(host->platform.userDataFolder / "journal.sqlite", "20250301-100000");
    const auto games = journal.PlayedGames();
    ASSERT_TRUE(games && games->size() == 1);
    const GameRecord& game = games->front();
    EXPECT_EQ(game.mode, GameMode::Network);
    EXPECT_EQ(game.outcome, Outcome::UserWon);
    EXPECT_EQ(game.opponentName, "Боря");
    EXPECT_EQ(game.opponentAddress, "127.0.0.1");
    EXPECT_EQ(game.computerNumber, "5678");  // revealed at the end
    EXPECT_EQ(game.playerNumber, "1234");
    EXPECT_EQ(game.playerTries, 3);
    EXPECT_EQ(game.computerTries, 3);
}

TEST_F(NetworkDuelRun, BothFindingTheNumberInOneRoundIsADrawAndTheGuestMayWinAlone) {
    Start("1234", "5678");
    Round("5678", "1234");
    ASSERT_TRUE(WaitFor([&] { return host->over() && guest->over(); }));
    EXPECT_EQ(host->lastBox(), "Ничья.\nЧисло соперника: 5678");
    EXPECT_EQ(guest->lastBox(), "Ничья.\nЧисло соперника: 1234");
    EXPECT_EQ(host->heard.lines.back(), "ended: draw");

    // A second duel after the first: the guest alone finds the number.
    host->platform.boxes.clear();
    Start("2345", "6789");
    Round("9876", "2345");
    ASSERT_TRUE(WaitFor([&] { return host->over() && guest->over(); }));
    EXPECT_EQ(guest->lastBox(), "Вы победили!\nЧисло соперника: 2345");
    EXPECT_EQ(host->lastBox(), "Победил соперник «Боря».\nЧисло соперника: 6789");
}

TEST_F(NetworkDuelRun, ALostConnectionEndsTheGameOnEitherSideInEveryPhase) {
    // While the host waits for the guest's first guess to be answered...
    Start("1234", "5678");
    host->Guess("9876");
    guest->session.StopNetworkDuel();  // the guest leaves: goodbye, its forfeit
    ASSERT_TRUE(WaitFor([&] { return host->over(); }));
    EXPECT_EQ(host->lastBox(), "Связь с соперником потеряна.");
    EXPECT_EQ(host->heard.lines.back(), "ended: connection lost");
    EXPECT_TRUE(guest->over());
    EXPECT_EQ(guest->heard.lines.back(), "ended: abandoned");

    // ...and when the host's program ends in the guest's turn.
    Start("1234", "5678");
    host->Guess("9876");
    ASSERT_TRUE(WaitFor([&] { return guest->state().phase == Phase::UserToMove; }));
    host.reset();
    ASSERT_TRUE(WaitFor([&] { return guest->over(); }));
    EXPECT_EQ(guest->lastBox(), "Связь с соперником потеряна.");

    // ...and while the guest types its number: the guest hears of it once the number is typed.
    host = std::make_unique<Player>();
    host->platform.answers = {MsgAnswer::Yes};
    host->platform.inputs = {QStringLiteral("1234")};
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    guest->platform.inputs = {QStringLiteral("5678")};
    guest->platform.onInputBox = [&](const QString&) {
        host->session.StopNetworkDuel();
        net::testing::Spin(300);  // the goodbye arrives while the prompt is open
    };
    const size_t heardBefore = guest->heard.lines.size();
    guest->session.JoinNetworkDuel("127.0.0.1", static_cast<uint16_t>(host->state().waitingPort), "Боря");
    ASSERT_TRUE(WaitFor([&] { return guest->heard.lines.size() >= heardBefore + 2; }));
    EXPECT_EQ(guest->heard.lines[heardBefore], "started typed  5678");
    EXPECT_EQ(guest->heard.lines.back(), "ended: connection lost");
    EXPECT_TRUE(guest->over());
    EXPECT_EQ(guest->lastBox(), "Связь с соперником потеряна.");
    EXPECT_TRUE(guest->session.opponent().isComputer());
    guest->platform.onInputBox = nullptr;

    // A joining side that finds nobody is told so.
    const size_t boxes = guest->platform.boxes.size();
    guest->session.JoinNetworkDuel("127.0.0.1", 9, "Боря");
    EXPECT_EQ(guest->state().joiningAddress, "127.0.0.1:9");
    ASSERT_TRUE(WaitFor([&] { return !guest->session.networkActive(); }));
    EXPECT_EQ(guest->platform.boxes.size(), boxes + 1);
    EXPECT_TRUE(guest->state().joiningAddress.empty());
}

TEST_F(NetworkDuelRun, ThePlayersNoKeepsTheHostWaitingAndAnotherGameTakesItsPlace) {
    host->platform.answers = {MsgAnswer::No};
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    const uint16_t port = static_cast<uint16_t>(host->state().waitingPort);
    guest->session.JoinNetworkDuel("127.0.0.1", port, "Боря");
    ASSERT_TRUE(WaitFor([&] { return !guest->session.networkActive(); }));
    EXPECT_EQ(guest->lastBox(), "Соперник отказался от дуэли.");
    EXPECT_EQ(host->state().waitingPort, port);  // still waiting
    EXPECT_EQ(guest->state().phase, Phase::NoGame);

    // New game against the computer stops the waiting.
    host->platform.inputs = {QStringLiteral("1234")};
    host->session.NewGame();
    EXPECT_EQ(host->state().waitingPort, 0);
    EXPECT_FALSE(host->session.networkActive());
    EXPECT_TRUE(host->session.opponent().isComputer());
}

// A guest that lies about its answers: caught at the reveal, its forfeit.
TEST_F(NetworkDuelRun, AnAnswerThatDoesNotFitTheRevealedNumberIsTheLiarsForfeit) {
    host->platform.answers = {MsgAnswer::Yes};
    host->platform.inputs = {QStringLiteral("1234")};
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    net::testing::RawPeer liar(static_cast<uint16_t>(host->state().waitingPort));
    net::Message hello = net::SimpleMessage(net::MessageKind::Hello);
    hello.name = "Лжец";
    liar.SendLine(net::FormatMessage(hello));
    ASSERT_TRUE(liar.WaitForLine("ACCEPT"));
    const std::string salt(net::kSaltBytes, 'k');
    net::Message commit = net::SimpleMessage(net::MessageKind::Commit);
    commit.digest = net::Commitment(net::Sha256, salt, "5678");
    liar.SendLine(net::FormatMessage(commit));
    ASSERT_TRUE(WaitFor([&] { return host->state().phase == Phase::UserToMove; }));

    host->Guess("5678");  // the number, answered as a miss
    ASSERT_TRUE(liar.WaitForLine("GUESS 5678"));
    liar.SendLine("ANSWER 0 0");
    net::Message guess = net::SimpleMessage(net::MessageKind::Guess);
    guess.number = "1234";  // and the liar finds the host's number
    liar.SendLine(net::FormatMessage(guess));
    ASSERT_TRUE(liar.WaitForLine("ANSWER 4 0"));
    net::Message reveal = net::SimpleMessage(net::MessageKind::Reveal);
    reveal.salt = salt;
    reveal.number = "5678";
    liar.SendLine(net::FormatMessage(reveal));
    ASSERT_TRUE(WaitFor([&] { return host->over(); }));
    EXPECT_TRUE(host->lastBox().startsWith("Ответы соперника не сходятся с его числом (ход 1)."))
        << host->lastBox().toStdString();
    EXPECT_EQ(host->heard.lines.back(), "ended: opponent forfeited");
}

}  // namespace
}  // namespace duel::testing
