// The game state is the program's: while one session plays it, a second
// session, which would start a game over the first one's, cannot be made.

#include "ui/gamesession.h"

#include <gtest/gtest.h>

TEST(GameSessionDeathTest, ASecondSessionWhileOneLivesIsRefused) {
    { GameSession once; } // one after another is fine
    GameSession first;
    EXPECT_DEATH(GameSession second, "only one GameSession");
}
