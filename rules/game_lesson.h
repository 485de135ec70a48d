// The lesson after a game ("Разбор"): for each of the player's moves, how many numbers fitted, whether it could have
// been the number, and how well its answer split them against the best choice.
//
// The counts are the game's own: the numbers that fit are those the
// computer's filter keeps (the hint's count), a move that could not have been
// the number is the hint's contradiction, and the split is the stronger
// opponent's measure (the numbers left on average after the answer).
#pragma once

#include "rules/score.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace duel {

// One move of the player, judged.
struct MoveLesson {
    int32_t fittingBefore = 0;  // numbers that fitted every earlier answer
    int32_t fittingAfter = 0;   // and this move's answer too
    // The earlier move (counted from 1) whose answer says this guess cannot
    // be the number; nothing when it could have been.
    std::optional<int32_t> contradicts;
    // Sums of squared answer buckets over the fittingBefore numbers (see
    // rules/strong_guess.h): of this guess, and of the best guess among those
    // numbers.
    int64_t splitMeasure = 0;
    int64_t bestSplitMeasure = 0;
    // The guess was one of the fittingBefore numbers, so its answer could
    // have been the win.
    bool couldWin = false;

    // The numbers left to look for on average after the answer: a guess that
    // is the number leaves none, so its own bucket of one counts for nothing.
    // The best guess among the fitting numbers could always win; a guess that
    // could not must split them strictly better to leave as few.
    double MeanLeft() const;
    double BestMeanLeft() const;
    // Leaves no more on average than the best choice among the numbers that
    // fitted (a guess that could not be the number may split them better still).
    bool AsGoodAsBest() const { return LeftMeasure() <= BestLeftMeasure(); }
    bool operator==(const MoveLesson&) const = default;

private:
    int64_t LeftMeasure() const { return splitMeasure - (couldWin ? 1 : 0); }
    int64_t BestLeftMeasure() const { return bestSplitMeasure - (fittingBefore > 0 ? 1 : 0); }
};

// The lesson of the player's answered moves, oldest first (the winning one
// included).  A move whose guess is not a number of the game is judged as
// splitting nothing.
std::vector<MoveLesson> LessonOf(std::span<const Move> playerMoves);

// "3024 → 180"
std::string FittingText(const MoveLesson& lesson);
// "да", or "нет: противоречит ходу 2"
std::string CouldBeNumberText(const MoveLesson& lesson);
// "в среднем 12,4 (лучший 9,1)"
std::string MeanLeftText(const MoveLesson& lesson);
// The line under the list: "Не могли быть числом: ходы 3, 5 (2 из 7). Не
// хуже лучшего выбора: ходы 1, 2, 4 (3 из 7)."; empty with no move.
std::string LessonSummaryText(std::span<const MoveLesson> lessons);

}  // namespace duel
