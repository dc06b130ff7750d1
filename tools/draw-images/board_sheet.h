// The board tile sheet: 12 tiles of 32 x 32 (times `scale`) in 4 columns and
// 3 rows, tile id t at column (t - 1) % 4 and row (t - 1) / 4. Each tile is
// plain khaki with olive lines from its centre to the middles of some of its
// edges and, on the tiles of board points, a bright dot at its centre.
#pragma once

#include <QImage>

// Draws the sheet at 1x (128 x 96) or 2x (256 x 192); returned indexed and
// opaque. The 2x sheet is drawn, not scaled, with every edge at exactly twice
// its 1x coordinate.
QImage drawBoardSheet(int scale);
