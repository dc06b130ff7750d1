// The order in which a search tries a position's moves, best first: the
// move its transposition table kept, then captures, then moves onto a point
// where the opponent would close a mill, each group by how often a move cut
// off before. Shared by Master's search and the placing solver.
#pragma once

#include "board.h"
#include "pointset.h"

// Whether m takes a point where the opponent, whose pieces are `opponent`,
// would close a mill.
inline bool BlocksMill(PointSet opponent, const Move& m) {
    return MillsThrough(opponent, m.end) != 0;
}

// Sorts moves[0..n) of b; history(m) is m's count of cut-offs, weighted as
// its caller likes (well below 2^26).
template <typename History>
void OrderMoves(const Board& b, Move* moves, int n, const Move& first, const History& history) {
    const Pieces pieces = PiecesOf(b);
    const PointSet opponent = b.next == 1 ? pieces.black : pieces.white;
    int keys[kMaxMoves];
    for (int i = 0; i < n; ++i) {
        const Move& m = moves[i];
        int k = history(m);
        if (m == first)
            k = 1 << 30;
        else if (m.take >= 0)
            k += 1 << 28;
        else if (BlocksMill(opponent, m))
            k += 1 << 26;
        keys[i] = k;
    }
    // Insertion sort, best first: lists are short.
    for (int i = 1; i < n; ++i) {
        const int k = keys[i];
        const Move m = moves[i];
        int j = i;
        for (; j > 0 && keys[j - 1] < k; --j) {
            keys[j] = keys[j - 1];
            moves[j] = moves[j - 1];
        }
        keys[j] = k;
        moves[j] = m;
    }
}
