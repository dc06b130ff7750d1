#include "game.h"

#include <cassert>

Board board;
SearchAlgo algo;
CountEval eval_cnt;
Move current_move;
Move next_valid[kMaxMoves];
int n_next_valid;
Board* history;
int history_size;
int history_length;
int history_pos;

namespace {

// Growth step of the history, in positions.
constexpr int kHistoryStep = 100;

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
    if (history_pos >= history_size) {
        Board* grown = new Board[history_size + kHistoryStep];
        for (int i = 0; i < history_length; ++i) grown[i] = history[i];
        delete[] history;
        history = grown;
        history_size += kHistoryStep;
    }
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

void undo_step() {
    algo.StopComputer();
    history_pos -= 2;
    Board initial;
    initial.Init();
    restore(history_pos > 0 ? history[history_pos - 1] : initial);
}

void redo_step() {
    algo.StopComputer();
    history_pos += 2;
    restore(history[history_pos - 1]);
}
