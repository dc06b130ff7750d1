// Positions from games of random legal moves, for tests that compare two
// ways of computing the same thing over many positions.
#pragma once

#include "engine/board.h"

#include <random>
#include <vector>

// Every position of `games` random games of at most `max_plies` plies,
// including the final one.
inline std::vector<Board> RandomPositions(unsigned seed, int games, int max_plies) {
    std::mt19937 rng(seed);
    std::vector<Board> positions;
    for (int g = 0; g < games; ++g) {
        Board b;
        b.Init();
        positions.push_back(b);
        for (int ply = 0; ply < max_plies; ++ply) {
            Move moves[kMaxMoves];
            const int n = b.GenMoves(moves, kMaxMoves);
            if (n == 0 || b.CurrentHasLost()) break;
            b.DoMove(moves[rng() % n]);
            positions.push_back(b);
        }
    }
    return positions;
}
