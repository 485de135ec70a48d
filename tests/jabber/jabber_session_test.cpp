// Two sessions play through the tests' server in one process: the question, the game, the journal's record; a refused
// login.
#include "journal/journal.h"
#include "journal/journal_texts.h"
#include "session/network_duel.h"
#include "session/session.h"
#include "tests/jabber/jabber_server.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace duel::testing {
namespace {

using net::testing::WaitFor;

// One run of the game with its own folders, platform, screen, session and journal.
struct Player {
    Player() {
        platform.folder = folder.path();
        platform.configFolder = folder.path() + QStringLiteral("/config");
        platform.userDataFolder = std::filesystem::path(folder.path().toStdString()) / "data";
        session.SetScreen(screen);
        session.SetNetworkTimeouts(JabberTimeouts());
        session.SetNetworkParts(
            [](NetworkDuelSession& owner, const net::LinkTimeouts& timeouts) {
                return std::make_unique<NetworkDuel>(owner, timeouts);
            },
            nullptr);
        session.Load();
        session.FinishStartUp();
    }
    GameState& state() { return session.state(); }
    void Guess(const std::string& guess) {
        for (char digit : guess) AddDigit(state(), platform, nullptr, digit - '0');
        session.PlayerMove();
    }
    bool over() { return state().phase == Phase::GameOver; }
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

TEST(JabberSession, AWholeDuelIsPlayedAskedAndRecordedAsThroughJabber) {
    Player host, guest;
    host.platform.answers = {MsgAnswer::Yes};
    host.platform.inputs = {QStringLiteral("1234")};
    guest.platform.inputs = {QStringLiteral("5678")};
    host.session.HostJabberDuel(Alice(), "Аня");
    // Waiting once logged in.
    ASSERT_TRUE(WaitFor([&] { return host.state().waitingJid == "alice@shelvy.test"; }, 10000));
    guest.session.JoinJabberDuel(Bob(), "alice@shelvy.test", "Боря");
    EXPECT_EQ(guest.state().joiningAddress, "alice@shelvy.test");
    ASSERT_TRUE(
        WaitFor([&] { return host.state().phase == Phase::UserToMove && guest.state().phase == Phase::OpponentToMove; },
                10000));
    EXPECT_EQ(host.platform.boxTexts().front(), "Игрок «Боря» (bob@shelvy.test) хочет сыграть с вами. Начать дуэль?");
    EXPECT_TRUE(host.state().waitingJid.empty());
    host.Guess("5678");
    ASSERT_TRUE(WaitFor([&] { return guest.state().phase == Phase::UserToMove; }));
    guest.Guess("9876");
    ASSERT_TRUE(WaitFor([&] { return host.over() && guest.over(); }));
    for (Player* player : {&host, &guest}) {
        const std::optional<GameRecord> game = player->Newest();
        ASSERT_TRUE(game);
        EXPECT_EQ(game->mode, GameMode::Jabber);
        EXPECT_EQ(ModeText(game->mode, game->strength), "через Jabber");
    }
    EXPECT_EQ(host.Newest()->opponentAddress, "bob@shelvy.test");
    EXPECT_EQ(guest.Newest()->opponentAddress, "alice@shelvy.test");
    EXPECT_EQ(host.Newest()->outcome, Outcome::UserWon);
    EXPECT_EQ(guest.Newest()->outcome, Outcome::ComputerWon);
}

TEST(JabberSession, ARefusedLoginIsToldAndNobodyWaits) {
    Player host;
    net::JabberAccount wrong = Alice();
    wrong.password = "не тот";
    host.session.HostJabberDuel(wrong, "Аня");
    ASSERT_TRUE(WaitFor([&] { return !host.platform.boxes.empty(); }, 10000));
    EXPECT_EQ(host.platform.boxTexts().back(), "Сервер Jabber не принял адрес или пароль.");
    EXPECT_TRUE(host.state().waitingJid.empty());
    EXPECT_FALSE(host.session.networkActive());
}

}  // namespace
}  // namespace duel::testing
