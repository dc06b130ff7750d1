// Where the board sits on screen: a status strip on top, below it a 7 x 7
// grid of cells of at least 32 pixels, and the tables that tie the 24 points
// to cells of that grid for drawing (BoardMapData, move2coord) and for
// hit-testing taps (validplace, coord2move). No toolkit types, so the tables check each
// other, and the engine's adjacency, at compile time.
#pragma once

#include "engine/board.h"

#include <algorithm>

inline constexpr int kStatusHeight = 22; // the status strip at the top, at a cell of 32
inline constexpr int kCellSize = 32;     // the smallest cell: a tile of the 1x sheet
inline constexpr int kGridCells = 7;     // cells per row and per column
inline constexpr int kGridSize = kGridCells * kCellSize;
static_assert(kGridSize == 224);

inline constexpr int kStatusHeightMax = 2 * kStatusHeight;

// The status strip's height for a board of `cell`: 22 at a cell of 32,
// growing with the cell (rounded down) to at most twice that.
constexpr int StripHeightFor(int cell) {
    return std::min(kStatusHeightMax, kStatusHeight * cell / kCellSize);
}

// Where the grid stands in a widget of w x h pixels. The cell is the largest
// whole number of pixels, and never less than 32, at which the grid and a
// margin of one cell on every side (9 cells) fit the width and the height
// below the status strip, whose height grows with the cell; the lengths of
// the board drawn at a cell of 32 scale by cell / 32. The grid is centred in
// the widget and in the area below the strip, the divisions truncating
// toward zero, so that a widget smaller than the grid has negative offsets
// and clips it.
struct BoardLayout {
    int cell;  // a cell's width and height
    int strip; // the status strip's height: StripHeightFor(cell)
    int offX;  // the grid's left edge
    int offY;  // the grid's top edge, counted from the bottom of the strip

    constexpr int grid() const { return kGridCells * cell; }
    // A length of the board at a cell of 32, at this cell.
    constexpr double scale() const { return cell / static_cast<double>(kCellSize); }
    // Widget coordinates of the top-left corner of the cell (row, column).
    constexpr int cellX(int column) const { return offX + column * cell; }
    constexpr int cellY(int row) const { return strip + offY + row * cell; }
};

constexpr BoardLayout LayoutFor(int w, int h) {
    constexpr int span = kGridCells + 2; // the grid and its margins, in cells
    // The strip grows with the cell, so the room below it shrinks as the
    // cell grows: from the largest cell the width allows, step down until
    // the height fits too. The strip grows by at most one pixel a cell and
    // stops at 44, so this takes a few steps at most.
    int cell = std::max(w, 0) / span;
    while (cell > kCellSize && span * cell + StripHeightFor(cell) > h) --cell;
    cell = std::max(cell, kCellSize);
    const int strip = StripHeightFor(cell);
    return {cell, strip, (w - kGridCells * cell) / 2, (h - strip - kGridCells * cell) / 2};
}

static_assert(LayoutFor(240, 266).offX == 8 && LayoutFor(240, 266).offY == 10);
static_assert(LayoutFor(201, 266).offX == -11 && LayoutFor(220, 200).offY == -23);
// The cell grows from 32 to 33 where 9 cells of 33 and the strip fit: 297
// wide, 297 + 22 high; one pixel less of either keeps 32.
static_assert(LayoutFor(297, 319).cell == 33 && LayoutFor(296, 1000).cell == 32 &&
              LayoutFor(1000, 318).cell == 32);
// At 44 pixels the strip stops growing, from a cell of 64 on.
static_assert(StripHeightFor(32) == 22 && StripHeightFor(63) == 43 && StripHeightFor(64) == 44 &&
              StripHeightFor(500) == 44);
static_assert(LayoutFor(576, 620).cell == 64 && LayoutFor(576, 619).cell == 63 &&
              LayoutFor(576, 619).strip == 43);
// A larger widget never has a smaller cell.
consteval bool CellGrowsWithTheWidget() {
    for (int h = 200; h < 720; h += 13) {
        int last = 0;
        for (int w = 200; w < 720; w += 3) {
            const BoardLayout l = LayoutFor(w, h), taller = LayoutFor(w, h + 1);
            if (l.cell < last || taller.cell < l.cell) return false;
            if (l.cell > kCellSize && (9 * l.cell > w || 9 * l.cell + l.strip > h)) return false;
            last = l.cell;
        }
    }
    return true;
}
static_assert(CellGrowsWithTheWidget());

// BoardMapData[row][column]: id 1..12 of the tile of the board sheet drawn in
// that cell; tile t lies at sheet x ((t-1) % 4) * 32, y ((t-1) / 4) * 32.
inline constexpr int BoardMapData[kGridCells][kGridCells] = {
    {1, 2, 2, 3, 2, 2, 4},   {5, 1, 2, 6, 2, 4, 5},   {5, 5, 1, 7, 4, 5, 5},
    {8, 6, 9, 12, 8, 6, 9},  {5, 5, 10, 3, 11, 5, 5}, {5, 10, 2, 6, 2, 11, 5},
    {10, 2, 2, 7, 2, 2, 11},
};

// move2coord[point] = {row, column} of the cell that shows the point.
inline constexpr int move2coord[24][2] = {
    {0, 0}, {0, 3}, {0, 6}, {3, 6}, {6, 6}, {6, 3}, {6, 0}, {3, 0}, // outer square
    {1, 1}, {1, 3}, {1, 5}, {3, 5}, {5, 5}, {5, 3}, {5, 1}, {3, 1}, // middle square
    {2, 2}, {2, 3}, {2, 4}, {3, 4}, {4, 4}, {4, 3}, {4, 2}, {3, 2}, // inner square
};

// validplace[row][column]: 1 where the cell holds a point, 0 elsewhere.
inline constexpr int validplace[kGridCells][kGridCells] = {
    {1, 0, 0, 1, 0, 0, 1}, {0, 1, 0, 1, 0, 1, 0}, {0, 0, 1, 1, 1, 0, 0}, {1, 1, 1, 0, 1, 1, 1},
    {0, 0, 1, 1, 1, 0, 0}, {0, 1, 0, 1, 0, 1, 0}, {1, 0, 0, 1, 0, 0, 1},
};

// coord2move[row][column]: the point in that cell; 0 (meaningless) where
// validplace is 0, so it is read only after validplace.
inline constexpr int coord2move[kGridCells][kGridCells] = {
    {0, 0, 0, 1, 0, 0, 2},     {0, 8, 0, 9, 0, 10, 0},   {0, 0, 16, 17, 18, 0, 0},
    {7, 15, 23, 0, 19, 11, 3}, {0, 0, 22, 21, 20, 0, 0}, {0, 14, 0, 13, 0, 12, 0},
    {6, 0, 0, 5, 0, 0, 4},
};

namespace board_geometry_check {

// Lines drawn by each tile id, as a mask of the directions below; index 0 is
// unused. A tile with a point at its centre also has kPoint.
inline constexpr int kUp = 1, kDown = 2, kLeft = 4, kRight = 8, kPoint = 16;
inline constexpr int kTileShape[13] = {
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

// Every point maps to a cell of its own, which both hit-test tables give
// back, and which shows a point tile whose lines run exactly toward the
// point's neighbours; cells without a point show no point tile.
consteval bool TablesAgree() {
    int cellsWithPoint = 0;
    for (int r = 0; r < kGridCells; ++r) {
        for (int c = 0; c < kGridCells; ++c) {
            const int t = BoardMapData[r][c];
            if (t < 1 || t > 12) return false;
            if (((kTileShape[t] & kPoint) != 0) != (validplace[r][c] == 1)) return false;
            cellsWithPoint += validplace[r][c];
        }
    }
    if (cellsWithPoint != 24) return false;
    for (int p = 0; p < 24; ++p) {
        const int r = move2coord[p][0], c = move2coord[p][1];
        if (r < 0 || r >= kGridCells || c < 0 || c >= kGridCells) return false;
        if (validplace[r][c] != 1 || coord2move[r][c] != p) return false;
        int toward = 0;
        for (int q : neighbour[p]) {
            if (q < 0) continue;
            const int dr = move2coord[q][0] - r, dc = move2coord[q][1] - c;
            if (dr != 0 && dc != 0) return false; // a line runs along a row or a column
            toward |= dr < 0 ? kUp : dr > 0 ? kDown : dc < 0 ? kLeft : kRight;
        }
        if ((kTileShape[BoardMapData[r][c]] & ~kPoint) != toward) return false;
    }
    return true;
}

static_assert(TablesAgree(), "board drawing and hit-test tables disagree with each other or "
                             "with the engine's neighbour table");

} // namespace board_geometry_check
