// Text forms read and written by quarn-engine: positions as
// "CELLS SIDE PLIES" and moves as a1, a1a2, a3-c5 or b8c8-a5. Everything
// typed is checked before the engine sees it, so that no input can reach an
// engine assertion.
#pragma once

#include "engine/board.h"
#include "engine/record.h"
#include "engine/text.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Bad usage or bad input: the message is shown on one line and the program
// exits with status 2.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "........................ w 0": one character per point (W, B or .), the
// side to move (w or b) and the number of plies made (0..100000, even
// exactly when White is to move), separated by single spaces. Throws
// InputError.
Board ParsePosition(const std::string& text);
std::string PositionText(const Board& b);

// Applies a typed move to b after checking that it is well formed, that the
// game is not over and that the move is in b's legal-move list. Throws
// InputError naming the move.
void PlayMoveText(Board& b, const std::string& text);
