// Which moves a position offers, and in which order.
#include "support/positions.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(Placing, InitialPositionOffersEveryPointInOrder) {
    Move moves[kMaxMoves];
    const Board b = Position("........................", 0);
    ASSERT_EQ(24, b.GenMoves(moves, kMaxMoves));
    for (int i = 0; i < 24; ++i) EXPECT_EQ(Move(-1, i, -1), moves[i]);
}

TEST(Placing, MillClosingPlacementComesOncePerCapture) {
    const Texts texts = MoveTexts(Pieces("a1 a2", "b1 b2", 4));
    ASSERT_EQ(21u, texts.size());
    EXPECT_EQ("a3-b1", texts[0]);
    EXPECT_EQ("a3-b2", texts[1]);
    EXPECT_EQ("a4", texts[2]);
    EXPECT_EQ("a8", texts[6]);
    EXPECT_EQ("b3", texts[7]);
    EXPECT_EQ("c8", texts[20]);
}

TEST(Placing, PiecesInMillsAreSafeUnlessAllAre) {
    const Texts allInMill = MoveTexts(Pieces("a1 a2", "b1 b2 b3", 6));
    EXPECT_EQ((Texts{"a3-b1", "a3-b2", "a3-b3", "a4"}),
              Texts(allInMill.begin(), allInMill.begin() + 4));
    const Texts withFree = MoveTexts(Pieces("a1 a2", "b1 b2 b3 c5", 8));
    EXPECT_EQ("a3-c5", withFree[0]);
    EXPECT_EQ("a4", withFree[1]);
}

TEST(Moving, ASlideCannotCloseTheMillOfItsOwnLine) {
    Board b = Pieces("c1 c2 a1 a5", "a3 b3 b5 a7", 18);
    EXPECT_FALSE(b.WouldCloseMill(17, 18));
    EXPECT_TRUE(b.WouldCloseMill(-1, 18));
    EXPECT_TRUE(b.WouldCloseMill(19, 18));
    const Texts texts = MoveTexts(b);
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "c2c3"));

    // A piece that leaves a mill and comes back closes it again.
    EXPECT_EQ((Texts{"a5a4", "a5a6", "c1c8", "c2c3", "c2b2", "c4c3-a3", "c4c3-a7", "c4c3-b3",
                     "c4c3-b5", "c4b4", "c4c5"}),
              MoveTexts(Pieces("c1 c2 c4 a5", "a3 b3 b5 a7", 18)));
}

TEST(Moving, SlidesFollowTheNeighbourOrder) {
    const Texts texts = MoveTexts(Pieces("b8 a1 a3 a5", "c3 c5 b3 b5", 20));
    // a1 slides first (ascending start), then a3, a5, then b8 to c8, b7, b1, a8.
    EXPECT_EQ(
        (Texts{"a1a2", "a1a8", "a3a2", "a3a4", "a5a4", "a5a6", "b8c8", "b8b7", "b8b1", "b8a8"}),
        texts);
}

TEST(Moving, ThreePiecesFlyFourPiecesSlide) {
    const Board flying = Pieces("a1 b2 c7", "a3 b4 c5 a6", 30);
    const Texts texts = MoveTexts(flying);
    ASSERT_EQ(3u * 17u, texts.size());
    EXPECT_EQ("a1a2", texts[0]);
    EXPECT_EQ("a1a4", texts[1]);
    EXPECT_EQ("b2c8", texts[16 + 17]);

    // Four pieces only slide; the opponent's count of three does not matter.
    EXPECT_EQ(Texts({"a1a2", "a1a8", "b2b1", "b2a2", "b2b3", "b2c2", "c7c6", "c8c1", "c8b8"}),
              MoveTexts(Pieces("a1 b2 c7 c8", "a3 b4 c5", 30)));
}

TEST(Moving, BlockedSideHasNoMove) {
    // White's four pieces are all hemmed in by Black.
    const Board b = Pieces("a1 a2 a3 b2", "a4 a8 b1 b3 c2", 30);
    EXPECT_TRUE(MoveTexts(b).empty());
}

TEST(Moving, FreedomCountsEmptyNeighbours) {
    const Board b = Position("........................", 0);
    EXPECT_EQ(2, b.Freedom(0));
    EXPECT_EQ(3, b.Freedom(1));
    EXPECT_EQ(4, b.Freedom(9));
    EXPECT_EQ(1, Pieces("a1", "b2", 2).Freedom(1));
}

TEST(Moving, IsInMillLooksAtBothMillsOfAPoint) {
    const Board b = Pieces("a1 a2 a3 c2", "b1 b2", 8);
    EXPECT_TRUE(b.IsInMill(0));
    EXPECT_TRUE(b.IsInMill(1));
    EXPECT_FALSE(b.IsInMill(17));
    EXPECT_FALSE(b.IsInMill(8));
}

} // namespace
