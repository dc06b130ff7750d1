// The board's tiles and pieces at the resolution a paint needs. A zoomed
// board on a dense screen shows a 32-pixel cell on 32 x zoom x ratio device
// pixels; every one of them comes from a picture drawn at that resolution or
// finer, never from an enlarged one. The 1x and 2x sheets are compiled in
// (the 1x ones are the board of the handheld sizes, pixel for pixel); finer
// ones are drawn by the same code that drew those, the first time a paint
// needs them, and kept.
#pragma once

#include <QPixmap>

#include <map>

class BoardArt {
public:
    // The compiled-in sheets; their device pixel ratios say their resolution.
    BoardArt(const QPixmap& tiles1x, const QPixmap& pieces1x, const QPixmap& tiles2x,
             const QPixmap& pieces2x);

    struct Sheets {
        const QPixmap& tiles;
        const QPixmap& pieces;
    };
    // Sheets with `density` device pixels per zoom-1 pixel (zoom times
    // device pixel ratio), drawn at that resolution or shrunk from a finer
    // one; their device pixel ratio is their density.
    Sheets at(qreal density);

    // A cell's size in 1x pixels of the sheets.
    static constexpr int kCellSize = 32;

private:
    struct Drawn {
        QPixmap tiles;
        QPixmap pieces;
    };

    const QPixmap& tiles1x_;
    const QPixmap& pieces1x_;
    const QPixmap& tiles2x_;
    const QPixmap& pieces2x_;
    std::map<qreal, Drawn> drawn_; // by density, beyond the compiled-in ones
};
