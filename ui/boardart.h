// The board's tiles and pieces at the resolution a paint needs. A cell of
// the board covers `cell` x ratio device pixels on a screen of that device
// pixel ratio; every one of them comes from a picture drawn at that
// resolution, or at the next whole one when it is fractional, never from an
// enlarged one. The sheets with cells of 32 and 64 pixels are compiled in
// (the 32-pixel ones are the board of the handheld sizes, pixel for pixel);
// the others are drawn by the same code that drew those, the first time a
// paint needs them, and the last few are kept.
#pragma once

#include <QPixmap>

#include <utility>
#include <vector>

class BoardArt {
public:
    // The compiled-in sheets; their device pixel ratios say their resolution.
    BoardArt(const QPixmap& tiles1x, const QPixmap& pieces1x, const QPixmap& tiles2x,
             const QPixmap& pieces2x);

    // Copies that share the pictures kept here: they stay valid whatever
    // is drawn or dropped later.
    struct Sheets {
        QPixmap tiles;
        QPixmap pieces;
    };
    // Sheets whose cells have `cellPixels` device pixels (rounded up to a
    // whole number); their device pixel ratio is that number over 32, so
    // that a cell's source rectangle in them is 32 x 32 of their logical
    // pixels at every resolution.
    Sheets at(qreal cellPixels);

    // The empty board, its 49 tiles, for cells of `cell` logical pixels at
    // `ratio`, in device pixels (its device pixel ratio is 1): drawn once
    // from the sheets for that size, and smoothly shrunk at a fractional
    // ratio, where a cell covers a fraction of a device pixel more. Kept
    // for the last size asked for.
    const QPixmap& board(int cell, qreal ratio);

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
    // By cell size in pixels, the most recently used last. A window resized
    // by hand passes through many sizes; only the last few are worth keeping.
    std::vector<std::pair<int, Drawn>> drawn_;
    QPixmap board_;
    int boardCell_ = 0;
    qreal boardRatio_ = 0;
};
