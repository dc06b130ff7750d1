// The exact value of a position of the placing phase: every line is searched
// to the end of the placing phase, where the endgame tables value the
// position reached. No toolkit; any number of threads may solve at once.
#pragma once

#include "board.h"
#include "endgame/endgame.h"

#include <chrono>
#include <cstdint>
#include <limits>

// When a solve gives up: at the deadline, after this many nodes, or once
// *stop is true (looked at every few hundred nodes).
struct SolveLimits {
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    std::int64_t nodes = std::numeric_limits<std::int64_t>::max();
    const bool* stop = nullptr;
};

// How long the hint and the game review let a placing position be solved
// before they ask the search instead: short enough to keep them responsive.
inline constexpr int kQuickSolveMillis = 250;

// Limits of `millis` milliseconds from now.
SolveLimits Within(int millis, const bool* stop = nullptr);

struct PlacingSolution {
    // Unknown when a line reaches a position that no table covers, or the
    // limits were reached first.
    EndgameValue value;
    // With a known value and a placing root: a move that keeps it, the
    // quickest win or the slowest loss. Empty otherwise.
    Move best{-1, -1, -1};
    std::int64_t nodes = 0; // positions visited
};

// The value of b for its side to move. Outside the placing phase, the
// tables' value (or the rules', for a side left with two pieces or none
// able to move), without a move.
PlacingSolution SolvePlacing(const EndgameTables& tables, const Board& b,
                             const SolveLimits& limits);

// The moves of b, a placing position whose value for its side to move is
// `value` (as SolvePlacing found it), that keep that value: written to
// keeping (room for kMaxMoves), in generation order. Returns their count, 0
// when the limits cut the search short.
int KeepingMoves(const EndgameTables& tables, const Board& b, EndgameValue value,
                 const SolveLimits& limits, Move* keeping);

// The value of a position past the placing phase: the tables', or the
// rules' where the tables hold none (a side down to two pieces, a side to
// move that cannot move). Unknown elsewhere.
EndgameValue MovingValue(const EndgameTables& tables, const Board& b);

// Where the tables' placing book holds b with the move that proves its lower
// bound: that move, which keeps at least that bound (a draw, in a game that
// has stayed on the book's lines). False where the book has no such move.
bool BookMove(const EndgameTables& tables, const Board& b, Move& move);

// The exact value of b and a move that keeps it: from the tables in the
// moving phase (PerfectMove), from SolvePlacing within limits while placing.
// False, and value and move untouched, where neither settles b.
bool ExactMove(const EndgameTables& tables, const Board& b, const SolveLimits& limits,
               EndgameValue& value, Move& move);
