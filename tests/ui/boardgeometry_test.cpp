// The board's geometry: how the cell grows with the widget, and the tiles
// drawn in each cell against the points and the engine's lines.

#include "ui/boardgeometry.h"

#include <gtest/gtest.h>

namespace {

// Lines drawn by each tile id, as a mask of the directions below; index 0 is
// unused. A tile with a point at its centre also has kPoint.
constexpr int kUp = 1, kDown = 2, kLeft = 4, kRight = 8, kPoint = 16;
constexpr int kTileShape[13] = {
    0,
    kPoint | kRight | kDown,               // 1: top-left corner
    kLeft | kRight,                        // 2: horizontal line
    kPoint | kLeft | kRight | kDown,       // 3
    kPoint | kLeft | kDown,                // 4: top-right corner
    kUp | kDown,                           // 5: vertical line
    kPoint | kUp | kDown | kLeft | kRight, // 6
    kPoint | kLeft | kRight | kUp,         // 7
    kPoint | kUp | kDown | kRight,         // 8
    kPoint | kUp | kDown | kLeft,          // 9
    kPoint | kUp | kRight,                 // 10: bottom-left corner
    kPoint | kUp | kLeft,                  // 11: bottom-right corner
    0,                                     // 12: the empty centre
};

} // namespace

TEST(BoardGeometry, ALargerWidgetNeverHasASmallerCell) {
    for (int h = 200; h < 720; h += 13) {
        int last = 0;
        for (int w = 200; w < 720; w += 3) {
            const BoardLayout l = LayoutFor(w, h), taller = LayoutFor(w, h + 1);
            ASSERT_GE(l.cell, last) << w << " x " << h;
            ASSERT_GE(taller.cell, l.cell) << w << " x " << h;
            if (l.cell > kCellSize) ASSERT_TRUE(9 * l.cell <= w && 9 * l.cell + l.strip <= h);
            last = l.cell;
        }
    }
}

// Every point has a cell of its own, which shows a point tile whose lines
// run exactly toward the point's neighbours; other cells show no point.
TEST(BoardGeometry, TheTilesDrawThePointsAndTheirLines) {
    int cellsWithPoint = 0;
    for (int r = 0; r < kGridCells; ++r)
        for (int c = 0; c < kGridCells; ++c) {
            EXPECT_EQ((kTileShape[BoardMapData[r][c]] & kPoint) != 0, validplace[r][c]);
            cellsWithPoint += validplace[r][c];
        }
    EXPECT_EQ(cellsWithPoint, 24);
    for (int p = 0; p < 24; ++p) {
        const int r = move2coord[p][0], c = move2coord[p][1];
        EXPECT_EQ(coord2move[r][c], p);
        int toward = 0;
        for (int q : neighbour[p]) {
            if (q < 0) continue;
            const int dr = move2coord[q][0] - r, dc = move2coord[q][1] - c;
            EXPECT_TRUE(dr == 0 || dc == 0) << p; // a line runs along a row or a column
            toward |= dr < 0 ? kUp : dr > 0 ? kDown : dc < 0 ? kLeft : kRight;
        }
        EXPECT_EQ(kTileShape[BoardMapData[r][c]] & ~kPoint, toward) << p;
    }
}
