#include "ui/boardart.h"

#include "board_sheet.h"
#include "pieces.h"

#include <cmath>

BoardArt::BoardArt(const QPixmap& tiles1x, const QPixmap& pieces1x, const QPixmap& tiles2x,
                   const QPixmap& pieces2x)
    : tiles1x_(tiles1x), pieces1x_(pieces1x), tiles2x_(tiles2x), pieces2x_(pieces2x) {}

BoardArt::Sheets BoardArt::at(qreal density) {
    // The tolerance keeps a density such as 3 x 1.25 / 1.25 from rounding up
    // past its whole value.
    const int resolution = std::max(1, static_cast<int>(std::ceil(density - 1e-6)));
    if (resolution == 1) return {tiles1x_, pieces1x_};
    if (resolution == 2) return {tiles2x_, pieces2x_};
    auto found = drawn_.find(resolution);
    if (found == drawn_.end()) {
        Drawn drawn{QPixmap::fromImage(drawBoardTiles(resolution)),
                    QPixmap::fromImage(drawPieces(resolution))};
        drawn.tiles.setDevicePixelRatio(resolution);
        drawn.pieces.setDevicePixelRatio(resolution);
        found = drawn_.emplace(resolution, std::move(drawn)).first;
    }
    return {found->second.tiles, found->second.pieces};
}
