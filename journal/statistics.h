// Statistics over the journal's played games: each side's games, wins, tries, runs of wins and time.
//
// What counts:
//   - every finished or abandoned game counts as a game for both sides; an
//     unfinished one does not count at all;
//   - a duel has at most one winner, the side that found the other's number
//     first: the player in UserWon, the computer in ComputerWon and in
//     UserWonAfterComputer.  A player who finds the number after the
//     computer has won found it but did not win; those finds are counted
//     apart (findsAfterLoss).  Over the network the opponent's forfeit is the
//     player's win and the player's own forfeit the opponent's (with no tries
//     to count), and a draw nobody's;
//   - an abandoned game, one stopped because the player's answers
//     contradicted each other and a lost connection are games that neither
//     side won: they end a run of wins and lower the share of wins;
//   - so the two sides' shares of wins add up to at most 100 %;
//   - the tries to win are the winner's own guesses in that game (the one
//     that found the number included);
//   - the time played is the game clock at the end of every counted game,
//     added up; both sides played the same games, so it is one figure.
//
// Games against the computer and duels over the network are counted apart.
#pragma once

#include "journal/game_record.h"

#include <cstdint>
#include <span>
#include <vector>

namespace duel {

struct SideStatistics {
    int32_t games = 0;
    int32_t wins = 0;
    double winShare = 0;           // wins / games, 0 with no game
    double meanTriesToWin = 0;     // 0 with no win
    int32_t fewestTriesToWin = 0;  // 0 with no win
    int32_t currentRun = 0;        // wins in a row up to the newest game
    int32_t longestRun = 0;        // the most wins in a row
    int64_t secondsPlayed = 0;     // the same for both sides: JournalStatistics::secondsPlayed
    // winsByTries[t]: games won with t tries; index 0 is always 0.  As long
    // as the most tries of a win plus one (empty with no win); a win claiming
    // more tries than there are numbers counts at that many.
    std::vector<int32_t> winsByTries;
};

struct JournalStatistics {
    SideStatistics player;
    SideStatistics computer;     // the opponent over the network
    int32_t findsAfterLoss = 0;  // the player found the number after the computer had won
    int64_t secondsPlayed = 0;
};

// The statistics of each kind of game.
struct StatisticsByMode {
    JournalStatistics againstComputer;  // the number typed or hidden
    JournalStatistics network;          // duels over the network
};

// One group of bars of the chart of wins by tries: the wins of each side
// with `tries` tries, or with `tries` and more when `andMore`.
struct TriesGroup {
    int32_t tries = 0;
    bool andMore = false;
    int32_t player = 0;
    int32_t computer = 0;
    bool operator==(const TriesGroup&) const = default;
};

// The groups from 1 try up to the most tries either side won with; beyond
// `maxGroups` groups the last one gathers every win with that many tries or
// more.  Empty when neither side has won.
std::vector<TriesGroup> GroupWinsByTries(const JournalStatistics& statistics, int32_t maxGroups);

// The statistics of `games` given newest first, as Journal::PlayedGames gives
// them, all of them together.
JournalStatistics ComputeStatistics(std::span<const GameRecord> gamesNewestFirst);
// The same for each kind of game.
StatisticsByMode ComputeStatisticsByMode(std::span<const GameRecord> gamesNewestFirst);

// Whether the game counts as won by that side: at most one of them is true.
bool UserWon(Outcome outcome);
bool ComputerWon(Outcome outcome);
// The player found the computer's number after the computer had won.
bool FoundAfterLoss(Outcome outcome);

}  // namespace duel
