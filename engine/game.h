// The one game in progress: the displayed position, the computer opponent
// with its own copy of it, the legal moves, the move being assembled from
// the user's taps, and the history of positions for undo and redo.
#pragma once

#include "board.h"
#include "eval.h"
#include "tree.h"

#include <vector>

extern Board board;                // the displayed position
extern SearchAlgo algo;            // algo.board equals board between user actions
extern CountEval eval_cnt;         // the evaluator algo uses
extern Move current_move;          // assembled from taps; carries the computer's move
extern Move next_valid[kMaxMoves]; // the legal moves of board, in generation order
extern int n_next_valid;

// Recorded positions, oldest first. history[history_pos - 1] is the current
// position (the initial position when history_pos is 0); entries from
// history_pos to history_length - 1 can be redone.
// 0 <= history_pos <= history_length <= history_size, the entries held,
// which grow in steps of a hundred and are kept from game to game.
extern std::vector<Board> history;
extern int history_size;
extern int history_length;
extern int history_pos;

// Starts a new game; the history keeps its capacity.
void game_init();
// Stops the computer opponent when the board goes away.
void game_exit();
// Records b as the new current position, dropping what redo could reach.
void push(const Board& b);
void gen_valid_moves();
// Whether m, capture included, is in the legal-move list.
bool is_valid_move(const Move& m);
// Whether some legal move goes from m.start to m.end, whatever it captures.
bool valid_moving(const Move& m);

// The game-state work of the board's makeMove, undo and redo, without their
// guards: make_move applies current_move to both positions and records it;
// undo_step and redo_step go two positions (a move and its reply) back or
// forward; with 1 they go one, for a game that ended on the user's move and
// for two people playing at one computer. undo_step needs history_pos >= its
// positions, redo_step history_pos <= history_length - its positions.
void make_move();
void undo_step(int positions = 2);
void redo_step(int positions = 2);

// The moves of the game in progress from the initial position: those that
// lead to the current position (the first game_moves_played()), then those
// that redo can replay. Each is read off two consecutive recorded positions.
std::vector<Move> game_moves();
int game_moves_played();
// Replaces the game in progress by the one that `moves` play from the
// initial position, all recorded, with the first `played` of them leading to
// the current position and the rest left for redo. The moves must be legal
// where they are played (as a game record that has been read is); `played`
// is brought into 0..moves.size().
void game_restore(const std::vector<Move>& moves, int played);
// A move for the side to move in `board`, as the computer would choose it at
// the "Very hard" budget, searched on a copy: algo, the legal-move list and
// the history stay as they are. The side to move must have a legal move and
// must not have lost.
Move game_hint();
