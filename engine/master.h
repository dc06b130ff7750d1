// Master's own search, for positions its endgame tables do not settle:
// negamax alpha-beta with iterative deepening bounded by time, a
// transposition table, captures and the table's move first, a short
// capture-only extension at the horizon, its own evaluation (mastereval.h),
// and the endgame tables as exact leaves. No heap allocation while it searches: the
// transposition table is allocated once, the first time Master plays.
#pragma once

#include "board.h"

class SearchAlgo;

// The move for the side to move in algo.board, which must have a legal move
// and must not have lost, chosen within about `millis` milliseconds. Where
// algo.tables cover algo.board and its moves, the tables choose (as for
// every level with tables); while placing, a move that keeps the exact
// value, where a solve to the end of the placing phase finds it within a
// quarter of the time. Fills algo.nodes, algo.last_depth (the deepest
// iteration completed) and algo.last_score (White's point of view, a piece
// worth 1.0); returns the empty move when algo.stop is set meanwhile.
// One Master search runs at a time: a second caller waits for the first.
Move MasterMove(SearchAlgo& algo, int millis);
