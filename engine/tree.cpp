#include "tree.h"

#include "endgame/endgame.h"
#include "leafscore.h"
#include "master.h"
#include "movegen.h"

#include <cassert>
#include <cstdlib>
#include <typeinfo>

namespace {

// Bounds of the root window; no score reaches them.
constexpr double kInfinity = 99999.9;
// Base score of a lost game. Adding the remaining depth makes the winner
// prefer the quickest win and the loser the slowest loss.
constexpr double kLoss = 9999.9;
// A truncated root score beyond this means the game is decided.
constexpr int kDecisive = 100;

double LostScore(const Board& b, int depth) {
    return b.next == 1 ? -kLoss - depth : depth + kLoss;
}

// The move loop of one node: White maximises, Black minimises. The window
// bound of the side to move narrows with every child, whether or not the
// child becomes the best; exact ties go to the new move half the time.
struct MoveLoop {
    bool maximising;
    double alpha, beta, best;
    Move best_move;
    bool found = false;

    MoveLoop(const Board& b, double a, double bt)
        : maximising(b.next == 1), alpha(a), beta(bt), best(maximising ? -kInfinity : kInfinity) {}

    // Tested before each child, against the bound that the parent passed for
    // the other side (fail-soft: the node then returns best).
    bool CutOff() const { return maximising ? best > beta : best < alpha; }

    void Consider(double v, Move m) {
        bool take;
        if (maximising) {
            if (v > alpha) alpha = v;
            take = v > best || (v == best && (rand() & 1));
        } else {
            if (v < beta) beta = v;
            take = v < best || (v == best && (rand() & 1));
        }
        if (take) {
            best = v;
            best_move = m;
            found = true;
        }
    }
};

// Whether b's children may be covered without a capture: from the last
// placement on, where b itself is not (a table of its material missing).
// A capture into the tables on the horizon keeps the static evaluation, so
// that the nodes above the tables keep the fast leaf scoring; the next
// iteration sees that position exactly.
bool ChildrenMayBeCovered(const Board& b, const EndgameTables& tables) {
    return !InPlacingPhase(b.plies + 1) && b.n_white + b.n_black <= tables.maxPieces();
}

// Scores the leaves of every counting search.
CountEval counting;

} // namespace

SearchAlgo CountingSearch(const Board& root, const EndgameTables* tables) {
    SearchAlgo search;
    search.eval = &counting;
    search.board = root;
    search.tables = tables;
    return search;
}

double ExactScore(const Board& b, EndgameValue value, int depth) {
    switch (value.outcome) {
    case Outcome::Loss:
        return LostScore(b, depth - value.plies);
    case Outcome::Win:
        return -LostScore(b, depth - value.plies);
    case Outcome::Draw:
    case Outcome::Unknown:
        break;
    }
    return 0.0;
}

bool PerfectMove(const EndgameTables& tables, const Board& b, Move& m) {
    if (!tables.covers(b)) return false;
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    MoveLoop loop(b, -kInfinity, kInfinity);
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const EndgameValue value = tables.probe(child);
        if (value.outcome == Outcome::Unknown) return false;
        loop.Consider(ExactScore(child, value, 0), moves[i]);
    }
    if (!loop.found) return false;
    m = loop.best_move;
    return true;
}

// Leaf scoring counts bits; processors with a population-count instruction
// get a version of the search that uses it, chosen when the program loads
// (where the toolchain can dispatch so: see the engine's CMakeLists.txt).
#if defined(QUARN_HAVE_TARGET_CLONES) && !defined(__POPCNT__)
__attribute__((target_clones("popcnt", "default"), flatten))
#endif
double
SearchAlgo::Recurse(const Board& b, double alpha, double beta, int depth, Move* m) {
    ++nodes;
    // Master: a position the tables cover has its exact value, and a node
    // whose leaves may be covered without a capture searches them one by one
    // so that each is looked up. Levels 0 to 4 pass this one test.
    bool coveredLeaves = false;
    if (tables != nullptr) {
        if (!m) {
            const EndgameValue value = tables->probe(b);
            if (value.outcome != Outcome::Unknown) return ExactScore(b, value, depth);
        }
        coveredLeaves = depth == 1 && ChildrenMayBeCovered(b, *tables);
    }
    if (depth == 0) {
        const double v = eval->Eval(b);
        assert(!m);
        return v;
    }
    if (b.CurrentHasLost()) {
        assert(!m);
        return LostScore(b, depth);
    }
    if (stop) return 0.0;

    MoveLoop loop(b, alpha, beta);
    if (depth == 1 && !coveredLeaves && typeid(*eval) == typeid(CountEval)) {
        // Most nodes are leaves. With CountEval they are scored straight
        // from this node's piece sets, and the moves are generated one at a
        // time, so that a cut-off skips generating the rest. Node count,
        // values, order and tie-breaks are those of the general loop below.
        MoveCursor candidate(b);
        LeafScorer leafScore(b, candidate);
        bool any = false;
        while (candidate.NextSource()) {
            leafScore.NewSource();
            while (candidate.NextDestination()) {
                const int closed = candidate.MillsClosed();
                PointSet takes = closed != 0 ? Takeable(candidate.opponent) : 0;
                do {
                    if (loop.CutOff()) return loop.best;
                    const int take = takes != 0 ? std::countr_zero(takes) : -1;
                    ++nodes;
                    const double v = leafScore(closed, take);
                    if (stop) return 0.0;
                    loop.Consider(v, Move(candidate.start, candidate.end, take));
                    any = true;
                    takes &= takes - 1;
                } while (takes != 0);
            }
        }
        if (!any) {
            assert(!m);
            return LostScore(b, depth);
        }
    } else {
        Move moves[kMaxMoves];
        const int n_moves = b.GenMoves(moves, kMaxMoves);
        if (n_moves == 0) {
            // A side that cannot move has lost.
            assert(!m);
            return LostScore(b, depth);
        }
        // The assertion keeps its literal text; the bound is the list's size.
        static_assert(kMaxMoves == 200);
        assert(n_moves<200);
        Board child;
        for (int i = 0; i < n_moves; ++i) {
            if (loop.CutOff()) return loop.best;
            child = b;
            child.DoMove(moves[i]);
            const double v = Recurse(child, loop.alpha, loop.beta, depth - 1, nullptr);
            if (stop) return 0.0;
            loop.Consider(v, moves[i]);
        }
    }
    const bool move_found = loop.found;
    assert(move_found);
    if (m) *m = loop.best_move;
    return loop.best;
}

Move SearchAlgo::ComputerMove(int budget) {
    if (millis > 0) return MasterMove(*this, millis);
    stop = false;
    nodes = 0;
    Move best;
    best.Reset();
    last_score = 0.0;
    last_depth = 0;
    if (tables != nullptr && PerfectMove(*tables, board, best)) return best;
    for (int depth = 2;; ++depth) {
        // The first iteration always runs, so even a budget of 0 or less
        // yields a legal move.
        if (depth > 2 && nodes >= budget) return best;
        const double v = Recurse(board, -kInfinity, kInfinity, depth, &best);
        last_score = v;
        last_depth = depth;
        if (std::abs(static_cast<int>(v)) > kDecisive) return best;
        if (stop) {
            Move none;
            none.Reset();
            return none;
        }
    }
}

int SearchAlgo::MaxDepth(int budget) {
    std::int64_t spent = 0;
    int depth = 2;
    for (; (spent += depth + 1) < budget; ++depth) {
    }
    return depth;
}
