#include "ui/boardart.h"

#include "art/board_sheet.h"
#include "art/colours.h"
#include "art/pieces.h"
#include "ui/boardgeometry.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Sheets kept besides the compiled-in ones: the board's size now, and a few
// it had lately (a move to a screen of another density and back, say).
constexpr std::size_t kKept = 3;

QPixmap withRatio(const QImage& image, qreal ratio) {
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

BoardArt::BoardArt(const QPixmap& tiles1x, const QPixmap& pieces1x, const QPixmap& tiles2x,
                   const QPixmap& pieces2x)
    : tiles1x_(tiles1x), pieces1x_(pieces1x), tiles2x_(tiles2x), pieces2x_(pieces2x) {}

BoardArt::Sheets BoardArt::at(qreal cellPixels) {
    // The tolerance keeps a size such as 45 x 1.25 x 0.8 from rounding up
    // past its whole value.
    const int cell = std::max(1, static_cast<int>(std::ceil(cellPixels - 1e-6)));
    if (cell == kCellSize) return {tiles1x_, pieces1x_};
    if (cell == 2 * kCellSize) return {tiles2x_, pieces2x_};
    auto found = std::find_if(drawn_.begin(), drawn_.end(),
                              [cell](const auto& entry) { return entry.first == cell; });
    if (found != drawn_.end()) {
        std::rotate(found, found + 1, drawn_.end()); // now the most recent
    } else {
        if (drawn_.size() == kKept) drawn_.erase(drawn_.begin());
        const qreal ratio = cell / static_cast<qreal>(kCellSize);
        drawn_.emplace_back(cell, Drawn{withRatio(drawBoardTiles(cell), ratio),
                                        withRatio(drawPieces(cell), ratio)});
    }
    return {drawn_.back().second.tiles, drawn_.back().second.pieces};
}

const QPixmap& BoardArt::board(int cell, qreal ratio) {
    if (cell == boardCell_ && ratio == boardRatio_) return board_;
    const Sheets sheets = at(cell * ratio);
    const qreal scale = sheets.tiles.devicePixelRatio(); // sheet pixels per 1x pixel
    const qreal size = cell * ratio;                     // a cell in device pixels
    const int side = static_cast<int>(std::ceil(kGridCells * size - 1e-6));
    board_ = QPixmap(side, side);
    // The tiles' khaki under the last, partly covered device pixels.
    board_.fill(colours::khaki);
    QPainter painter(&board_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, size != scale * kCellSize);
    for (int row = 0; row < kGridCells; ++row)
        for (int column = 0; column < kGridCells; ++column) {
            const int tile = BoardMapData[row][column] - 1;
            painter.drawPixmap(QRectF(column * size, row * size, size, size), sheets.tiles,
                               QRectF(tile % 4 * kCellSize * scale, tile / 4 * kCellSize * scale,
                                      kCellSize * scale, kCellSize * scale));
        }
    boardCell_ = cell;
    boardRatio_ = ratio;
    return board_;
}
