#include "noise.h"

#include <cmath>

namespace noise {

namespace {

// The finaliser of MurmurHash3: every input bit affects every output bit.
std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}

double smoothstep(double t) {
    return t * t * (3 - 2 * t);
}

int wrap(int i, int n) {
    return ((i % n) + n) % n;
}

} // namespace

double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = mix(seed ^ 0x9e3779b9u);
    h = mix(h ^ static_cast<std::uint32_t>(x));
    h = mix(h ^ static_cast<std::uint32_t>(y) * 0x27d4eb2du);
    return h / 2147483647.5 - 1.0;
}

double smooth(double x, double y, double cell, std::uint32_t seed, double period) {
    const double gx = x / cell, gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx)), y0 = static_cast<int>(std::floor(gy));
    const double tx = smoothstep(gx - x0), ty = smoothstep(gy - y0);
    // With a period, lattice columns are taken modulo the number of cells in
    // it, so the last cell interpolates back toward the first.
    const int cells = period > 0 ? static_cast<int>(std::lround(period / cell)) : 0;
    const int xa = cells ? wrap(x0, cells) : x0;
    const int xb = cells ? wrap(x0 + 1, cells) : x0 + 1;
    const double top = lattice(xa, y0, seed) * (1 - tx) + lattice(xb, y0, seed) * tx;
    const double bottom = lattice(xa, y0 + 1, seed) * (1 - tx) + lattice(xb, y0 + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double fractal(double x, double y, double cell, int octaves, std::uint32_t seed, double period) {
    double sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * smooth(x, y, cell, seed + 101u * static_cast<std::uint32_t>(i), period);
        total += weight;
        weight /= 2;
        cell /= 2;
    }
    return sum / total;
}

} // namespace noise
