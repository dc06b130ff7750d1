// The pieces image: 5 x 2 cells of `cell` pixels (160 x 64 for a cell of
// 32), transparent but for two discs of about 22 / 32 of a cell, each
// centred in a cell of the top row: the Black piece in the first cell, the
// White piece in the second.
#pragma once

#include <QImage>

// Draws the image as non-premultiplied ARGB. A larger image is drawn, not
// scaled: the same stones sampled at cell / 32 pixels per 1x pixel.
QImage drawPieces(int cell);
