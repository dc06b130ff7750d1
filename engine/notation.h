// The text forms of the game, read and written in one place: point names
// (a1..c8), moves (a1, a1a2, a3-c5, b8c8-a5) and positions
// ("CELLS SIDE PLIES"). Text that is read is checked in full before the
// engine sees it, so that no text can reach an engine assertion.
#pragma once

#include "engine/board.h"

#include <optional>
#include <string>
#include <string_view>

// The name of point p (0..23): the ring letter a, b or c and the digit 1..8.
std::string PointName(int p);
// The point named by the first two characters of name ("a1".."c8"), or -1
// when they name none.
int PointNamed(std::string_view name);

// The text form of a move: a1, a1a2, a3-c5 or b8c8-a5.
std::string MoveWord(const Move& m);
// Whether text has the form of a move: P, PP, P-P or PP-P, P being a1..c8.
bool IsMoveText(std::string_view text);

// Why a text names no legal move of a position, tested in this order.
enum class MoveTextFault {
    NotAMove, // not of the form IsMoveText accepts
    GameOver, // the side to move has lost and has no move at all
    NotLegal, // well formed, but not in the position's legal-move list
};
// The move of b's legal-move list (as Board::GenMoves gives it) that text
// names, capture included; nullopt when there is none, with the reason in
// *fault when fault is given.
std::optional<Move> LegalMoveNamed(const Board& b, std::string_view text,
                                   MoveTextFault* fault = nullptr);

// The largest number of plies that a position text may give.
inline constexpr int kMaxPositionPlies = 100000;

// "........................ w 0": one character per point a1..c8 (W, B or
// .), the side to move (w or b) and the number of plies made
// (0..kMaxPositionPlies, even exactly when White is to move), separated by
// single spaces.
std::string PositionText(const Board& b);
// The position that text gives, or nullopt with the reason, one line of
// English, in `problem`. Besides the form, a position is refused that no
// game reaches and that the engine cannot work on: more than 9 pieces a
// side, more pieces than placed so far, or pieces facing none.
std::optional<Board> ReadPosition(std::string_view text, std::string& problem);
