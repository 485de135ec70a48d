// What the journal keeps of one game and of one move, as plain values.
#include "journal/game_record.h"

#include "rules/candidate_history.h"
#include "rules/number_rules.h"

#include <algorithm>

namespace duel {

std::vector<Move> SavedGame::MovesOf(Side side) const {
    std::vector<Move> result;
    for (const JournalMove& move : moves)
        if (move.side == side) result.push_back(move.move);
    return result;
}

int32_t SavedGame::ClockSeconds() const { return moves.empty() ? 0 : moves.back().seconds; }

bool SavedGame::ComputerFoundNumber() const {
    return std::any_of(moves.begin(), moves.end(),
                       [](const JournalMove& m) { return m.side == Side::Computer && m.move.answer.exact == 4; });
}

Side SavedGame::NextToMove() const {
    if (ComputerFoundNumber()) return Side::User;
    const auto player =
        std::count_if(moves.begin(), moves.end(), [](const JournalMove& m) { return m.side == Side::User; });
    const auto computer = static_cast<std::ptrdiff_t>(moves.size()) - player;
    return player > computer ? Side::Computer : Side::User;
}

bool IsResumable(const SavedGame& saved) {
    const GameRecord& game = saved.game;
    if (IsNetworkMode(game.mode)) return false;  // a duel over the network cannot be taken up alone
    if (CheckNumber(game.computerNumber)) return false;
    const bool typed = game.mode == GameMode::Typed;
    if (typed ? CheckNumber(game.playerNumber).has_value() : !game.playerNumber.empty()) return false;
    for (const JournalMove& move : saved.moves) {
        const Move& m = move.move;
        if (CheckNumber(m.guess)) return false;
        const Score& a = m.answer;
        if (a.exact < 0 || a.partial < 0 || a.exact + a.partial > 4 || (a.exact == 3 && a.partial == 1)) return false;
        if (move.side == Side::User && (a.exact == 4 || ScoreGuess(m.guess, game.computerNumber) != a)) return false;
        if (move.side == Side::Computer && typed && ScoreGuess(m.guess, game.playerNumber) != a) return false;
    }
    CandidateList candidates{};
    return RebuildCandidateList(candidates, saved.MovesOf(Side::Computer)) > 0;
}

}  // namespace duel
