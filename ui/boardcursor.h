// Where the keyboard's cursor goes on the board: an arrow key leads from a
// point along its line to the neighbour in that direction, and where no
// line leaves the point that way, to the nearest point that lies that way.
// No toolkit types, so that the rule is checked at compile time.
#pragma once

#include "engine/board.h"
#include "ui/boardgeometry.h"

// The point an arrow key leads to from `point`; (dRow, dColumn) is one
// step up (-1, 0), down (1, 0), left (0, -1) or right (0, 1) on the grid.
// Off the lines, a point's distance along the direction counts once and
// across it twice, so that the cursor keeps to its row or column where it
// can; a tie goes to the lower point. -1 when no point lies that way.
constexpr int PointToward(int point, int dRow, int dColumn) {
    const int row = move2coord[point][0], column = move2coord[point][1];
    const auto along = [&](int q) {
        return (move2coord[q][0] - row) * dRow + (move2coord[q][1] - column) * dColumn;
    };
    const auto across = [&](int q) {
        const int off = (move2coord[q][0] - row) * dColumn - (move2coord[q][1] - column) * dRow;
        return off < 0 ? -off : off;
    };
    // Lines run along rows and columns, so a neighbour ahead is straight ahead.
    for (int q : neighbour[point])
        if (q >= 0 && along(q) > 0) return q;
    int best = -1, bestDistance = 0;
    for (int q = 0; q < 24; ++q) {
        if (along(q) <= 0) continue;
        const int distance = along(q) + 2 * across(q);
        if (best < 0 || distance < bestDistance) {
            best = q;
            bestDistance = distance;
        }
    }
    return best;
}

// a1 (point 0) leads right along its line to a2 and not to b1, as near
// across the diagonal; c8 (23) leads right across the empty centre to c4
// (19); b1 (8), with no line to its left, leads left to a1; a1 has nothing
// above it.
static_assert(PointToward(0, 0, 1) == 1 && PointToward(23, 0, 1) == 19 &&
              PointToward(8, 0, -1) == 0 && PointToward(0, -1, 0) == -1);
