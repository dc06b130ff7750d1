// CountEval's arithmetic on piece sets, shared by CountEval::Eval and the
// search's leaf scoring. Inside the engine only: it brings in the point-set
// code, whose intrinsics stay out of the engine's public headers.
#pragma once

#include "pointset.h"

// The four terms, each White's less Black's, weighted. The search breaks
// ties on exact equality, so the terms are added in this order, each
// product rounded on its own.
inline double CombineCounts(int material, int mobility, int crossing, int mills) {
    return ((material + mobility * 0.3) + crossing * 0.2) + mills * 0.4;
}

// The value from the piece sets and the piece-count difference.
inline double CountScore(int material, PointSet white, PointSet black) {
    const PointSet empty = ~(white | black) & kAllPoints;
    return CombineCounts(material, Mobility(white, empty) - Mobility(black, empty),
                         std::popcount(white & kCrossings) - std::popcount(black & kCrossings),
                         ClosedMills(white) - ClosedMills(black));
}
