// The lesson after a game: the numbers that fitted each of the player's moves, its contradiction and its split.
#include "rules/game_lesson.h"

#include "rules/hint.h"
#include "rules/number_rules.h"
#include "rules/player_text.h"
#include "rules/strong_guess.h"

#include <cstdio>

namespace duel {

namespace {

// "12,4": one decimal, a comma as Russian writes it (a point in English).
std::string Decimal(double value) { return DecimalText(value); }

// "ходы 3, 5 (2 из 7)" for the moves (from 1) that `pick`, "нет" for none.
template <typename Pick>
std::string MovesWhere(std::span<const MoveLesson> lessons, Pick&& pick) {
    std::string list;
    int32_t count = 0;
    for (size_t i = 0; i < lessons.size(); ++i) {
        if (!pick(lessons[i])) continue;
        list += (count++ == 0 ? "" : ", ") + std::to_string(i + 1);
    }
    if (count == 0) return Word(DUEL_TEXT("rules", "нет"));
    return Word(count == 1 ? DUEL_TEXT("rules", "ход %1 (%2 из %3)") : DUEL_TEXT("rules", "ходы %1 (%2 из %3)"),
                {list, std::to_string(count), std::to_string(lessons.size())});
}

}  // namespace

double MoveLesson::MeanLeft() const {
    return fittingBefore > 0 ? static_cast<double>(LeftMeasure()) / fittingBefore : 0;
}

double MoveLesson::BestMeanLeft() const {
    return fittingBefore > 0 ? static_cast<double>(BestLeftMeasure()) / fittingBefore : 0;
}

std::vector<MoveLesson> LessonOf(std::span<const Move> playerMoves) {
    std::vector<MoveLesson> lessons;
    lessons.reserve(playerMoves.size());
    // The computer's own list and filter, one answer at a time: after move k
    // it holds what CountFittingNumbers gives for the first k moves.
    CandidateList fitting{};
    int32_t count = BuildCandidateList(fitting, [](int32_t) {});
    for (size_t k = 0; k < playerMoves.size(); ++k) {
        const Move& move = playerMoves[k];
        MoveLesson lesson;
        lesson.fittingBefore = count;
        if (const auto contradiction = FindContradiction(playerMoves.first(k + 1)))
            lesson.contradicts = contradiction->earlier;
        const std::vector<PackedNumber> numbers = PackCandidates(fitting, count);
        if (!CheckNumber(move.guess)) {
            lesson.splitMeasure = SumOfSquares(SplitByAnswer(numbers, PackNumber(std::stoi(move.guess))));
            lesson.couldWin = !lesson.contradicts && count > 0;
        } else
            lesson.splitMeasure = int64_t{count} * count;  // no answer: nothing is told apart
        // The filter only ever drops numbers: the same count is the same list, and the same best.
        const bool sameList = k > 0 && lessons.back().fittingBefore == count;
        lesson.bestSplitMeasure = sameList ? lessons.back().bestSplitMeasure : LeastSumOfSquares(numbers);
        count = FilterCandidates(fitting, count, move.guess, move.answer, [](int32_t) {});
        lesson.fittingAfter = count;
        lessons.push_back(lesson);
    }
    return lessons;
}

std::string FittingText(const MoveLesson& lesson) {
    return std::to_string(lesson.fittingBefore) + " → " + std::to_string(lesson.fittingAfter);
}

std::string CouldBeNumberText(const MoveLesson& lesson) {
    if (!lesson.contradicts) return Word(DUEL_TEXT("rules", "да"));
    return Word(DUEL_TEXT("rules", "нет: противоречит ходу %1"), {std::to_string(*lesson.contradicts)});
}

std::string MeanLeftText(const MoveLesson& lesson) {
    return Word(DUEL_TEXT("rules", "в среднем %1 (лучший %2)"),
                {Decimal(lesson.MeanLeft()), Decimal(lesson.BestMeanLeft())});
}

std::string LessonSummaryText(std::span<const MoveLesson> lessons) {
    if (lessons.empty()) return {};
    return Word(DUEL_TEXT("rules", "Не могли быть числом: %1. Не хуже лучшего выбора: %2."),
                {MovesWhere(lessons, [](const MoveLesson& l) { return l.contradicts.has_value(); }),
                 MovesWhere(lessons, [](const MoveLesson& l) { return l.AsGoodAsBest(); })});
}

}  // namespace duel
