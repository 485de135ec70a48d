// Statistics over the journal's played games: each side's games, wins, tries, runs of wins and time.
#include "journal/statistics.h"

#include "rules/number_rules.h"

#include <algorithm>

namespace duel {

bool UserWon(Outcome outcome) { return outcome == Outcome::UserWon || outcome == Outcome::OpponentForfeited; }

bool ComputerWon(Outcome outcome) {
    return outcome == Outcome::ComputerWon || outcome == Outcome::UserWonAfterComputer ||
           outcome == Outcome::UserForfeited;
}

bool FoundAfterLoss(Outcome outcome) { return outcome == Outcome::UserWonAfterComputer; }

namespace {

// Walks the games oldest first, as a run of wins grows.
class SideTally {
public:
    // A win by forfeit counts as a win with no tries (countTries false).
    void Add(bool won, int32_t tries, int32_t seconds, bool countTries = true) {
        ++side_.games;
        side_.secondsPlayed += seconds;
        if (!won) {
            side_.currentRun = 0;
            return;
        }
        ++side_.wins;
        side_.longestRun = std::max(side_.longestRun, ++side_.currentRun);
        if (!countTries) return;
        ++winsWithTries_;
        triesOfWins_ += tries;
        if (side_.fewestTriesToWin == 0 || tries < side_.fewestTriesToWin) side_.fewestTriesToWin = tries;
        // No win takes more guesses than there are numbers; a file edited by
        // hand may claim more, and must not make the table that large.
        const size_t index = static_cast<size_t>(std::clamp(tries, 0, kAllNumbers));
        if (side_.winsByTries.size() <= index) side_.winsByTries.resize(index + 1, 0);
        ++side_.winsByTries[index];
    }

    SideStatistics Result() const {
        SideStatistics result = side_;
        if (result.games > 0) result.winShare = static_cast<double>(result.wins) / result.games;
        if (winsWithTries_ > 0) result.meanTriesToWin = static_cast<double>(triesOfWins_) / winsWithTries_;
        return result;
    }

private:
    SideStatistics side_;
    int32_t winsWithTries_ = 0;
    int64_t triesOfWins_ = 0;
};

bool Network(const GameRecord& game) { return IsNetworkMode(game.mode); }

// The statistics of the games that `counts`.
template <typename Counts>
JournalStatistics StatisticsOf(std::span<const GameRecord> gamesNewestFirst, Counts&& counts) {
    SideTally player;
    SideTally computer;
    JournalStatistics statistics;
    for (auto game = gamesNewestFirst.rbegin(); game != gamesNewestFirst.rend(); ++game) {
        if (game->outcome == Outcome::Unfinished || !counts(*game)) continue;
        player.Add(UserWon(game->outcome), game->playerTries, game->seconds,
                   game->outcome != Outcome::OpponentForfeited);
        computer.Add(ComputerWon(game->outcome), game->computerTries, game->seconds,
                     game->outcome != Outcome::UserForfeited);
        if (FoundAfterLoss(game->outcome)) ++statistics.findsAfterLoss;
        statistics.secondsPlayed += game->seconds;
    }
    statistics.player = player.Result();
    statistics.computer = computer.Result();
    return statistics;
}

}  // namespace

JournalStatistics ComputeStatistics(std::span<const GameRecord> gamesNewestFirst) {
    return StatisticsOf(gamesNewestFirst, [](const GameRecord&) { return true; });
}

StatisticsByMode ComputeStatisticsByMode(std::span<const GameRecord> gamesNewestFirst) {
    return {StatisticsOf(gamesNewestFirst, [](const GameRecord& game) { return !Network(game); }),
            StatisticsOf(gamesNewestFirst, Network)};
}

std::vector<TriesGroup> GroupWinsByTries(const JournalStatistics& statistics, int32_t maxGroups) {
    const std::vector<int32_t>& player = statistics.player.winsByTries;
    const std::vector<int32_t>& computer = statistics.computer.winsByTries;
    const auto at = [](const std::vector<int32_t>& wins, size_t tries) {
        return tries < wins.size() ? wins[tries] : 0;
    };
    size_t most = 0;  // the most tries of a win
    for (size_t tries = 1; tries < std::max(player.size(), computer.size()); ++tries)
        if (at(player, tries) > 0 || at(computer, tries) > 0) most = tries;
    std::vector<TriesGroup> groups;
    if (most == 0 || maxGroups < 1) return groups;
    const size_t last = std::min(most, static_cast<size_t>(maxGroups));
    for (size_t tries = 1; tries <= last; ++tries) {
        TriesGroup group{static_cast<int32_t>(tries), tries == last && most > last, 0, 0};
        for (size_t t = tries; t <= (group.andMore ? most : tries); ++t) {
            group.player += at(player, t);
            group.computer += at(computer, t);
        }
        groups.push_back(group);
    }
    return groups;
}

}  // namespace duel
