#include "board_sheet.h"

#include "colours.h"
#include "noise.h"
#include "palette.h"

#include <algorithm>
#include <cmath>

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

// The picture under a point: khaki, or a line where the device pixel (px, py)
// of a tile lies in one of its strokes.
QRgb groundColour(const Tile& tile, int px, int py, int scale) {
    const double u = (px + 0.5) / scale, v = (py + 0.5) / scale;
    const int first = lineFirst * scale, end = lineEnd * scale;
    const bool inRow = py >= first && py < end, inColumn = px >= first && px < end;
    const bool horizontal =
        inRow && (((tile.lines & Left) && px < end) || ((tile.lines & Right) && px >= first));
    const bool vertical =
        inColumn && (((tile.lines & Up) && py < end) || ((tile.lines & Down) && py >= first));
    if (horizontal) return lineColour(u, v - centre, horizontalSeed);
    if (vertical) return lineColour(v, u - centre, verticalSeed);
    return colours::khaki.rgb();
}

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
QRgb pointPixel(int px, int py, int scale, QRgb ground) {
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

QImage drawBoardTiles(int scale) {
    const int size = tileSize * scale;
    QImage sheet(4 * size, 3 * size, QImage::Format_RGB32);
    for (int id = 1; id <= 12; ++id) {
        const Tile& tile = tiles[id - 1];
        const int x0 = (id - 1) % 4 * size, y0 = (id - 1) / 4 * size;
        for (int py = 0; py < size; ++py)
            for (int px = 0; px < size; ++px) {
                QRgb c = groundColour(tile, px, py, scale);
                if (tile.point) c = pointPixel(px, py, scale, c);
                sheet.setPixel(x0 + px, y0 + py, c);
            }
    }
    return sheet;
}

QImage drawBoardSheet(int scale) {
    return toIndexed(drawBoardTiles(scale));
}
