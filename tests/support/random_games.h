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

// The moves of a random legal game of exactly `plies` plies, for tests of
// long games. It is made to last: no move that captures while another
// would do, none that leaves the opponent lost; a game that ends early all
// the same is played again, on from where the random numbers stand.
inline std::vector<Move> LongRandomGame(unsigned seed, int plies) {
    for (std::mt19937 rng(seed);;) {
        std::vector<Move> game;
        Board b;
        b.Init();
        while (static_cast<int>(game.size()) < plies) {
            Move moves[kMaxMoves], lasting[kMaxMoves];
            const int n = b.GenMoves(moves, kMaxMoves);
            if (n == 0 || b.CurrentHasLost()) break;
            int kept = 0;
            for (int i = 0; i < n; ++i) {
                Board child = b;
                child.DoMove(moves[i]);
                Move replies[kMaxMoves];
                if (moves[i].take < 0 && !child.CurrentHasLost() &&
                    child.GenMoves(replies, kMaxMoves) > 0)
                    lasting[kept++] = moves[i];
            }
            const Move m = kept > 0 ? lasting[rng() % kept] : moves[rng() % n];
            b.DoMove(m);
            game.push_back(m);
        }
        if (static_cast<int>(game.size()) == plies) return game;
    }
}
