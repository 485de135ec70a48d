// Statistics over the journal's played games: each side's games, wins, tries, runs of wins and time.
#include "journal/statistics.h"

#include <algorithm>

namespace duel {

bool PlayerWon(Outcome outcome) { return outcome == Outcome::UserWon || outcome == Outcome::UserWonAfterComputer; }

bool ComputerWon(Outcome outcome) {
    return outcome == Outcome::ComputerWon || outcome == Outcome::UserWonAfterComputer;
}

namespace {

// Walks the games oldest first, as a run of wins grows.
class SideTally {
public:
    void Add(bool won, int32_t tries, int32_t seconds) {
        ++side_.games;
        side_.secondsPlayed += seconds;
        if (!won) {
            side_.currentRun = 0;
            return;
        }
        ++side_.wins;
        side_.longestRun = std::max(side_.longestRun, ++side_.currentRun);
        triesOfWins_ += tries;
        if (side_.fewestTriesToWin == 0 || tries < side_.fewestTriesToWin) side_.fewestTriesToWin = tries;
        const size_t index = static_cast<size_t>(std::max(tries, 0));
        if (side_.winsByTries.size() <= index) side_.winsByTries.resize(index + 1, 0);
        ++side_.winsByTries[index];
    }

    SideStatistics Result() const {
        SideStatistics result = side_;
        if (result.games > 0) result.winShare = static_cast<double>(result.wins) / result.games;
        if (result.wins > 0) result.meanTriesToWin = static_cast<double>(triesOfWins_) / result.wins;
        return result;
    }

private:
    SideStatistics side_;
    int64_t triesOfWins_ = 0;
};

}  // namespace

JournalStatistics ComputeStatistics(std::span<const GameRecord> gamesNewestFirst) {
    SideTally player;
    SideTally computer;
    for (auto game = gamesNewestFirst.rbegin(); game != gamesNewestFirst.rend(); ++game) {
        if (game->outcome == Outcome::Unfinished) continue;
        player.Add(PlayerWon(game->outcome), game->playerTries, game->seconds);
        computer.Add(ComputerWon(game->outcome), game->computerTries, game->seconds);
    }
    return {player.Result(), computer.Result()};
}

}  // namespace duel
