// Games between two levels of the computer, from varied openings, for
// measuring one level against another. No toolkit.
#pragma once

#include "board.h"
#include "levels.h"

#include <cstdint>
#include <functional>
#include <vector>

class EndgameTables;

struct MatchSettings {
    int white = 0, black = 0;                             // the levels, 0..kLevels - 1
    int games = 1;                                        // how many games
    std::uint32_t seed = 1;                               // chooses the openings and the tie-breaks
    int max_plies = 400;                                  // a game this long is a draw
    int opening_plies = 4;                                // random placements that open each game
    int master_millis = kLevelTable[kMasterLevel].millis; // Master's time a move
    const EndgameTables* tables = nullptr;                // for Master; may be null
};

// How a game ended: a side down to two pieces, a side without a move, a
// position standing for the third time, the ply limit.
enum class GameEnd { TwoPieces, Blocked, Repetition, PlyLimit };

struct GameResult {
    int winner = 0; // +1 White, -1 Black, 0 a draw
    GameEnd end = GameEnd::PlyLimit;
    int plies = 0;           // moves played, the opening's included
    std::vector<Move> moves; // the game's moves from the initial position
    // Each side's reply that took longest, where and how long: White's at
    // index 0, Black's at 1.
    Board slowest[2]{};
    double slowest_ms[2] = {0.0, 0.0};
};

struct MatchResult {
    int white_wins = 0, draws = 0, black_wins = 0;
    std::vector<GameResult> games;
    // The median game length in plies (the mean of the two middle games
    // when their number is even); 0 for no game.
    double MedianPlies() const;
};

// Plays game `index` (0-based) of the match: the opening drawn from the
// seed and the index (random placements that leave no mill in reach and no
// fork for the side to move), then the two levels in turn until the rules
// end the game, a position (pieces and side to move) stands for the third
// time, or the ply limit is reached.
GameResult PlayGame(const MatchSettings& settings, int index);

// Plays every game of the match in order; `each`, when set, is told of
// each game as it ends.
MatchResult PlayMatch(const MatchSettings& settings,
                      const std::function<void(int, const GameResult&)>& each = {});
