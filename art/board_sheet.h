// The board tile sheet: 12 tiles of 32 x 32 (times `scale`) in 4 columns and
// 3 rows, tile id t at column (t - 1) % 4 and row (t - 1) / 4. Each tile is
// plain khaki with olive lines from its centre to the middles of some of its
// edges and, on the tiles of board points, a bright dot at its centre.
#pragma once

#include <QImage>

// Draws the sheet at `scale` times 1x (128 x 96 at 1x), opaque. A larger
// sheet is drawn, not scaled, with every edge at exactly `scale` times its 1x
// coordinate.
QImage drawBoardTiles(int scale);

// The same sheet as an indexed image, as the 1x and 2x files keep it.
QImage drawBoardSheet(int scale);
