// Retrograde analysis of one material and its mirror (the side to move's
// and the other side's counts swapped), whose positions move into each
// other; captures lead to smaller materials solved before.
#pragma once

#include "engine/endgame/indexing.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace endgame {

// The solved tables of the smaller materials, by [mover][other]; each
// points at the entry bytes of the material (tablefile.h).
struct SolvedTables {
    const std::uint8_t* entries[10][10] = {};
};

// What a solved table holds, over its positions after symmetry.
struct TableSummary {
    std::uint64_t positions = 0, wins = 0, draws = 0, losses = 0;
    int longestWin = 0, longestLoss = 0;
};

struct SolvedMaterial {
    int mover = 0, other = 0;
    std::vector<std::uint8_t> entries;
    TableSummary summary;
};

// Told, from any of the solving threads, the work done so far: positions
// counted at the start, then positions resolved, up to twice the pair's
// positions.
using SolveProgress = std::function<void(std::uint64_t done)>;

// Solves (a, b) and (b, a), one material when a == b, on `threads` threads;
// the tables do not depend on their number. The indexing must be prepared
// for every count involved and `smaller` must hold every material that a
// capture reaches. Returns false with a message in error when a distance does
// not fit an entry byte.
bool SolvePair(const Indexing& ix, int a, int b, const SolvedTables& smaller,
               std::vector<SolvedMaterial>& solved, std::string& error, int threads = 1,
               const SolveProgress& progress = {});

} // namespace endgame
