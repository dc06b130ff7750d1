// The moves of a position of the moving phase, and the moves that may have
// led to it, on point sets: the side to move on `mover`, the other side on
// `other`. They follow the rules of Board::GenMoves: a side with exactly
// three pieces flies, any other slides along a line; a move that closes a
// mill captures one opposing piece in no mill, or any when all stand in
// mills.
#pragma once

#include "engine/movegen.h"

namespace endgame {

// Calls slide(after) for each move that captures nothing, with the mover's
// set after it, and capture(after, taken) for each capture, with the point
// of the captured piece.
template <class Slide, class Capture>
void ForEachMove(PointSet mover, PointSet other, Slide&& slide, Capture&& capture) {
    const PointSet empty = ~(mover | other) & kAllPoints;
    const bool flying = std::popcount(mover) == 3;
    const PointSet takeable = Takeable(other);
    for (PointSet from = mover; from != 0; from &= from - 1) {
        const int f = std::countr_zero(from);
        const PointSet staying = mover & ~Bit(f);
        for (PointSet to = flying ? empty : kNeighbours[f] & empty; to != 0; to &= to - 1) {
            const int t = std::countr_zero(to);
            const PointSet after = staying | Bit(t);
            if (MillsThrough(staying, t) == 0) {
                slide(after);
                continue;
            }
            for (PointSet take = takeable; take != 0; take &= take - 1)
                capture(after, std::countr_zero(take));
        }
    }
}

// Calls before(mover) for each move without a capture by the side that is
// not to move (on `moved`) that leads to this position, with that side's
// set before it. A piece that stands in a mill of its own side cannot have
// arrived by such a move: arriving there closed the mill and captured.
template <class Before> void ForEachUnmove(PointSet moved, PointSet toMove, Before&& before) {
    const PointSet empty = ~(moved | toMove) & kAllPoints;
    const bool flying = std::popcount(moved) == 3;
    for (PointSet at = moved; at != 0; at &= at - 1) {
        const int t = std::countr_zero(at);
        const PointSet staying = moved & ~Bit(t);
        if (MillsThrough(staying, t) != 0) continue;
        for (PointSet from = flying ? empty : kNeighbours[t] & empty; from != 0; from &= from - 1)
            before(staying | Bit(std::countr_zero(from)));
    }
}

} // namespace endgame
