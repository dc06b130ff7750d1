// The text forms of points, moves and positions, read and written by one
// module: what is written reads back, and text that names nothing is refused.
#include "support/positions.h"
#include "support/random_games.h"

#include <gtest/gtest.h>

namespace {

TEST(Notation, EveryPointHasOneNameAndOtherNamesNoPoint) {
    for (int p = 0; p < 24; ++p) EXPECT_EQ(p, PointNamed(PointName(p))) << p;
    EXPECT_EQ("a1", PointName(0));
    EXPECT_EQ("c8", PointName(23));
    for (const char* name : {"a0", "a9", "d1", "A1", "", "a"})
        EXPECT_EQ(-1, PointNamed(name)) << name;
}

TEST(Notation, TextNamesALegalMoveOnlyWithItsCapture) {
    const Board b = Pieces("a1 a2", "b1 b2", 4);
    MoveTextFault fault{};
    EXPECT_EQ(Move(-1, 2, 8), LegalMoveNamed(b, "a3-b1"));
    EXPECT_FALSE(LegalMoveNamed(b, "a3", &fault)); // closes a mill, so it must capture
    EXPECT_EQ(MoveTextFault::NotLegal, fault);
    EXPECT_FALSE(LegalMoveNamed(b, "a3-b1 ", &fault));
    EXPECT_EQ(MoveTextFault::NotAMove, fault);
    EXPECT_FALSE(LegalMoveNamed(Pieces("a1 a2", "b1 b2 b4", 18), "a2a3", &fault)); // down to two
    EXPECT_EQ(MoveTextFault::GameOver, fault);
}

TEST(Notation, PositionsReadBackAndImpossibleOnesAreRefused) {
    std::string problem;
    for (const Board& b : RandomPositions(7, 20, 300))
        EXPECT_EQ(b, ReadPosition(PositionText(b), problem)) << PositionText(b);
    EXPECT_FALSE(ReadPosition("WW......B............... w 2", problem));
    EXPECT_EQ("position: more pieces on the board than placed in 2 plies", problem);
    EXPECT_FALSE(ReadPosition("........................  w 0", problem));
}

} // namespace
