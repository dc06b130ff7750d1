// The pieces image: 160 x 64 (times `scale`), transparent but for two discs
// of about 22 pixels, each centred in a 32 x 32 cell of the top row: the
// Black piece in the cell at x 0, the White piece in the cell at x 32.
#pragma once

#include <QImage>

// Draws the image at 1x or 2x as non-premultiplied ARGB. The 2x image is
// drawn, not scaled: the same stones sampled at twice the resolution.
QImage drawPieces(int scale);
