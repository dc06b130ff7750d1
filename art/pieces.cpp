#include "pieces.h"

#include "colours.h"
#include "noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Geometry in 1x pixels: the disc's centre in its cell and its radius, so
// that it covers pixels 5..26.
constexpr double centre = 16.0, radius = 11.0;

// What sets one kind of stone apart: its colour, a broad mottle between two
// tints, a fine grain, how strongly it is shaded and how glossy it is.
struct Stone {
    QColor average;
    std::array<double, 3> mottle; // channel swing of the broad mottle
    double grain;                 // swing of the fine grain, all channels alike
    double relief;                // how much darker the edge away from the light is
    double gloss;                 // strength of the highlight
    std::uint32_t seed;
};

// Black swings between maroon and brown, White between cream and a greyer ivory.
const Stone blackStone{colours::blackStone, {18, 6, 4}, 4.0, 0.55, 0.30, 7};
const Stone whiteStone{colours::whiteStone, {6, 7, 14}, 3.0, 0.32, 0.45, 19};

using Rgb = std::array<double, 3>;

double channelOf(const QColor& c, int i) {
    return i == 0 ? c.red() : i == 1 ? c.green() : c.blue();
}

// The stone's colour at (x, y), 1x pixels from its centre, before the
// average is corrected. The stone is a flat lens, level in the middle and
// rounding off toward its edge, lit from the upper left, with a soft
// highlight where its slope mirrors the light.
Rgb stoneColour(const Stone& s, double x, double y) {
    const double broad = noise::fractal(x, y, 8, 3, s.seed);
    const double grain = noise::smooth(x, y, 1.0, s.seed + 3);

    // Height a * sqrt(1 - r^2): its normal is (a x / h, a y / h, 1) normalised.
    constexpr double a = 0.55;
    const double rx = x / radius, ry = y / radius;
    const double h = std::sqrt(std::max(0.02, 1 - rx * rx - ry * ry));
    const double nl = std::hypot(a * rx / h, a * ry / h, 1.0);
    const double nx = a * rx / h / nl, ny = a * ry / h / nl, nz = 1 / nl;

    constexpr double lx = -0.42, ly = -0.58, lz = 0.70; // unit vector toward the light
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    const double shade = 1 - s.relief + s.relief * 1.6 * diffuse;

    // Blinn-Phong with the viewer straight above: the half vector lies
    // between the light and (0, 0, 1).
    const double hl = std::hypot(lx, ly, lz + 1);
    const double nh = std::max(0.0, (nx * lx + ny * ly + nz * (lz + 1)) / hl);
    const double highlight = s.gloss * std::pow(nh, 40);

    Rgb c;
    for (int i = 0; i < 3; ++i) {
        const double surface =
            (channelOf(s.average, i) + broad * s.mottle[i] + grain * s.grain) * shade;
        c[i] = surface + (255 - surface) * highlight;
    }
    return c;
}

int quantiseAlpha(double coverage) {
    // Full, three rim steps and empty: the rim blends in quarters.
    constexpr int steps[] = {0, 64, 128, 191, 255};
    return steps[std::clamp(static_cast<int>(std::lround(coverage * 4)), 0, 4)];
}

// Fraction of the device pixel (px, py) of a cell covered by the disc.
double coverage(int px, int py, double scale) {
    // Pixels well inside or outside the edge need no samples.
    const double d = std::hypot((px + 0.5) / scale - centre, (py + 0.5) / scale - centre);
    if (d < radius - 1.0 / scale) return 1;
    if (d > radius + 1.0 / scale) return 0;
    constexpr int n = 8;
    int inside = 0;
    for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx) {
            const double x = (px + (sx + 0.5) / n) / scale - centre;
            const double y = (py + (sy + 0.5) / n) / scale - centre;
            inside += x * x + y * y < radius * radius;
        }
    return static_cast<double>(inside) / (n * n);
}

// Draws one stone into the cell at (x0, 0). Its opaque pixels are shifted
// together until their mean is the stone's average colour.
void drawStone(QImage& image, int x0, int size, const Stone& s) {
    const double scale = size / 32.0;
    std::vector<Rgb> colour(size * size);
    std::vector<int> alpha(size * size);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            alpha[py * size + px] = quantiseAlpha(coverage(px, py, scale));
            if (alpha[py * size + px] == 0) continue; // transparent: its colour is never used
            double x = (px + 0.5) / scale - centre, y = (py + 0.5) / scale - centre;
            // Rim pixels take the colour just inside the edge.
            const double d = std::hypot(x, y), limit = radius - 0.5;
            if (d > limit) x *= limit / d, y *= limit / d;
            colour[py * size + px] = stoneColour(s, x, y);
        }

    Rgb offset{0, 0, 0};
    for (int round = 0; round < 6; ++round) {
        Rgb sum{0, 0, 0};
        int count = 0;
        for (int i = 0; i < size * size; ++i) {
            if (alpha[i] != 255) continue;
            for (int c = 0; c < 3; ++c)
                sum[c] += std::clamp(std::round(colour[i][c] + offset[c]), 0.0, 255.0);
            ++count;
        }
        for (int c = 0; c < 3; ++c) offset[c] += channelOf(s.average, c) - sum[c] / count;
    }

    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            const int i = py * size + px;
            const auto channel = [&](int c) {
                return static_cast<int>(
                    std::clamp(std::round(colour[i][c] + offset[c]), 0.0, 255.0));
            };
            image.setPixel(x0 + px, py,
                           alpha[i] ? qRgba(channel(0), channel(1), channel(2), alpha[i]) : 0);
        }
}

} // namespace

QImage drawPieces(int cell) {
    QImage image(5 * cell, 2 * cell, QImage::Format_ARGB32);
    image.fill(0);
    drawStone(image, 0, cell, blackStone);
    drawStone(image, cell, cell, whiteStone);
    return image;
}
