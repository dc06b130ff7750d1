#include "ui/boardart.h"

#include "art/board_sheet.h"
#include "art/pieces.h"

#include <QImage>

#include <cmath>

namespace {

// Sheet sizes in 1x pixels.
constexpr int kTilesWidth = 128, kTilesHeight = 96, kPiecesWidth = 160, kPiecesHeight = 64;

bool whole(qreal value) {
    return std::abs(value - std::round(value)) < 1e-6;
}

QPixmap withRatio(const QImage& image, qreal ratio) {
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// `sheet` shrunk smoothly to `density` device pixels per 1x pixel.
QPixmap shrunk(const QPixmap& sheet, int width, int height, qreal density) {
    const QImage image = sheet.toImage().scaled(qRound(width * density), qRound(height * density),
                                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return withRatio(image, density);
}

} // namespace

BoardArt::BoardArt(const QPixmap& tiles1x, const QPixmap& pieces1x, const QPixmap& tiles2x,
                   const QPixmap& pieces2x)
    : tiles1x_(tiles1x), pieces1x_(pieces1x), tiles2x_(tiles2x), pieces2x_(pieces2x) {}

BoardArt::Sheets BoardArt::at(qreal density) {
    if (whole(density) && density <= 1) return {tiles1x_, pieces1x_};
    if (whole(density) && density <= 2) return {tiles2x_, pieces2x_};
    auto found = drawn_.find(density);
    if (found != drawn_.end()) return {found->second.tiles, found->second.pieces};

    Drawn drawn;
    // The tolerance keeps a density such as 3.75 x 1.25 / 1.25 from rounding
    // up past its whole value.
    const int resolution = static_cast<int>(std::ceil(density - 1e-6));
    if (whole(density)) {
        drawn = {withRatio(drawBoardTiles(resolution), resolution),
                 withRatio(drawPieces(resolution), resolution)};
    } else {
        // A fractional density (a zoom times a ratio such as 1.25) gets the
        // next finer sheets shrunk once to it, so that a paint copies cells
        // without resampling them. A cell must cover whole device pixels
        // for that; otherwise the paint resamples the finer sheets itself.
        const Sheets finer = at(resolution);
        if (!whole(kCellSize * density)) return finer;
        drawn = {shrunk(finer.tiles, kTilesWidth, kTilesHeight, density),
                 shrunk(finer.pieces, kPiecesWidth, kPiecesHeight, density)};
    }
    found = drawn_.emplace(density, std::move(drawn)).first;
    return {found->second.tiles, found->second.pieces};
}
