// How many invitations a waiting game takes: per sender, in all, and again once the window has passed.
#include "network/invitation_limiter.h"

#include <gtest/gtest.h>

namespace duel::net {
namespace {

TEST(InvitationLimiter, TakesAFewFromEachSenderAndSoManyInAllWithinTheWindow) {
    InvitationLimiter limiter(2, 3, 1000);
    EXPECT_TRUE(limiter.Take("carol@x", 0));
    EXPECT_TRUE(limiter.Take("carol@x", 10));
    EXPECT_FALSE(limiter.Take("carol@x", 20));  // her third within the window
    EXPECT_TRUE(limiter.Take("dave@x", 30));
    EXPECT_FALSE(limiter.Take("erin@x", 40));  // three in all
    // Refusals are not counted: once the first two have left the window, carol is heard again.
    EXPECT_TRUE(limiter.Take("carol@x", 1005));
    EXPECT_TRUE(limiter.Take("erin@x", 1015));
    EXPECT_FALSE(limiter.Take("frank@x", 1020));
    EXPECT_TRUE(limiter.Take("frank@x", 1035));
}

}  // namespace
}  // namespace duel::net
