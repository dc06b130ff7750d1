// Where the board sits on screen: a status strip on top, below it a 7 x 7
// grid of cells of at least 32 pixels, and the tables that tie the 24 points
// to cells of that grid for drawing (BoardMapData, move2coord) and for
// hit-testing taps (coord2move, derived from move2coord). No toolkit types,
// so that the tables are built at compile time.
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

// A value for each cell of the grid, read as table[row][column].
template <typename T> struct CellTable {
    T cells[kGridCells][kGridCells];
    constexpr const T* operator[](int row) const { return cells[row]; }
};

// coord2move[row][column]: the point shown in that cell, -1 where none is.
inline constexpr CellTable<int> coord2move = [] {
    CellTable<int> table{};
    for (auto& row : table.cells)
        for (int& cell : row) cell = -1;
    for (int point = 0; point < 24; ++point)
        table.cells[move2coord[point][0]][move2coord[point][1]] = point;
    return table;
}();

// validplace[row][column]: whether the cell shows a point.
inline constexpr CellTable<bool> validplace = [] {
    CellTable<bool> table{};
    for (int row = 0; row < kGridCells; ++row)
        for (int column = 0; column < kGridCells; ++column)
            table.cells[row][column] = coord2move[row][column] >= 0;
    return table;
}();
// a2 (1) on top, c4 (19) right of the empty centre.
static_assert(coord2move[0][3] == 1 && coord2move[3][4] == 19 && !validplace[3][3]);
