// The 16 symmetries of the board that keep its lines and mills: the 8 of
// the square (quarter turns and a mirror) times the swap of the outer and
// inner squares. Positions that one maps onto another have the same value,
// so the endgame tables store one position of each such family.
#pragma once

#include "engine/board.h"
#include "engine/pointset.h"

#include <array>
#include <cstdint>

namespace endgame {

inline constexpr int kSymmetries = 16;

// kSymmetryPoints[s][p]: the point that symmetry s takes point p to. Bits
// 0..1 of s count quarter turns, bit 2 mirrors each square about its
// vertical axis (position q to 2 - q), bit 3 swaps the outer and inner
// squares. Symmetry 0 is the identity.
inline constexpr auto kSymmetryPoints = [] {
    std::array<std::array<int, 24>, kSymmetries> map{};
    for (int s = 0; s < kSymmetries; ++s)
        for (int p = 0; p < 24; ++p) {
            const int ring = s & 8 ? 2 - (p >> 3) : p >> 3;
            const int mirrored = s & 4 ? (10 - (p & 7)) & 7 : p & 7;
            map[s][p] = ring * 8 + ((mirrored + 2 * (s & 3)) & 7);
        }
    return map;
}();

// Point sets moved by a symmetry one ring (byte) at a time:
// kSymmetryBytes[s][ring][byte] is the image of the points of `ring` whose
// bits `byte` holds.
struct SymmetryBytes {
    PointSet images[kSymmetries][3][256];
};
inline constexpr SymmetryBytes kSymmetryBytes = [] {
    SymmetryBytes t{};
    for (int s = 0; s < kSymmetries; ++s)
        for (int ring = 0; ring < 3; ++ring)
            for (int byte = 0; byte < 256; ++byte)
                for (int q = 0; q < 8; ++q)
                    if (byte >> q & 1)
                        t.images[s][ring][byte] |= Bit(kSymmetryPoints[s][ring * 8 + q]);
    return t;
}();

constexpr PointSet Apply(int s, PointSet set) {
    const auto& t = kSymmetryBytes.images[s];
    return t[0][set & 0xFF] | t[1][set >> 8 & 0xFF] | t[2][set >> 16 & 0xFF];
}

// kAfter[t][s]: the symmetry that does s, then t.
inline constexpr auto kAfter = [] {
    std::array<std::array<std::uint8_t, kSymmetries>, kSymmetries> after{};
    for (int t = 0; t < kSymmetries; ++t)
        for (int s = 0; s < kSymmetries; ++s)
            for (int u = 0; u < kSymmetries; ++u) {
                bool same = true;
                for (int p = 0; p < 24; ++p)
                    same =
                        same && kSymmetryPoints[u][p] == kSymmetryPoints[t][kSymmetryPoints[s][p]];
                if (same) after[t][s] = static_cast<std::uint8_t>(u);
            }
    return after;
}();

// kInverse[s]: the symmetry that undoes s.
inline constexpr auto kInverse = [] {
    std::array<std::uint8_t, kSymmetries> inverse{};
    for (int s = 0; s < kSymmetries; ++s)
        for (int t = 0; t < kSymmetries; ++t)
            if (kAfter[t][s] == 0) inverse[s] = static_cast<std::uint8_t>(t);
    return inverse;
}();

// Whether symmetry s keeps every line and every mill of the board.
constexpr bool KeepsLinesAndMills(int s) {
    for (int p = 0; p < 24; ++p)
        if (Apply(s, kNeighbours[p]) != kNeighbours[kSymmetryPoints[s][p]]) return false;
    for (int m = 0; m < 16; ++m) {
        bool found = false;
        for (int n = 0; n < 16; ++n) found = found || Apply(s, MillSet(m)) == MillSet(n);
        if (!found) return false;
    }
    return true;
}

constexpr bool AllKeepLinesAndMills() {
    for (int s = 0; s < kSymmetries; ++s)
        if (!KeepsLinesAndMills(s)) return false;
    return true;
}
static_assert(AllKeepLinesAndMills(),
              "every symmetry maps neighbour and milltab_short onto themselves");

// The 16 maps are distinct: no symmetry is counted twice.
constexpr bool AllDistinct() {
    for (int s = 0; s < kSymmetries; ++s)
        for (int t = 0; t < s; ++t)
            if (kSymmetryPoints[s] == kSymmetryPoints[t]) return false;
    return true;
}
static_assert(AllDistinct());

} // namespace endgame
