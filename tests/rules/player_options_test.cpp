// Tests of the text of the player's own choices: which lines and values it takes.
#include "rules/player_options.h"

#include <gtest/gtest.h>

#include <string>

namespace duel {
namespace {

TEST(PlayerOptions, TakesOnlyTheTwoKeysWithAValueItKnows) {
    struct Case {
        const char* text;
        PlayerOptions read;
    };
    const Case cases[] = {
        {"[options]\nhint=true\nstrong=false\n", {true, false, ""}},
        {"[options]\r\n  strong = 1 \r\nhint=0\r\n", {false, true, ""}},          // spaces and CR line ends
        {"hint=true\nhint=false\nstrong=false\nstrong=true", {false, true, ""}},  // the last line counts
        {"hint=yes\nstrong=\x01\x02\nhint=tru\x80", {}},                          // values it does not know
        {"xhint=true\nHint=true\nstrong\ntrue\n=true\n", {}},                     // keys it does not know
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePlayerOptions(c.text), c.read) << c.text;
}

// The name of duels over the network: kept as typed, written only when it reads back whole.
TEST(PlayerOptions, TheNameIsKeptAsTypedAndNothingElseGetsIn) {
    EXPECT_EQ(ParsePlayerOptions("name=Ира\r\n").name, "Ира");
    EXPECT_EQ(ParsePlayerOptions("name= Ира Петровна ").name, " Ира Петровна ");
    EXPECT_EQ(ParsePlayerOptions("name=Ира\x01").name, "");                                       // a control character
    EXPECT_EQ(ParsePlayerOptions("name=" + std::string(kMaxPlayerNameBytes + 1, 'a')).name, "");  // too long
    const PlayerOptions named{true, false, "Ира"};
    EXPECT_EQ(ParsePlayerOptions(PlayerOptionsText(named)), named);
    const std::string smuggled = PlayerOptionsText({false, false, "Ира\nhint=true"});
    EXPECT_EQ(ParsePlayerOptions(smuggled), PlayerOptions{});
}

}  // namespace
}  // namespace duel
