// Whole duels over a real loopback connection between two sessions in one process, with no window.
#include "session/network_duel.h"

#include "journal/journal.h"
#include "journal/journal_texts.h"
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
#include <optional>
#include <string>
#include <vector>

namespace duel::testing {
namespace {

using net::testing::WaitFor;

// One run of the game: its own folders (or those of an earlier run), platform, screen, listener,
// session and journal of games.
struct Player {
    explicit Player(const QString& home = {}) {
        const QString path = home.isEmpty() ? folder.path() : home;
        platform.folder = path;
        platform.configFolder = path + QStringLiteral("/config");
        platform.userDataFolder = std::filesystem::path(path.toStdString()) / "data";
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
    // The journal's newest duel over the network, read as another program would read the file.
    std::optional<GameRecord> NetworkGame() const {
        Journal journal = Journal::Open(platform.userDataFolder / "journal.sqlite", "20250301-100000");
        const auto games = journal.PlayedGames();
        if (!games) return std::nullopt;
        for (const GameRecord& game : *games)
            if (game.mode == GameMode::Network) return game;
        return std::nullopt;
    }
    // The newest game of the journal, any kind.
    std::optional<GameRecord> Newest() const {
        Journal journal = Journal::Open(platform.userDataFolder / "journal.sqlite", "20250301-100000");
        const auto games = journal.PlayedGames();
        if (!games || games->empty()) return std::nullopt;
        return games->front();
    }

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

    std::unique_ptr<Player> host = std::make_unique<Player>();
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
    EXPECT_TRUE(WaitFor([&] { return host->state().moveDeadline.has_value(); })) << "the host's move is limited";
    EXPECT_FALSE(guest->state().moveDeadline);
    Round("9123", "9871");
    EXPECT_EQ(host->state().userMoves, (std::vector<Move>{{"9123", {0, 0}}}));
    EXPECT_FALSE(guest->state().moveDeadline) << "the guest has moved";
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
    // The guest's journal agrees.
    const std::optional<GameRecord> guests = guest->NetworkGame();
    ASSERT_TRUE(guests);
    EXPECT_EQ(guests->outcome, Outcome::ComputerWon);
    EXPECT_EQ(guests->computerNumber, "1234");
    EXPECT_EQ(guests->playerNumber, "5678");
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

// Once both have committed, every way this side has of leaving is its own forfeit: its journal
// records it at once (before the event loop runs again), the peer hears goodbye and records its
// win.  On either side: New game, "Отмена" (the session's stop), the close box, and a signal or the
// desktop session's end (a quit, then the close).
TEST(NetworkDuelLeaving, EveryWayOfLeavingIsTheLeaversForfeitInBothJournals) {
    enum class Way { NewGame, Stop, Close, Quit };
    for (const bool hostLeaves : {false, true}) {
        for (const Way way : {Way::NewGame, Way::Stop, Way::Close, Way::Quit}) {
            SCOPED_TRACE(std::string(hostLeaves ? "the host" : "the guest") + " leaves by way " +
                         std::to_string(static_cast<int>(way)));
            Player host, guest;
            host.platform.answers = {MsgAnswer::Yes};
            host.platform.inputs = {QStringLiteral("1234")};
            guest.platform.inputs = {QStringLiteral("5678")};
            ASSERT_TRUE(host.session.HostNetworkDuel(0, "Аня"));
            guest.session.JoinNetworkDuel("127.0.0.1", static_cast<uint16_t>(host.state().waitingPort), "Боря");
            ASSERT_TRUE(WaitFor([&] { return host.state().phase == Phase::UserToMove; }));
            host.Guess("9876");
            ASSERT_TRUE(WaitFor([&] { return guest.state().phase == Phase::UserToMove; }));

            Player& leaver = hostLeaves ? host : guest;
            Player& stayer = hostLeaves ? guest : host;
            switch (way) {
                case Way::NewGame:
                    leaver.platform.inputs = {QStringLiteral("2468")};
                    leaver.session.NewGame();
                    EXPECT_TRUE(leaver.session.opponent().isComputer());
                    break;
                case Way::Stop:
                    leaver.session.StopNetworkDuel();
                    break;
                case Way::Close:
                    leaver.session.Unload();
                    break;
                case Way::Quit:
                    leaver.platform.requestQuit();
                    leaver.session.Unload();
                    break;
            }
            const std::optional<GameRecord> left = leaver.NetworkGame();
            ASSERT_TRUE(left);
            EXPECT_EQ(left->outcome, Outcome::UserForfeited) << "recorded at once";
            EXPECT_EQ(OutcomeText(left->outcome, left->mode), "победа соперника: вы выбыли");
            ASSERT_TRUE(WaitFor([&] { return stayer.over(); }));
            EXPECT_EQ(stayer.lastBox(), "Соперник покинул дуэль. Победа засчитана вам.");
            const std::optional<GameRecord> won = stayer.NetworkGame();
            ASSERT_TRUE(won);
            EXPECT_EQ(won->outcome, Outcome::OpponentForfeited);
            EXPECT_EQ(won->computerNumber, "") << "the leaver never revealed its number";
        }
    }
}

// Before both have committed nobody wins: the host's program ends while the guest types its
// number, and the guest's prompt closes at once, told why; a guest that cancels the prompt ends
// the duel the same way for the host.
TEST(NetworkDuelLeaving, BeforeBothCommitmentsALostConnectionHasNoWinnerAndThePromptCloses) {
    auto host = std::make_unique<Player>();
    Player guest;
    host->platform.answers = {MsgAnswer::Yes};
    host->platform.inputs = {QStringLiteral("1234")};
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    guest.platform.inputs = {QStringLiteral("5678")};
    bool closedByItself = false;
    guest.platform.onInputBox = [&](const QString&) {
        guest.platform.onInputBox = nullptr;
        host->session.Unload();  // the host's program ends
        closedByItself = WaitFor([&] { return guest.platform.modalsCancelled == 1; }, 3000);
    };
    guest.session.JoinNetworkDuel("127.0.0.1", static_cast<uint16_t>(host->state().waitingPort), "Боря");
    ASSERT_TRUE(WaitFor([&] { return !guest.session.networkActive() && !guest.platform.boxes.empty(); }));
    EXPECT_TRUE(closedByItself) << "the prompt stayed open with nobody at the other end";
    EXPECT_EQ(guest.platform.inputPrompts.size(), 1u);
    EXPECT_EQ(guest.platform.boxTexts(), std::vector<QString>{"Связь с соперником потеряна."});
    EXPECT_EQ(guest.state().phase, Phase::NoGame);
    EXPECT_TRUE(guest.session.opponent().isComputer());
    EXPECT_FALSE(guest.Newest().has_value()) << "no game began";
    ASSERT_TRUE(host->NetworkGame().has_value());
    EXPECT_EQ(host->NetworkGame()->outcome, Outcome::Abandoned) << "the host's number was typed, nobody won";
    host.reset();

    // The guest cancels the prompt: the duel is off, and the host hears of it with no winner.
    Player host2;
    host2.platform.answers = {MsgAnswer::Yes};
    host2.platform.inputs = {QStringLiteral("1234")};
    ASSERT_TRUE(host2.session.HostNetworkDuel(0, "Аня"));
    guest.platform.inputs = {QString()};
    guest.session.JoinNetworkDuel("127.0.0.1", static_cast<uint16_t>(host2.state().waitingPort), "Боря");
    ASSERT_TRUE(WaitFor([&] { return host2.over(); }));
    EXPECT_EQ(host2.lastBox(), "Связь с соперником потеряна.");
    ASSERT_TRUE(host2.NetworkGame().has_value());
    EXPECT_EQ(host2.NetworkGame()->outcome, Outcome::ConnectionLost);
    EXPECT_FALSE(guest.session.networkActive());
    EXPECT_EQ(guest.platform.shown("box").size(), 1u) << "nothing asked again, nothing refused";
}

// A player who does not move in time loses, and both journals say so.
TEST_F(NetworkDuelRun, ThePlayerWhoDoesNotMoveInTimeLosesOnBothSides) {
    net::LinkTimeouts timeouts = net::testing::FastTimeouts();
    timeouts.deadlines.moveMs = 1500;
    timeouts.deadlines.marginMs = 200;
    host->session.SetNetworkTimeouts(timeouts);
    guest->session.SetNetworkTimeouts(timeouts);
    // The guest played the computer before: its number is no opponent's.
    guest->platform.inputs = {QStringLiteral("2468")};
    guest->session.NewGame();
    ASSERT_FALSE(guest->state().compNumber.empty());
    Start("1234", "5678");
    ASSERT_TRUE(WaitFor([&] { return host->state().moveDeadline.has_value(); }));  // both have committed
    EXPECT_NEAR(*host->state().moveDeadline - host->platform.monotonic, 1.3, 0.3);
    // The host's player lets it pass.
    ASSERT_TRUE(WaitFor([&] { return host->over() && guest->over(); }, 5000));
    EXPECT_EQ(host->lastBox(), "Вы не сделали ход за 2 минуты. Победа засчитана сопернику.");
    EXPECT_EQ(guest->lastBox(), "Соперник не сделал ход за 2 минуты. Победа засчитана вам.");
    ASSERT_TRUE(host->NetworkGame().has_value() && guest->NetworkGame().has_value());
    EXPECT_EQ(host->NetworkGame()->outcome, Outcome::UserForfeited);
    EXPECT_EQ(guest->NetworkGame()->outcome, Outcome::OpponentForfeited);
    EXPECT_EQ(guest->NetworkGame()->computerNumber, "") << "the host never revealed its number";
    EXPECT_FALSE(host->state().moveDeadline);
}

// One question at a time: while the host's player is asked, others hear that the host is busy;
// a peer that leaves takes its question with it, and the status bar says who left.
TEST_F(NetworkDuelRun, TheQuestionOfAPeerThatLeftClosesByItselfAndOthersHearBusy) {
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    const auto port = static_cast<quint16>(host->state().waitingPort);
    host->platform.answers = {MsgAnswer::Yes};  // taken only if the question were answered
    auto asker = std::make_unique<net::testing::RawPeer>(port);
    std::vector<std::string> others;
    bool cancelled = false;
    host->platform.onMessageBox = [&](const RecordedBox&) {
        host->platform.onMessageBox = nullptr;
        asker->Close();
        cancelled = WaitFor([&] { return host->platform.modalsCancelled == 1; }, 3000);
        net::testing::RawPeer late(port);  // the asker has gone, its question is still on the screen
        late.SendLine("HELLO 1 Вор");
        late.WaitForClose(2000);
        others = late.Lines();
    };
    asker->SendLine("HELLO 1 Гость");
    ASSERT_TRUE(WaitFor([&] { return !host->state().networkNote.empty(); }));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(others, std::vector<std::string>{"BUSY 1"});
    EXPECT_EQ(host->state().networkNote, "Игрок «Гость» ушёл, не дождавшись ответа.");
    EXPECT_EQ(host->platform.boxes.size(), 1u);
    EXPECT_EQ(host->platform.answers.size(), 1u) << "nobody answered the question";
    EXPECT_EQ(host->state().waitingPort, port);
    EXPECT_EQ(host->state().phase, Phase::NoGame);

    // The next player is asked as the first was; the note goes.
    host->platform.inputs = {QStringLiteral("1234")};
    guest->platform.inputs = {QStringLiteral("5678")};
    guest->session.JoinNetworkDuel("127.0.0.1", port, "Боря");
    ASSERT_TRUE(WaitFor([&] { return host->state().phase == Phase::UserToMove; }));
    EXPECT_EQ(host->platform.boxes.size(), 2u);
    EXPECT_TRUE(host->state().networkNote.empty());
}

// A fast peer's answer and its winning guess may come in one piece, before the session hears of
// the answer: both are kept, in order, in the history and the journal.
TEST_F(NetworkDuelRun, AFastPeersLastGuessIsKept) {
    host->platform.answers = {MsgAnswer::Yes};
    host->platform.inputs = {QStringLiteral("1234")};
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    net::testing::RawPeer peer(static_cast<uint16_t>(host->state().waitingPort));
    peer.SendLine("HELLO 1 Быстрый");
    ASSERT_TRUE(peer.WaitForLine("ACCEPT"));
    const std::string salt(net::kSaltBytes, 'f');
    peer.SendLine("COMMIT " + net::ToHex(net::Commitment(net::Sha256, salt, "5678")));
    host->Guess("9876");
    ASSERT_TRUE(peer.WaitForLine("GUESS 9876"));
    peer.Send("ANSWER 1 2\nGUESS 1234\n");
    ASSERT_TRUE(peer.WaitForLine("ANSWER 4 0"));
    ASSERT_TRUE(WaitFor([&] { return host->state().compMoves.size() == 1; }));
    EXPECT_EQ(host->state().phase, Phase::Revealing) << "the last round is over: nobody moves any more";
    peer.SendLine("REVEAL " + net::ToHex(salt) + " 5678");
    ASSERT_TRUE(WaitFor([&] { return host->over(); }));
    EXPECT_EQ(host->state().userMoves, (std::vector<Move>{{"9876", {1, 2}}}));
    EXPECT_EQ(host->state().compMoves, (std::vector<Move>{{"1234", {4, 0}}}));
    EXPECT_EQ(host->lastBox(), "Победил соперник «Быстрый».\nЧисло соперника: 5678");
    const std::optional<GameRecord> game = host->NetworkGame();
    ASSERT_TRUE(game);
    EXPECT_EQ(game->outcome, Outcome::ComputerWon);
    EXPECT_EQ(game->computerTries, 1);
}

// What the link reports while a step's box is open waits until the step is over: the host's
// player is told a guess is too short while the guest leaves, and the game inside the box stays
// as it was.
TEST_F(NetworkDuelRun, NewsFromTheLinkWaitsWhileAStepsBoxIsOpen) {
    Start("1234", "5678");
    Phase inside = Phase::NoGame;
    host->platform.onMessageBox = [&](const RecordedBox&) {
        host->platform.onMessageBox = nullptr;
        guest->session.StopNetworkDuel();
        net::testing::Spin(400);  // the goodbye arrives meanwhile
        inside = host->state().phase;
    };
    host->Guess("12");
    EXPECT_EQ(inside, Phase::UserToMove);
    EXPECT_TRUE(host->over());
    EXPECT_EQ(host->lastBox(), "Соперник покинул дуэль. Победа засчитана вам.");
}

// Hosting or joining gives up the game against the computer that runs, recorded as abandoned.
TEST_F(NetworkDuelRun, HostingOrJoiningGivesUpTheGameThatRuns) {
    ASSERT_TRUE(WaitFor([&] { return guest->session.journal() != nullptr; }));
    for (const bool hosting : {true, false}) {
        guest->platform.inputs = {QStringLiteral("2468")};
        guest->session.NewGame();
        guest->Guess("1357");
        ASSERT_TRUE(guest->state().gameRunning());
        if (hosting) {
            ASSERT_TRUE(guest->session.HostNetworkDuel(0, "Боря"));
        } else {
            guest->session.JoinNetworkDuel("::1", 9, "Боря");
            EXPECT_EQ(guest->state().joiningAddress, "[::1]:9");
        }
        EXPECT_FALSE(guest->state().gameRunning());
        EXPECT_EQ(guest->heard.lines.back(), "ended: abandoned");
        ASSERT_TRUE(guest->Newest().has_value());
        EXPECT_EQ(guest->Newest()->outcome, Outcome::Abandoned);
        EXPECT_EQ(guest->Newest()->mode, GameMode::Typed);
        guest->session.StopNetworkDuel();
    }
}

// An unfinished game of an earlier run would be given up by the duel: the player is asked first,
// and "Нет" leaves everything as it was.
TEST(NetworkDuelLeaving, TheUnfinishedGameThatWaitsIsGivenUpOnlyAfterYes) {
    QTemporaryDir home;
    {
        Player earlier(home.path());
        ASSERT_TRUE(WaitFor([&] { return earlier.session.journal() != nullptr; }));
        earlier.platform.inputs = {QStringLiteral("2468")};
        earlier.session.NewGame();
        earlier.Guess("1357");
    }  // the run ends without its close, as a killed one does
    Player now(home.path());
    now.platform.answers = {MsgAnswer::No};
    // As --host asks for it: once the start-up has opened the journal, which knows the waiting game.
    bool hosted = true;
    now.session.AfterStartUp([&] { hosted = now.session.HostNetworkDuel(0, "Аня"); });
    ASSERT_TRUE(WaitFor([&] { return !hosted; }));
    ASSERT_EQ(now.platform.boxes.size(), 1u);
    EXPECT_EQ(now.lastBox(), "Прерванная игра от 01.03.2025 10:00 будет брошена. Начать дуэль по сети?");
    EXPECT_EQ(now.platform.boxes.back().buttons, MsgButtons::YesNo);
    EXPECT_FALSE(now.session.networkActive());
    EXPECT_TRUE(now.session.CanResume());
    EXPECT_FALSE(now.Newest().has_value()) << "the game still waits, unfinished";

    now.platform.answers = {MsgAnswer::Yes};
    now.session.JoinNetworkDuel("127.0.0.1", 9, "Аня");
    EXPECT_TRUE(now.session.networkActive());
    EXPECT_FALSE(now.session.CanResume());
    ASSERT_TRUE(now.Newest().has_value());
    EXPECT_EQ(now.Newest()->outcome, Outcome::Abandoned);
}

TEST_F(NetworkDuelRun, ThePlayersNoKeepsTheHostWaitingAndAnotherGameTakesItsPlace) {
    host->platform.answers = {MsgAnswer::No};
    ASSERT_TRUE(host->session.HostNetworkDuel(0, "Аня"));
    const uint16_t port = static_cast<uint16_t>(host->state().waitingPort);
    // While the host's player is asked, the guest knows it has reached the host.
    bool guestKnew = false;
    host->platform.onMessageBox = [&](const RecordedBox&) {
        guestKnew = WaitFor([&] { return guest->state().hostAnswerAwaited; }, 2000);
    };
    guest->session.JoinNetworkDuel("127.0.0.1", port, "Боря");
    EXPECT_FALSE(guest->state().hostAnswerAwaited) << "connecting";
    ASSERT_TRUE(WaitFor([&] { return !guest->session.networkActive(); }));
    EXPECT_TRUE(guestKnew);
    host->platform.onMessageBox = nullptr;
    EXPECT_EQ(guest->lastBox(), "Соперник отказался от дуэли.");
    EXPECT_FALSE(guest->state().hostAnswerAwaited);
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
    EXPECT_EQ(host->lastBox(), "Ответы соперника не сходятся с его числом (ход 1).");
    EXPECT_EQ(host->heard.lines.back(), "ended: opponent forfeited");
    // The number its answers disprove is not its number: neither shown nor kept as revealed.
    EXPECT_EQ(host->state().compNumber, "");
    ASSERT_TRUE(host->NetworkGame().has_value());
    EXPECT_EQ(host->NetworkGame()->computerNumber, "");
}

}  // namespace
}  // namespace duel::testing
