// The match between two levels, and Master's search bounded by time.
#include "engine/match.h"
#include "engine/notation.h"
#include "engine/pointset.h"
#include "engine/tree.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>

namespace {

TEST(Match, ASeedPlaysTheSameMatchAndEveryGameIsCounted) {
    MatchSettings s;
    s.white = 1;
    s.black = 0;
    s.games = 5;
    s.seed = 11;
    s.max_plies = 60;
    const MatchResult a = PlayMatch(s), b = PlayMatch(s);
    EXPECT_EQ(s.games, a.white_wins + a.draws + a.black_wins);
    ASSERT_EQ(a.games.size(), b.games.size());
    bool openingsDiffer = false;
    for (std::size_t i = 0; i < a.games.size(); ++i) {
        EXPECT_EQ(a.games[i].winner, b.games[i].winner) << i;
        EXPECT_EQ(a.games[i].plies, b.games[i].plies) << i;
        EXPECT_LE(a.games[i].plies, s.max_plies) << i;
        // A game cut at the limit or by repetition is a draw.
        if (a.games[i].end == GameEnd::Repetition || a.games[i].end == GameEnd::PlyLimit) {
            EXPECT_EQ(0, a.games[i].winner) << i;
        }
        openingsDiffer |= a.games[i].plies != a.games[0].plies;
        // The random opening leaves every piece on the board, no mill in
        // reach and no fork for the side to move: it decides nothing.
        Board opened;
        opened.Init();
        for (int k = 0; k < s.opening_plies; ++k) opened.DoMove(a.games[i].moves[k]);
        EXPECT_EQ(s.opening_plies, opened.n_white + opened.n_black) << i;
        // The points where one more piece of `side` closes a mill.
        const auto closing = [](const Board& b, int side) {
            const auto p = PiecesOf(b);
            const PointSet own = side == 1 ? p.white : p.black;
            PointSet points = 0;
            for (int m = 0; m < 16; ++m)
                if (std::popcount(own & MillSet(m)) == 2 &&
                    std::popcount((p.white | p.black) & MillSet(m)) == 2)
                    points |= MillSet(m) & ~own;
            return points;
        };
        EXPECT_EQ(0u, closing(opened, 1) | closing(opened, -1)) << PositionText(opened);
        Move moves[kMaxMoves];
        const int n = opened.GenMoves(moves, kMaxMoves);
        for (int k = 0; k < n; ++k) {
            Board next = opened;
            next.DoMove(moves[k]);
            EXPECT_LT(std::popcount(closing(next, opened.next)), 2) << PositionText(next);
        }
    }
    EXPECT_TRUE(openingsDiffer);
    EXPECT_EQ(a.MedianPlies(), b.MedianPlies());
}

TEST(Master, ReplyKeepsItsTimeBound) {
    // The position where the node-bounded search ran far past its budget.
    const Board slow = Position("....B..BBBB...BWW.W...W.", 41);
    SearchAlgo algo = CountingSearch(slow);
    algo.millis = 300;
    const auto begin = std::chrono::steady_clock::now();
    const Move m = algo.ComputerMove(0);
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_LT(took, std::chrono::milliseconds(algo.millis + 100));
    EXPECT_GE(algo.last_depth, 4);
    Move moves[kMaxMoves];
    const int n = slow.GenMoves(moves, kMaxMoves);
    EXPECT_NE(moves + n, std::find(moves, moves + n, m));
}

} // namespace
