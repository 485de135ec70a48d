// Tests of the statistics over the played games, figures worked by hand.
#include "journal/statistics.h"

#include <gtest/gtest.h>

#include <vector>

namespace duel {
namespace {

GameRecord Game(Outcome outcome, int32_t playerTries, int32_t computerTries, int32_t seconds) {
    GameRecord game;
    game.outcome = outcome;
    game.playerTries = playerTries;
    game.computerTries = computerTries;
    game.seconds = seconds;
    return game;
}

// Oldest first:                  player  computer  seconds
//   1 UserWon                    W 5     - 4       100
//   2 ComputerWon                - 6     W 5       200
//   3 UserWonAfterComputer       - 7     W 4       300   (the player found the number after losing)
//   4 Contradicted               - 3     - 3        50
//   5 UserWon                    W 4     - 3        60
//   6 UserWon                    W 5     - 4        70
//   7 Abandoned                  - 2     - 1        20
//   8 UserWon                    W 6     - 5        90
//   and an unfinished game that does not count.
// Player: 8 games, 4 wins (0.5), tries 5+4+5+6 = 20 (mean 5.0, fewest 4),
//   runs W-WW-W: longest 2, current 1; wins by tries 4:1 5:2 6:1; one find after a loss.
// Computer: 8 games, 2 wins (0.25), tries 5+4 (mean 4.5, fewest 4),
//   runs WW: longest 2, current 0; wins by tries 4:1 5:1.
// Both: 890 seconds.
TEST(Statistics, OfAHandfulOfGames) {
    const std::vector<GameRecord> newestFirst = {
        Game(Outcome::Unfinished, 1, 0, 10),
        Game(Outcome::UserWon, 6, 5, 90),
        Game(Outcome::Abandoned, 2, 1, 20),
        Game(Outcome::UserWon, 5, 4, 70),
        Game(Outcome::UserWon, 4, 3, 60),
        Game(Outcome::AnswersContradicted, 3, 3, 50),
        Game(Outcome::UserWonAfterComputer, 7, 4, 300),
        Game(Outcome::ComputerWon, 6, 5, 200),
        Game(Outcome::UserWon, 5, 4, 100),
    };
    const JournalStatistics statistics = ComputeStatistics(newestFirst);

    const SideStatistics& player = statistics.player;
    EXPECT_EQ(player.games, 8);
    EXPECT_EQ(player.wins, 4);
    EXPECT_DOUBLE_EQ(player.winShare, 0.5);
    EXPECT_DOUBLE_EQ(player.meanTriesToWin, 5.0);
    EXPECT_EQ(player.fewestTriesToWin, 4);
    EXPECT_EQ(player.currentRun, 1);
    EXPECT_EQ(player.longestRun, 2);
    EXPECT_EQ(player.secondsPlayed, 890);
    EXPECT_EQ(player.winsByTries, (std::vector<int32_t>{0, 0, 0, 0, 1, 2, 1}));
    EXPECT_EQ(statistics.findsAfterLoss, 1);
    EXPECT_EQ(statistics.secondsPlayed, 890);

    const SideStatistics& computer = statistics.computer;
    EXPECT_EQ(computer.games, 8);
    EXPECT_EQ(computer.wins, 2);
    EXPECT_DOUBLE_EQ(computer.winShare, 0.25);
    EXPECT_DOUBLE_EQ(computer.meanTriesToWin, 4.5);
    EXPECT_EQ(computer.fewestTriesToWin, 4);
    EXPECT_EQ(computer.currentRun, 0);
    EXPECT_EQ(computer.longestRun, 2);
    EXPECT_EQ(computer.secondsPlayed, 890);
    EXPECT_EQ(computer.winsByTries, (std::vector<int32_t>{0, 0, 0, 0, 1, 1}));
}

TEST(Statistics, OfNoGameAreNoughtsNotDivisionsByNought) {
    const JournalStatistics none = ComputeStatistics({});
    const std::vector<GameRecord> lostOnly = {Game(Outcome::Abandoned, 3, 2, 40)};
    const JournalStatistics lost = ComputeStatistics(lostOnly);
    for (const SideStatistics& side : {none.player, none.computer, lost.player}) {
        EXPECT_EQ(side.wins, 0);
        EXPECT_EQ(side.winShare, 0);
        EXPECT_EQ(side.meanTriesToWin, 0);
        EXPECT_EQ(side.fewestTriesToWin, 0);
        EXPECT_TRUE(side.winsByTries.empty());
    }
    EXPECT_EQ(lost.player.games, 1);
    EXPECT_EQ(lost.player.secondsPlayed, 40);
}

// A file edited by hand may claim any number of tries; the table of wins by
// tries stays as long as there are numbers, and the chart's last group
// gathers every win beyond its groups.
TEST(Statistics, WinsByTriesStayBoundedAndTheChartsLastGroupGathersTheRest) {
    const std::vector<GameRecord> newestFirst = {
        Game(Outcome::UserWon, 1'000'000'000, 1, 10),
        Game(Outcome::UserWon, 20, 3, 10),
        Game(Outcome::UserWon, 4, 3, 10),
        Game(Outcome::UserWonAfterComputer, 4, 16, 10),
        Game(Outcome::ComputerWon, 9, 2, 10),
    };
    const JournalStatistics statistics = ComputeStatistics(newestFirst);
    EXPECT_EQ(statistics.player.winsByTries.size(), 3025u);
    EXPECT_EQ(statistics.player.winsByTries.back(), 1);

    const std::vector<TriesGroup> groups = GroupWinsByTries(statistics, 15);
    ASSERT_EQ(groups.size(), 15u);
    EXPECT_EQ(groups[1], (TriesGroup{2, false, 0, 1}));
    EXPECT_EQ(groups[3], (TriesGroup{4, false, 1, 0}));
    EXPECT_EQ(groups[14], (TriesGroup{15, true, 2, 1}));  // 20 and a billion; 16
    EXPECT_EQ(GroupWinsByTries(statistics, 30).back(), (TriesGroup{30, true, 1, 0}));
    EXPECT_TRUE(GroupWinsByTries(ComputeStatistics({}), 15).empty());
    const std::vector<GameRecord> short_ = {Game(Outcome::ComputerWon, 9, 3, 10)};
    EXPECT_EQ(GroupWinsByTries(ComputeStatistics(short_), 15),
              (std::vector<TriesGroup>{{1, false, 0, 0}, {2, false, 0, 0}, {3, false, 0, 1}}));
}

// The player's report: the computer won a game, the player played on alone and
// found the number.  That duel has one winner, the computer; the player's
// find is counted on a line of its own, and the two shares of wins never add
// up to more than all the games.
TEST(Statistics, ADuelHasOneWinnerAndTheSharesAddUpToAtMostAll) {
    const std::vector<GameRecord> newestFirst = {
        Game(Outcome::UserWon, 6, 5, 60),
        Game(Outcome::UserWonAfterComputer, 7, 5, 90),
        Game(Outcome::UserWon, 5, 4, 50),
        Game(Outcome::UserWon, 4, 4, 40),
    };
    const JournalStatistics statistics = ComputeStatistics(newestFirst);
    EXPECT_EQ(statistics.player.wins, 3);
    EXPECT_EQ(statistics.computer.wins, 1);
    EXPECT_EQ(statistics.computer.fewestTriesToWin, 5);
    EXPECT_EQ(statistics.player.winsByTries, (std::vector<int32_t>{0, 0, 0, 0, 1, 1, 1}));  // not the 7 of the find
    EXPECT_EQ(statistics.findsAfterLoss, 1);
    EXPECT_LE(statistics.player.winShare + statistics.computer.winShare, 1.0);

    // Whatever the outcomes, no game is won by both.
    for (int32_t o = 0; o <= kLastOutcome; ++o)
        EXPECT_FALSE(UserWon(static_cast<Outcome>(o)) && ComputerWon(static_cast<Outcome>(o))) << o;
}

// Duels over the network are counted apart from games against the computer:
// the opponent's forfeit is the player's win with no tries to count, a draw
// and a lost connection nobody's.
TEST(Statistics, DuelsOverTheNetworkAreCountedApart) {
    auto network = [](Outcome outcome, int32_t playerTries, int32_t opponentTries) {
        GameRecord game = Game(outcome, playerTries, opponentTries, 30);
        game.mode = GameMode::Network;
        return game;
    };
    const std::vector<GameRecord> newestFirst = {
        network(Outcome::OpponentForfeited, 2, 2), network(Outcome::Draw, 5, 5),
        Game(Outcome::UserWon, 6, 5, 100),         network(Outcome::ComputerWon, 6, 4),
        network(Outcome::ConnectionLost, 1, 1),    network(Outcome::UserWon, 5, 5),
        network(Outcome::UserForfeited, 3, 2),
    };
    const StatisticsByMode byMode = ComputeStatisticsByMode(newestFirst);
    EXPECT_EQ(byMode.againstComputer.player.games, 1);
    EXPECT_EQ(byMode.againstComputer.player.wins, 1);
    EXPECT_EQ(byMode.againstComputer.secondsPlayed, 100);

    const JournalStatistics& net = byMode.network;
    EXPECT_EQ(net.player.games, 6);
    EXPECT_EQ(net.player.wins, 2);                     // the win and the forfeit
    EXPECT_EQ(net.player.currentRun, 1);               // the forfeit after the draw
    EXPECT_DOUBLE_EQ(net.player.meanTriesToWin, 5.0);  // the forfeit has no tries to count
    EXPECT_EQ(net.player.fewestTriesToWin, 5);
    // The player's own forfeit (the oldest game) is the opponent's win, with no tries to count either.
    EXPECT_EQ(net.computer.wins, 2);
    EXPECT_EQ(net.computer.winsByTries, (std::vector<int32_t>{0, 0, 0, 0, 1}));
    EXPECT_EQ(net.secondsPlayed, 180);
    EXPECT_LE(net.player.winShare + net.computer.winShare, 1.0);
}

}  // namespace
}  // namespace duel
