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
    // numbers.  Divided by fittingBefore they give the numbers left on average.
    int64_t splitMeasure = 0;
    int64_t bestSplitMeasure = 0;

    double MeanLeft() const;
    double BestMeanLeft() const;
    // As good as the best choice among the numbers that fitted (or better:
    // a guess that could not be the number may split them better still).
    bool AsGoodAsBest() const { return splitMeasure <= bestSplitMeasure; }
    bool operator==(const MoveLesson&) const = default;
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
