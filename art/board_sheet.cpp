#include "board_sheet.h"

#include "colours.h"
#include "noise.h"
#include "palette.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

enum Direction : unsigned { Up = 1, Down = 2, Left = 4, Right = 8 };

struct Tile {
    bool point;
    unsigned lines;
};

// Index t - 1 for tile id t: a point at the centre?, the edges lines run to.
constexpr Tile tiles[12] = {
    {true, Right | Down},      {false, Left | Right},     {true, Left | Right | Down},
    {true, Left | Down},       {false, Up | Down},        {true, Up | Down | Left | Right},
    {true, Left | Right | Up}, {true, Up | Down | Right}, {true, Up | Down | Left},
    {true, Up | Right},        {true, Up | Left},         {false, 0},
};

// Geometry in 1x pixels: a tile is 32 wide, a line covers pixels 14..17 of
// the middle row or column, a point's bright core and dark rim have these radii.
constexpr int tileSize = 32;
constexpr int lineFirst = 14, lineEnd = 18; // half-open
constexpr double centre = 16.0;
constexpr double coreRadius = 2.2, glowRadius = 2.9, rimRadius = 4.0;

constexpr std::uint32_t horizontalSeed = 11, verticalSeed = 23;

int clampChannel(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

// A line's colour at `along` (1x pixels along the tile, repeating every tile
// so that neighbouring tiles join) and `across` (from the line's axis): a
// slightly rounded stroke, lighter on its axis, with a fine mottle.
QRgb lineColour(double along, double across, std::uint32_t seed) {
    const double t = std::abs(across) / 2.0;
    const double shade = std::lround(4.0 - 10.0 * t * t);
    const double mottle =
        2.0 * std::lround(4.0 * noise::fractal(along, across * 1.5, 4, 3, seed, tileSize));
    const QColor& c = colours::lineOlive;
    return qRgb(clampChannel(c.red() + shade + mottle), clampChannel(c.green() + shade + mottle),
                clampChannel(c.blue() + shade + mottle));
}

// The two strokes of a sheet, horizontal and vertical, each as a band of
// `width` pixels across the tile's whole length; every tile with a line
// shows a part of one of them, so each pixel of a stroke is drawn once.
struct Strokes {
    int size, first, end; // the tile's side; the band's rows (or columns), half-open
    std::vector<QRgb> horizontal, vertical; // [across - first][along]

    Strokes(int size, double scale)
        : size(size), first(static_cast<int>(std::lround(lineFirst * scale))),
          end(static_cast<int>(std::lround(lineEnd * scale))),
          horizontal(static_cast<std::size_t>((end - first) * size)), vertical(horizontal.size()) {
        for (int across = first; across < end; ++across)
            for (int along = 0; along < size; ++along) {
                const double u = (along + 0.5) / scale, v = (across + 0.5) / scale;
                const std::size_t i = static_cast<std::size_t>((across - first) * size + along);
                horizontal[i] = lineColour(u, v - centre, horizontalSeed);
                vertical[i] = lineColour(u, v - centre, verticalSeed);
            }
    }

    // The picture under a point: khaki, or a line where the pixel (px, py)
    // of a tile lies in one of its strokes.
    QRgb ground(const Tile& tile, int px, int py) const {
        const bool inRow = py >= first && py < end, inColumn = px >= first && px < end;
        const bool onHorizontal =
            inRow && (((tile.lines & Left) && px < end) || ((tile.lines & Right) && px >= first));
        const bool onVertical =
            inColumn && (((tile.lines & Up) && py < end) || ((tile.lines & Down) && py >= first));
        if (onHorizontal) return horizontal[static_cast<std::size_t>((py - first) * size + px)];
        if (onVertical) return vertical[static_cast<std::size_t>((px - first) * size + py)];
        return colours::khaki.rgb();
    }
};

// A point's colour at distance d (1x pixels) from the tile centre, inside the
// rim: the bright core fading through a short glow into the dark rim.
QColor pointColour(double d) {
    const QColor core = colours::pointCore, rim = colours::pointRim;
    if (d <= coreRadius) return core;
    double t = std::min(1.0, (d - coreRadius) / (glowRadius - coreRadius));
    t = t * t * (3 - 2 * t);
    return QColor::fromRgbF(core.redF() + (rim.redF() - core.redF()) * t,
                            core.greenF() + (rim.greenF() - core.greenF()) * t,
                            core.blueF() + (rim.blueF() - core.blueF()) * t);
}

// Draws the point over the ground of one device pixel, averaging 4 x 4
// samples so that the rim's edge is smooth. Channels are rounded to multiples
// of 3 (255 and 240 are) to keep the sheet within one palette.
QRgb pointPixel(int px, int py, double scale, QRgb ground) {
    // A pixel wholly outside the rim keeps its ground.
    const double dx = (px + 0.5) / scale - centre, dy = (py + 0.5) / scale - centre;
    if (std::hypot(dx, dy) > rimRadius + 1.0 / scale) return ground;
    constexpr int n = 4;
    double r = 0, g = 0, b = 0;
    int inside = 0;
    for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx) {
            const double x = (px + (sx + 0.5) / n) / scale - centre;
            const double y = (py + (sy + 0.5) / n) / scale - centre;
            const double d = std::hypot(x, y);
            const QColor c = d < rimRadius ? pointColour(d) : QColor(ground);
            if (d < rimRadius) ++inside;
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    if (inside == 0) return ground;
    const auto q = [](double sum) { return std::min(255, 3 * clampChannel(sum / (n * n) / 3.0)); };
    return qRgb(q(r), q(g), q(b));
}

} // namespace

QImage drawBoardTiles(int cell) {
    const double scale = cell / static_cast<double>(tileSize);
    const Strokes strokes(cell, scale);
    // Only the pixels near the centre can touch a point's rim.
    const int reach = static_cast<int>(std::ceil((rimRadius + 2) * scale));
    const int near = cell / 2 - reach, far = cell / 2 + reach;
    QImage sheet(4 * cell, 3 * cell, QImage::Format_RGB32);
    for (int id = 1; id <= 12; ++id) {
        const Tile& tile = tiles[id - 1];
        const int x0 = (id - 1) % 4 * cell, y0 = (id - 1) / 4 * cell;
        for (int py = 0; py < cell; ++py) {
            auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y0 + py)) + x0;
            for (int px = 0; px < cell; ++px) {
                QRgb c = strokes.ground(tile, px, py);
                if (tile.point && px >= near && px < far && py >= near && py < far)
                    c = pointPixel(px, py, scale, c);
                line[px] = c;
            }
        }
    }
    return sheet;
}

QImage drawBoardSheet(int cell) {
    return toIndexed(drawBoardTiles(cell));
}
