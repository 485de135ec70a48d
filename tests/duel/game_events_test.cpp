// What a listener hears of whole games: the start, every move of both sides with the clock, the end.
#include "tests/support/scripted_duel.h"

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

class HeardGames : public ScriptedDuel {};

TEST_F(HeardGames, AListenerHearsEveryGameFromItsStartToItsEndInOrder) {
    // The secret is 1234 (drawn at 0.0); the computer's first guess, drawn at
    // 1/3024, is the second number of the list, 1235: the user's own.
    platform.fractions = {0.0};
    platform.inputs = {QStringLiteral("1235")};
    NewGame(duel);
    Tick(4);
    platform.fractions = {1.5 / kAllNumbers};
    PlayerMove(duel, "5678");
    Tick(2);
    platform.answers = {MsgAnswer::Yes};  // play on alone after the computer's win
    OpponentMove(duel);
    Tick(3);
    PlayerMove(duel, "5679");
    PlayerMove(duel, "5679");  // refused as a repeat: no move
    Tick(1);
    PlayerMove(duel, "1234");

    // A game given up by the next one; a game the computer wins outright; one
    // it wins while the user plays on alone until the next game.
    platform.fractions = {0.0};
    platform.inputs = {QStringLiteral("9876")};
    NewGame(duel);
    platform.fractions = {0.0};
    PlayerMove(duel, "5678");
    for (const MsgAnswer playOn : {MsgAnswer::No, MsgAnswer::Yes}) {
        platform.fractions = {0.0};
        platform.inputs = {QStringLiteral("1235")};
        NewGame(duel);
        platform.fractions = {1.5 / kAllNumbers};
        PlayerMove(duel, "5678");
        platform.answers = {playOn};
        OpponentMove(duel);
    }
    platform.fractions = {0.0};
    platform.inputs = {QStringLiteral("1235")};
    NewGame(duel);

    EXPECT_EQ(events.lines, (std::vector<std::string>{
                                "started typed 1234 1235",
                                "user 5678 0/0 at 4",
                                "computer 1235 4/0 at 6",
                                "user 5679 0/0 at 9",
                                "user 1234 4/0 at 10",
                                "ended: user won after computer",
                                "started typed 1234 9876",
                                "user 5678 0/0 at 0",
                                "ended: abandoned",
                                "started typed 1234 1235",
                                "user 5678 0/0 at 0",
                                "computer 1235 4/0 at 0",
                                "ended: computer won",
                                "started typed 1234 1235",
                                "user 5678 0/0 at 0",
                                "computer 1235 4/0 at 0",
                                "ended: computer won",
                                "started typed 1234 1235",
                            }));
    EXPECT_EQ(platform.unscripted, 0);
}

}  // namespace
}  // namespace duel::testing
