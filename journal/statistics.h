// Statistics over the journal's played games: each side's games, wins, tries, runs of wins and time.
//
// What counts:
//   - every finished or abandoned game counts as a game for both sides; an
//     unfinished one does not count at all;
//   - a side wins a game when it found the other side's number: the player in
//     UserWon and UserWonAfterComputer, the computer in ComputerWon and
//     UserWonAfterComputer (so both win the latter);
//   - an abandoned game and one stopped because the player's answers
//     contradicted each other are games that neither side won: they end a run
//     of wins and lower the share of wins;
//   - the tries to win are the winner's own guesses in that game (the one
//     that found the number included);
//   - the time played is the game clock at the end of every counted game,
//     added up; both sides played the same games, so it is the same for both.
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
    int64_t secondsPlayed = 0;
    // winsByTries[t]: games won with t tries; index 0 is always 0.  As long
    // as the most tries of a win plus one (empty with no win); a win claiming
    // more tries than there are numbers counts at that many.
    std::vector<int32_t> winsByTries;
};

struct JournalStatistics {
    SideStatistics player;
    SideStatistics computer;
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

// The statistics of `games` given newest first, as Journal::PlayedGames gives them.
JournalStatistics ComputeStatistics(std::span<const GameRecord> gamesNewestFirst);

// Whether the game counts as won by that side.
bool UserWon(Outcome outcome);
bool ComputerWon(Outcome outcome);

}  // namespace duel
