#include "game.h"

#include <algorithm>
#include <cassert>

Board board;
SearchAlgo algo;
CountEval eval_cnt;
Move current_move;
Move next_valid[kMaxMoves];
int n_next_valid;
std::vector<Board> history;
int history_size;
int history_length;
int history_pos;

namespace {

// Growth step of the history, in positions.
constexpr int kHistoryStep = 100;

// Gives the history room for `positions` entries, in whole growth steps,
// keeping the recorded ones.
void grow_history(int positions) {
    if (positions <= history_size) return;
    const int size = (positions + kHistoryStep - 1) / kHistoryStep * kHistoryStep;
    history.resize(static_cast<std::size_t>(size));
    history_size = size;
}

// Makes board the position both sides see, after the history moved.
void restore(const Board& b) {
    board = b;
    algo.board = board;
    current_move.Reset();
    gen_valid_moves();
}

} // namespace

void game_init() {
    current_move.Reset();
    algo.eval = &eval_cnt;
    algo.board.Init();
    board.Init();
    algo.StopComputer();
    history_length = 0;
    history_pos = 0;
    push(board);
    gen_valid_moves();
}

void game_exit() {
    algo.StopComputer();
}

void push(const Board& b) {
    if (history_pos >= history_size) grow_history(history_size + kHistoryStep);
    assert(history_pos < history_size);
    history[history_pos] = b;
    ++history_pos;
    history_length = history_pos;
}

void gen_valid_moves() {
    n_next_valid = board.GenMoves(next_valid, kMaxMoves);
}

bool is_valid_move(const Move& m) {
    for (int i = 0; i < n_next_valid; ++i)
        if (next_valid[i] == m) return true;
    return false;
}

bool valid_moving(const Move& m) {
    for (int i = 0; i < n_next_valid; ++i)
        if (next_valid[i].start == m.start && next_valid[i].end == m.end) return true;
    return false;
}

void make_move() {
    board.DoMove(current_move);
    algo.board.DoMove(current_move);
    push(board);
    current_move.Reset();
    gen_valid_moves();
}

void undo_step(int positions) {
    algo.StopComputer();
    history_pos -= positions;
    Board initial;
    initial.Init();
    restore(history_pos > 0 ? history[history_pos - 1] : initial);
}

void redo_step(int positions) {
    algo.StopComputer();
    history_pos += positions;
    restore(history[history_pos - 1]);
}

namespace {

// The move that turned `before` into `after`: where the mover's piece left,
// where it arrived and what it took.
Move move_between(const Board& before, const Board& after) {
    Move m(-1, -1, -1);
    const int mover = before.next;
    for (int p = 0; p < 24; ++p) {
        if (before.board[p] == after.board[p]) continue;
        if (after.board[p] == mover)
            m.end = static_cast<signed char>(p);
        else if (before.board[p] == mover)
            m.start = static_cast<signed char>(p);
        else
            m.take = static_cast<signed char>(p);
    }
    return m;
}

} // namespace

std::vector<Move> game_moves() {
    std::vector<Move> moves;
    for (int i = 1; i < history_length; ++i)
        moves.push_back(move_between(history[i - 1], history[i]));
    return moves;
}

int game_moves_played() {
    return history_pos > 0 ? history_pos - 1 : 0;
}

void game_restore(const std::vector<Move>& moves, int played) {
    game_init();
    // Room for the whole game at once: growing step by step would copy the
    // history once per hundred moves, which grows with the square of the game.
    grow_history(1 + static_cast<int>(moves.size()));
    for (const Move& m : moves) {
        board.DoMove(m);
        push(board);
    }
    history_pos = 1 + std::clamp(played, 0, static_cast<int>(moves.size()));
    board = history[history_pos - 1];
    algo.board = board;
    current_move.Reset();
    gen_valid_moves();
}

Move game_hint() {
    return CountingSearch(board).ComputerMove(kMasterNodes);
}
