// Exact conversion of a picture with few colours to an indexed image.
#pragma once

#include <QImage>

// Returns `picture` as Format_Indexed8 with a palette of exactly its colours,
// in order of first appearance (row by row), so every pixel keeps its value.
// Throws std::runtime_error when the picture has more than 256 colours:
// dithering or a nearest-colour palette would change the picture silently.
QImage toIndexed(const QImage& picture);
