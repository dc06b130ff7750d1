// Thousands of games, random and searched, checking after every move that
// positions stay sound and that the legal-move list is exactly what the
// rules allow, computed here the plain way from the mill list.
#include "engine/tree.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <tuple>

namespace {

// Whether the piece on p stands in a closed mill, by scanning the 16 mills.
bool InClosedMill(const Board& b, int p) {
    for (const auto& m : milltab_short)
        if ((m[0] == p || m[1] == p || m[2] == p) && b.board[m[0]] == b.board[p] &&
            b.board[m[1]] == b.board[p] && b.board[m[2]] == b.board[p])
            return true;
    return false;
}

// The legal moves by the rules, in generation order: the side to move puts
// a piece on the board, moves it along a line or, with three pieces left,
// anywhere; arriving in a mill captures a piece outside mills, or any piece
// when all stand in mills.
std::vector<Move> RuleMoves(const Board& b) {
    std::vector<Move> moves;
    const auto add = [&](int s, int d) {
        Board after = b;
        if (s >= 0) after.board[s] = 0;
        after.board[d] = b.next;
        if (!InClosedMill(after, d)) {
            moves.emplace_back(s, d, -1);
            return;
        }
        std::vector<int> free, all;
        for (int p = 0; p < 24; ++p) {
            if (b.board[p] != -b.next) continue;
            all.push_back(p);
            if (!InClosedMill(b, p)) free.push_back(p);
        }
        for (int t : free.empty() ? all : free) moves.emplace_back(s, d, t);
    };
    const int own = b.next == 1 ? b.n_white : b.n_black;
    for (int s = 0; s < 24; ++s) {
        if (b.InPlacingPhase()) {
            if (b.board[s] == 0) add(-1, s);
        } else if (b.board[s] == b.next) {
            for (int d = 0; d < 24; ++d)
                if (b.board[d] == 0 && own == 3) add(s, d);
            if (own != 3)
                for (int x : neighbour[s])
                    if (x >= 0 && b.board[x] == 0) add(s, x);
        }
    }
    return moves;
}

enum Phase { kPlacing, kMoving, kFlying };

struct Largest {
    int list[3] = {0, 0, 0};
    void Note(const Board& b, int n) {
        const int own = b.next == 1 ? b.n_white : b.n_black;
        const Phase phase = b.InPlacingPhase() ? kPlacing : own == 3 ? kFlying : kMoving;
        list[phase] = std::max(list[phase], n);
    }
};

// Checks the position and its move list; returns the number of moves.
int CheckPosition(const Board& b, Move* moves, Largest& largest) {
    int white = 0, black = 0;
    for (int v : b.board) {
        EXPECT_TRUE(v == 0 || v == 1 || v == -1);
        white += v == 1;
        black += v == -1;
    }
    EXPECT_EQ(white, b.n_white);
    EXPECT_EQ(black, b.n_black);
    EXPECT_LE(white, 9);
    EXPECT_LE(black, 9);
    EXPECT_EQ(b.plies % 2 == 0 ? 1 : -1, b.next);

    const int n = b.GenMoves(moves, kMaxMoves);
    EXPECT_LT(n, kMaxMoves);
    largest.Note(b, n);
    const std::vector<Move> rules = RuleMoves(b);
    EXPECT_EQ(rules.size(), static_cast<std::size_t>(n));
    std::set<std::tuple<int, int, int>> seen;
    for (int i = 0; i < n && i < static_cast<int>(rules.size()); ++i) {
        EXPECT_EQ(rules[i], moves[i]) << "entry " << i;
        EXPECT_TRUE(seen.emplace(moves[i].start, moves[i].end, moves[i].take).second);
        if (moves[i].take >= 0) {
            EXPECT_TRUE(b.WouldCloseMill(moves[i].start, moves[i].end));
        }
    }
    return n;
}

// The game is over exactly when the side to move has two pieces once the
// placing phase is over, or no move.
bool Over(const Board& b, int n) {
    const int own = b.next == 1 ? b.n_white : b.n_black;
    EXPECT_EQ(!b.InPlacingPhase() && own == 2, b.CurrentHasLost());
    return b.CurrentHasLost() || n == 0;
}

void Report(const char* what, int games, long plies, const Largest& l) {
    std::printf("%s: %d games, %ld plies; largest move list placing %d, moving %d, flying %d\n",
                what, games, plies, l.list[kPlacing], l.list[kMoving], l.list[kFlying]);
}

TEST(Soak, RandomGames) {
    constexpr int kGames = 2000;
    Largest largest;
    long plies = 0;
    for (int game = 0; game < kGames; ++game) {
        std::mt19937 rng(1000 + game);
        Board b = Position("........................", 0);
        for (int ply = 0; ply < 600; ++ply, ++plies) {
            Move moves[kMaxMoves];
            const int n = CheckPosition(b, moves, largest);
            if (Over(b, n)) break;
            b.DoMove(moves[rng() % n]);
            if (HasFailure()) FAIL() << "game " << game << " ply " << ply;
        }
    }
    Report("random", kGames, plies, largest);
}

TEST(Soak, SearchAgainstItselfAtTheLowestLevels) {
    constexpr int kGames[2] = {200, 60};
    Largest largest;
    long plies = 0;
    SearchAlgo algo = CountingSearch(Board{});
    for (int level = 0; level < 2; ++level) {
        for (int game = 0; game < kGames[level]; ++game) {
            srand(static_cast<unsigned>(7 + game));
            Board b = Position("........................", 0);
            // Random openings make the games differ.
            std::mt19937 rng(game);
            for (int ply = 0; ply < 60; ++ply, ++plies) {
                Move moves[kMaxMoves];
                const int n = CheckPosition(b, moves, largest);
                if (Over(b, n)) break;
                algo.board = b;
                const Move m = ply < 4 ? moves[rng() % n] : algo.ComputerMove(level2nodes[level]);
                ASSERT_NE(moves + n, std::find(moves, moves + n, m));
                b.DoMove(m);
                if (HasFailure()) FAIL() << "level " << level << " game " << game << " ply " << ply;
            }
        }
    }
    Report("search", kGames[0] + kGames[1], plies, largest);
}

} // namespace
