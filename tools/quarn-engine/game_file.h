// Game records read from a file for --game.
#pragma once

#include "engine/board.h"

#include <string>
#include <vector>

// The current position of the game recorded in the file at path: its moves
// played from the initial position, less the taken-back ones. Throws
// InputError, naming the file, when it cannot be read (missing, not a
// regular file, too large) or is not a valid record.
Board GamePosition(const std::string& path);
// The moves of the game recorded in the file, from the initial position to
// its current position (the taken-back ones left out). Throws as GamePosition.
std::vector<Move> GameMoves(const std::string& path);
