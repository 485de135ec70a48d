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
        {"[options]\nhint=true\nstrong=false\n", {true, false}},
        {"[options]\r\n  strong = 1 \r\nhint=0\r\n", {false, true}},          // spaces and CR line ends
        {"hint=true\nhint=false\nstrong=false\nstrong=true", {false, true}},  // the last line counts
        {"hint=yes\nstrong=\x01\x02\nhint=tru\x80", {}},                      // values it does not know
        {"xhint=true\nHint=true\nstrong\ntrue\n=true\n", {}},                 // keys it does not know
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePlayerOptions(c.text), c.read) << c.text;
}

}  // namespace
}  // namespace duel
