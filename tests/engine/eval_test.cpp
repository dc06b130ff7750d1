// The static evaluation: its terms, their weights and the exact doubles.
#include "engine/eval.h"
#include "engine/leafscore.h"
#include "support/positions.h"
#include "support/random_games.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

double Eval(const Board& b) {
    CountEval counting;
    Evaluator& evaluator = counting;
    return evaluator.Eval(b);
}

// The evaluation computed the plain way, point by point and mill by mill,
// adding in the one order that gives the engine's doubles.
double PlainEval(const Board& b) {
    const double material = b.n_white - b.n_black;
    double mobility = 0.0;
    for (int i = 0; i < 24; ++i) {
        if (b.board[i] == 1) mobility += b.Freedom(i);
        if (b.board[i] == -1) mobility -= b.Freedom(i);
    }
    const double crossing = b.board[9] + b.board[11] + b.board[13] + b.board[15];
    double mills = 0.0;
    for (const auto& m : milltab_short)
        if (b.board[m[0]] == b.board[m[1]] && b.board[m[0]] == b.board[m[2]])
            mills += b.board[m[0]];
    return ((material + mobility * 0.3) + crossing * 0.2) + mills * 0.4;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Eval, KnownPositions) {
    EXPECT_EQ(0.0, Eval(Position("........................", 0)));
    // 1 + 4 * 0.3 gives 2.2, and 2.2 + 0.2 rounds to 2.4000000000000004.
    EXPECT_TRUE(SameBits(2.4000000000000004, Eval(Pieces("b2", "", 1))));
    EXPECT_NE(2.4, Eval(Pieces("b2", "", 1)));
    EXPECT_TRUE(SameBits(0.8, Eval(Pieces("b2", "a1", 2))));
    EXPECT_TRUE(SameBits(-0.5, Eval(Pieces("a1 a2 a3", "b2 b6", 5))));
}

TEST(Eval, IgnoresTheSideToMoveAndIsAntisymmetric) {
    for (const Board& b : RandomPositions(11, 40, 120)) {
        Board other = b;
        other.next = static_cast<signed char>(-b.next);
        ASSERT_TRUE(SameBits(Eval(b), Eval(other)));

        Board swapped = b;
        for (auto& p : swapped.board) p = static_cast<std::int16_t>(-p);
        std::swap(swapped.n_white, swapped.n_black);
        ASSERT_EQ(-Eval(b), Eval(swapped)); // 0.0 and -0.0 count as equal
    }
}

TEST(Eval, EqualsThePlainComputationBitForBit) {
    int positions = 0;
    for (const Board& b : RandomPositions(12, 300, 200)) {
        ASSERT_TRUE(SameBits(PlainEval(b), Eval(b))) << positions;
        ++positions;
    }
    EXPECT_GT(positions, 10000);
}

TEST(Eval, ChildrenScoredFromTheParentMatchAFullEvaluation) {
    // The search scores its leaves from the parent's piece sets; every child
    // of every position must get exactly the value of its own evaluation.
    long children = 0;
    for (const Board& b : RandomPositions(13, 200, 200)) {
        MoveCursor c(b);
        LeafScorer score(b, c);
        while (c.NextSource()) {
            score.NewSource();
            while (c.NextDestination()) {
                const int closed = c.MillsClosed();
                PointSet takes = closed != 0 ? Takeable(c.opponent) : 0;
                do {
                    const int take = takes != 0 ? std::countr_zero(takes) : -1;
                    Board child = b;
                    child.DoMove(Move(c.start, c.end, take));
                    ASSERT_TRUE(SameBits(Eval(child), score(closed, take)))
                        << MoveWord(Move(c.start, c.end, take)) << " after ply " << b.plies;
                    ++children;
                    takes &= takes - 1;
                } while (takes != 0);
            }
        }
    }
    EXPECT_GT(children, 200000);
}

TEST(Eval, SharedEmptyNeighbourCancelsOut) {
    // a1 and a3 share the empty a2; a1 also sees a8, a3 sees a4.
    EXPECT_EQ(0.0, Eval(Pieces("a1", "a3", 2)));
    // A piece without an empty neighbour adds nothing to mobility.
    EXPECT_TRUE(SameBits(PlainEval(Pieces("a1", "a2 a8", 5)), Eval(Pieces("a1", "a2 a8", 5))));
}

} // namespace
