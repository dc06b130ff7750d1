#include "ui/boardart.h"

#include "art/board_sheet.h"
#include "art/pieces.h"

#include <QImage>

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
    : tiles1x_(tiles1x), pieces1x_(pieces1x), tiles2x_(tiles2x), pieces2x_(pieces2x) {
    drawn_.reserve(kKept); // the sheets handed out stay where they are
}

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
