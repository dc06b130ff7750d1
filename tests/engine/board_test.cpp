// The board's topology, positions, moves and their text form.
#include "support/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEST(Topology, MillTableIsFilledBeforeAnyCallAndInitMillTabKeepsIt) {
    // Within a slot the two points keep their order in the mill.
    EXPECT_EQ(17, milltab[1][1][0]);
    EXPECT_EQ(9, milltab[1][1][1]);
    EXPECT_EQ(17, milltab[9][1][0]);
    EXPECT_EQ(1, milltab[9][1][1]);
    const MillTab built = milltab;
    InitMillTab();
    EXPECT_EQ(built, milltab);
}

TEST(Topology, LinesJoinPointsSymmetricallyAndEachLiesOnOneMill) {
    int pairs = 0;
    for (int p = 0; p < 24; ++p) {
        const int degree = static_cast<int>(std::count_if(
            std::begin(neighbour[p]), std::end(neighbour[p]), [](int x) { return x >= 0; }));
        // Only the middle square's side middles have four neighbours.
        EXPECT_EQ(degree, p == 9 || p == 11 || p == 13 || p == 15 ? 4 : (p & 1) ? 3 : 2) << p;
        for (int i = 0; i < degree; ++i) {
            const int q = neighbour[p][i];
            EXPECT_NE(std::end(neighbour[q]),
                      std::find(std::begin(neighbour[q]), std::end(neighbour[q]), p));
            int mills = 0;
            for (const auto& mill : milltab_short)
                for (int k = 0; k < 2; ++k)
                    mills +=
                        (mill[k] == p && mill[k + 1] == q) || (mill[k] == q && mill[k + 1] == p);
            EXPECT_EQ(1, mills) << p << "-" << q;
            pairs += p < q;
        }
    }
    EXPECT_EQ(32, pairs);
}

TEST(Position, InitialPositionAndFirstPlacement) {
    Board b;
    b.Init();
    EXPECT_EQ(Position("........................", 0), b);
    b.DoMove(Move(-1, 0, -1));
    EXPECT_EQ(1, b.board[0]);
    EXPECT_EQ(-1, b.next);
    EXPECT_EQ(1, b.n_white);
    EXPECT_EQ(0, b.n_black);
    EXPECT_EQ(1, b.plies);
}

TEST(Position, CapturesChangeTheCountsInTheSameMove) {
    Board b = Pieces("a1 a2", "b1", 4);
    b.DoMove(Parse("a3-b1"));
    EXPECT_EQ(3, b.n_white);
    EXPECT_EQ(0, b.n_black);
    EXPECT_EQ(0, b.board[8]);

    // A slide with a capture by Black: Black's count stays, White's drops.
    Board m = Pieces("a1 a5 b1 b5", "c1 c2 b8 c5", 23);
    m.DoMove(Parse("c5c3-a1"));
    EXPECT_EQ(4, m.n_black);
    EXPECT_EQ(3, m.n_white);
    EXPECT_EQ(-1, m.board[18]);
    EXPECT_EQ(0, m.board[20]);
    EXPECT_EQ(1, m.next);
}

TEST(Position, EighteenPlacementsEndThePlacingPhase) {
    Board b;
    b.Init();
    for (int p = 0; p < 18; ++p) b.DoMove(Move(-1, (p * 5) % 24, -1)); // 18 distinct points
    EXPECT_EQ(9, b.n_white);
    EXPECT_EQ(9, b.n_black);
    EXPECT_EQ(18, b.plies);
    EXPECT_EQ(1, b.next);
    EXPECT_FALSE(b.InPlacingPhase());
}

TEST(Position, LossByMaterialCountsOnlyOnceThePlacingPhaseIsOver) {
    const std::string two = "WW......BBB.............";
    EXPECT_FALSE(Position(two, kPlacingPlies - 2).CurrentHasLost());
    Board last = Position(two, kPlacingPlies - 1);
    last.next = 1; // White to move with two pieces, still placing
    EXPECT_FALSE(last.CurrentHasLost());
    EXPECT_TRUE(Position(two, kPlacingPlies).CurrentHasLost());
    EXPECT_TRUE(SideToMoveHasLost(Position(two, kPlacingPlies)));
    EXPECT_FALSE(Position("WWW.....BBB.............", 40).CurrentHasLost());

    // The side that has just moved is down to two, whatever the mover holds.
    EXPECT_TRUE(Position("WWW.....BB..............", kPlacingPlies).OpponentHasLost());
    EXPECT_FALSE(Position("WWW.....BB..............", kPlacingPlies - 2).OpponentHasLost());
    EXPECT_FALSE(Position("WWW.....BB..............", kPlacingPlies + 1).OpponentHasLost());
}

TEST(MoveText, WritesPlacementsSlidesAndCaptures) {
    EXPECT_EQ("a1", MoveWord(Move(-1, 0, -1)));
    EXPECT_EQ("a1a2", MoveWord(Move(0, 1, -1)));
    EXPECT_EQ("a3-c5", MoveWord(Move(-1, 2, 20)));
    EXPECT_EQ("b8c8-a5", MoveWord(Move(15, 23, 4)));
    EXPECT_EQ("a8", MoveWord(Move(-1, 7, -1)));
    EXPECT_EQ("b1", MoveWord(Move(-1, 8, -1)));
    EXPECT_EQ("c8", MoveWord(Move(-1, 23, -1)));
}

TEST(MoveText, ParsesEveryFormAndRoundTrips) {
    EXPECT_EQ(Move(-1, 0, -1), Parse("a1"));
    EXPECT_EQ(Move(-1, 0, 9), Parse("a1-b2"));
    EXPECT_EQ(Move(0, 1, -1), Parse("a1a2"));
    EXPECT_EQ(Move(0, 1, 9), Parse("a1a2-b2"));
    EXPECT_EQ(Move(15, 23, 4), Parse("b8c8-a5 trailing text"));

    for (int start = -1; start < 24; ++start)
        for (int end = 0; end < 24; ++end)
            for (int take = -1; take < 24; take += 5) {
                const Move m(start, end, take);
                EXPECT_EQ(m, Parse(MoveWord(m))) << MoveWord(m);
            }
}

TEST(MoveText, EmptyMoveIsJudgedByItsEndAlone) {
    Move m(3, -1, 5);
    EXPECT_TRUE(m.IsEmpty());
    m.Reset();
    EXPECT_EQ(Move(-1, -1, -1), m);
    EXPECT_FALSE(Move(-1, 0, -1).IsEmpty());
}

} // namespace
