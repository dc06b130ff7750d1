// The solver behind SolvePlacing, open to the code that proves the whole
// placing phase once (placingbook.cpp): its scores, its position keys, its
// transposition table and its search.
#pragma once

#include "board.h"
#include "endgame/endgame.h"
#include "endgame/placingbook.h"
#include "placing.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace placing {

// Scores for the side to move, by the game ply at which the game ends with
// best play: a win ending at ply e scores kWin - e, a loss -(kWin - e), a
// draw 0. The ply is the game's, not the distance from the node, so a score
// means the same wherever the position is met and a child's score is the
// parent's by plain negation. Table distances stay far below kWin.
inline constexpr int kWin = 1000;
inline constexpr int kInfinity = kWin + 1;

int ScoreOf(EndgameValue v, int plies);
EndgameValue ValueOf(int score, int plies);

// A position reduced by the board's symmetries: the least (White, Black)
// pair of point sets over the 16 images, with the ply (which fixes the side
// to move and the pieces in hand), and the symmetry that gives it.
struct Canonical {
    std::uint64_t key;
    int symmetry;
};
// Key layout: bit 63 set (so that 0 is no key), bits 48..52 the ply, bits
// 24..47 White's points, bits 0..23 Black's, all after the symmetry.
Canonical CanonicalOf(const Board& b);
// Point p's image under symmetry s; no point (-1) stays none.
int MapPoint(int s, int p);

// What a stored score says of the position's score: exact, at least, at most.
enum Bound : std::uint8_t { kExact, kLower, kUpper };

// One position's result: the key, the score and its bound, and the best (or
// refuting) placement in the key's orientation.
struct Entry {
    std::uint64_t key;
    std::int16_t score;
    std::uint8_t bound;
    signed char end, take;
};
static_assert(sizeof(Entry) == 16);

// What is known of a position's score before it is searched: bounds (the
// score lies in [lower, upper]) and the move to try first.
struct Known {
    int lower = -kInfinity, upper = kInfinity;
    Move move{-1, -1, -1};
};

// The table of a solver for the game's own solves: 2^21 entries, 32 MB.
inline constexpr std::size_t kSolverEntries = std::size_t{1} << 21;

// One solver: its transposition table and the state of the search running
// in it. Entries hold values proved for the game itself, which no table or
// later search can change, so the table is kept from one solve to the next.
// The tables' placing book, where they have one, answers for the positions
// it holds before any search.
class Solver {
public:
    // A table of `entries` entries, a power of two of at least 2.
    explicit Solver(std::size_t entries = kSolverEntries);

    PlacingSolution Solve(const EndgameTables& tables, const Board& b, const SolveLimits& limits);
    int Keeping(const EndgameTables& tables, const Board& b, EndgameValue value,
                const SolveLimits& limits, Move* keeping);
    // b's fail-soft score within the window (alpha, beta) into score; false
    // when the limits cut the search short.
    bool Prove(const EndgameTables& tables, const Board& b, int alpha, int beta,
               const SolveLimits& limits, int& score);
    // The stored entry of the position of key, null when there is none.
    const Entry* Find(std::uint64_t key) const;
    std::size_t entries() const { return mask_ + 1; }
    const Entry* table() const { return table_.get(); }
    // Puts e in the table as Store would.
    void Put(const Entry& e);
    std::int64_t nodes() const { return nodes_; }
    // Whether the last search met a position that nothing values.
    bool uncovered() const { return uncovered_; }
    // From the table and the book, in b's own orientation.
    Known KnownOf(const Canonical& c) const;

private:
    void Begin(const EndgameTables& tables, const SolveLimits& limits);
    int Search(const Board& b, int alpha, int beta, Move* best);
    int Leaf(const Board& b);
    int KnownCutOff(const Board& b, const Move* moves, int n, int beta) const;
    bool OutOfLimits();
    // Orders moves[0..n) best first; within each group of OrderMoves, the
    // placements that make more threats, then those that cut off more often
    // (counted by point and side).
    void Order(const Board& b, Move* moves, int n, const Move& first) const;
    Entry* Bucket(std::uint64_t key) const;
    void Store(const Canonical& c, int score, Bound bound, const Move& m);

    std::unique_ptr<Entry[], decltype(&std::free)> table_;
    std::size_t mask_;        // entries - 1
    int shift_;               // 64 - log2(entries): the hash's bits that pick a bucket
    int history_[2][24] = {}; // [side to move is Black][point]
    const EndgameTables* tables_ = nullptr;
    const PlacingBook* book_ = nullptr;
    SolveLimits limits_;
    std::int64_t nodes_ = 0;
    bool aborted_ = false;
    bool uncovered_ = false;
};

} // namespace placing
