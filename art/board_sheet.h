// The board tile sheet: 12 tiles of `cell` x `cell` pixels (32 at 1x) in 4
// columns and 3 rows, tile id t at column (t - 1) % 4 and row (t - 1) / 4. Each tile is
// plain khaki with olive lines from its centre to the middles of some of its
// edges and, on the tiles of board points, a bright dot at its centre.
#pragma once

#include <QImage>

// Draws the sheet with tiles of `cell` pixels (128 x 96 for a cell of 32),
// opaque. A larger sheet is drawn, not scaled: the same picture sampled at
// cell / 32 pixels per 1x pixel, every edge at its 1x coordinate times that,
// rounded to the nearest pixel.
QImage drawBoardTiles(int cell);

// The same sheet as an indexed image, as the 1x and 2x files keep it.
QImage drawBoardSheet(int cell);
