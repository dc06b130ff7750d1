// Sets of points as 24-bit masks (bit p for point p), so that the hot paths
// of generation, evaluation and search test many points with one operation.
// Ring r occupies bits 8r..8r+7, so moving along a square is a rotation
// within a byte and moving along a cross line is a shift by 8.
#pragma once

#include "board.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using PointSet = std::uint32_t;

inline constexpr PointSet kAllPoints = 0xFFFFFF;
// The side middles (odd positions), where the cross lines run.
inline constexpr PointSet kSideMiddles = 0xAAAAAA;
// The middle square's side middles, the only points with four neighbours.
inline constexpr PointSet kCrossings = 0x00AA00;

constexpr PointSet Bit(int p) {
    return PointSet{1} << p;
}

// Bits of the points of mill m.
constexpr PointSet MillSet(int m) {
    return Bit(milltab_short[m][0]) | Bit(milltab_short[m][1]) | Bit(milltab_short[m][2]);
}

// For each point p, the two other points of each of the two mills through p:
// a piece arriving at p closes a mill when its side holds either pair.
struct MillPairs {
    PointSet pairs[24][2];
};
constexpr MillPairs MakeMillPairs() {
    MillPairs t{};
    int count[24] = {};
    for (int m = 0; m < 16; ++m)
        for (int p : milltab_short[m]) t.pairs[p][count[p]++] = MillSet(m) & ~Bit(p);
    return t;
}
inline constexpr MillPairs kMillPairs = MakeMillPairs();

// How many of the two mills through p the pieces `own` complete together
// with a piece on p: the mills a piece arriving at p closes, or the closed
// mills that a piece of `own` on p stands in.
constexpr int MillsThrough(PointSet own, int p) {
    const PointSet* pair = kMillPairs.pairs[p];
    return ((own & pair[0]) == pair[0]) + ((own & pair[1]) == pair[1]);
}

// How many lines through p a piece of `own` placed there leaves with two
// own pieces and an empty point: threats the opponent must answer. Two are
// a fork, since the two lines through p meet nowhere else.
constexpr int ThreatsMade(PointSet own, PointSet empty, int p) {
    int threats = 0;
    for (const PointSet pair : kMillPairs.pairs[p])
        threats += std::popcount(own & pair) == 1 && std::popcount(empty & pair) == 1;
    return threats;
}

// Bits of the neighbours of point p.
constexpr PointSet NeighbourSet(int p) {
    PointSet s = 0;
    for (int x : neighbour[p])
        if (x >= 0) s |= Bit(x);
    return s;
}

// kNeighbours[p]: the bits of the points joined to p by a line.
struct NeighbourTable {
    PointSet sets[24];
    constexpr PointSet operator[](int p) const { return sets[p]; }
};
inline constexpr NeighbourTable kNeighbours = [] {
    NeighbourTable t{};
    for (int p = 0; p < 24; ++p) t.sets[p] = NeighbourSet(p);
    return t;
}();

// Each point's bit moved to the next (Cw) or previous (Ccw) position of its
// square, and along the cross lines to the next square inward or outward.
constexpr PointSet StepCw(PointSet s) {
    return ((s << 1) & 0xFEFEFE) | ((s >> 7) & 0x010101);
}
constexpr PointSet StepCcw(PointSet s) {
    return ((s >> 1) & 0x7F7F7F) | ((s << 7) & 0x808080);
}
constexpr PointSet StepIn(PointSet s) {
    return (s & kSideMiddles & 0x00FFFF) << 8;
}
constexpr PointSet StepOut(PointSet s) {
    return (s & kSideMiddles & 0xFFFF00) >> 8;
}

// Number of (piece, empty neighbour) pairs: the sum of Board::Freedom over
// the pieces of `own`. Each line joins two points in exactly one of the four
// directions, so every pair is counted once.
// The four directions are packed into two words for two counts: the
// inward steps land on odd positions, the outward ones, shifted by one, on
// even positions.
inline int Mobility(PointSet own, PointSet empty) {
    const std::uint64_t along = std::uint64_t{StepCw(own) & empty} << 24 | (StepCcw(own) & empty);
    const PointSet across = (StepIn(own) & empty) | (StepOut(own) & empty) << 1;
    return std::popcount(along) + std::popcount(across);
}

// The mills closed by `own`, one bit each. A square's side mill starts at a
// corner (even position p) and holds p, p+1, p+2: its bit is p's. A
// cross-line mill holds the same side middle of all three squares: its bit
// is the outer square's. The two kinds land on disjoint bits.
struct ClosedMillBits {
    PointSet sides;
    PointSet crosses;
};
constexpr ClosedMillBits ClosedMillsOf(PointSet own) {
    return {own & StepCcw(own) & StepCcw(StepCcw(own)) & 0x555555,
            own & (own >> 8) & (own >> 16) & 0x0000AA};
}

// Number of mills closed by `own`.
constexpr int ClosedMills(PointSet own) {
    const ClosedMillBits m = ClosedMillsOf(own);
    return std::popcount(m.sides | m.crosses);
}

// The pieces of each colour on a board.
struct Pieces {
    PointSet white;
    PointSet black;
};

inline Pieces PiecesOf(const Board& b) {
#if defined(__SSE2__)
    const __m128i* p = reinterpret_cast<const __m128i*>(b.board);
    const __m128i lo = _mm_loadu_si128(p), mid = _mm_loadu_si128(p + 1),
                  hi = _mm_loadu_si128(p + 2);
    const __m128i one = _mm_set1_epi16(1), minus = _mm_set1_epi16(-1);
    const auto mask = [](__m128i a, __m128i b) {
        return static_cast<PointSet>(_mm_movemask_epi8(_mm_packs_epi16(a, b)));
    };
    const PointSet hiBits = mask(_mm_cmpeq_epi16(hi, one), _mm_cmpeq_epi16(hi, minus));
    return {mask(_mm_cmpeq_epi16(lo, one), _mm_cmpeq_epi16(mid, one)) | (hiBits & 0xFF) << 16,
            mask(_mm_cmpeq_epi16(lo, minus), _mm_cmpeq_epi16(mid, minus)) | (hiBits >> 8) << 16};
#else
    Pieces s{0, 0};
    for (int p = 0; p < 24; ++p) {
        s.white |= PointSet{b.board[p] == 1} << p;
        s.black |= PointSet{b.board[p] == -1} << p;
    }
    return s;
#endif
}
