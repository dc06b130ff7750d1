// CountEval's value of every child of one position, each computed from the
// parent's piece sets and the few points a move changes, for the search's
// leaves. A move changes at most three points (the start it leaves, the end
// it reaches, the piece it captures), so each term of the evaluation is
// the parent's, brought up to date from those points alone.
#pragma once

#include "countscore.h"
#include "movegen.h"

class LeafScorer {
public:
    // The children of b, walked by c.
    LeafScorer(const Board& b, const MoveCursor& c)
        : c_(c), next_(b.next), material_(b.n_white - b.n_black),
          mills_(ClosedMills(c.own) - ClosedMills(c.opponent)),
          mobility_(Mobility(c.own, c.empty) - Mobility(c.opponent, c.empty)),
          opponentCrossings_(std::popcount(c.opponent & kCrossings)) {}

    // To be called after each step of the cursor to a new source: the
    // start point's share of the update, the same for all its moves.
    void NewSource() {
        staying_ = c_.Staying();
        emptied_ = c_.empty;
        sourceMobility_ = mobility_;
        if (c_.start >= 0) {
            // The piece leaves: its own freedom goes, and its neighbours of
            // both sides gain the start point as an empty neighbour.
            const PointSet n = kNeighbours[c_.start];
            sourceMobility_ += -std::popcount(n & c_.empty) + std::popcount(n & c_.own) -
                               std::popcount(n & c_.opponent);
            emptied_ |= Bit(c_.start);
        }
        ownCrossings_ = std::popcount(staying_ & kCrossings);
    }

    // The value of the cursor's candidate, closing `closed` mills (the
    // cursor's MillsClosed) and capturing on `take` (-1 for none).
    double operator()(int closed, int take) const {
        const int d = c_.end;
        const PointSet own = staying_ | Bit(d);
        const PointSet empty = emptied_ & ~Bit(d);
        // The arriving piece takes its empty neighbours; its own neighbours
        // lose d as an empty point, the opponent's too.
        const PointSet n = kNeighbours[d];
        int mobility = sourceMobility_ - std::popcount(n & staying_) +
                       std::popcount(n & (empty | c_.opponent));
        int mills = mills_ + closed - c_.MillsLeft();
        int crossing = ownCrossings_ + static_cast<int>(kCrossings >> d & 1) - opponentCrossings_;
        int gain = c_.start < 0; // pieces the side to move gains on the opponent
        if (take >= 0) {
            // The captured piece's freedom goes; its neighbours of both sides
            // gain an empty point.
            const PointSet t = kNeighbours[take];
            mobility += std::popcount(t & (own | empty)) - std::popcount(t & c_.opponent);
            mills += MillsThrough(c_.opponent, take);
            crossing += static_cast<int>(kCrossings >> take & 1);
            ++gain;
        }
        // Everything above counts for the side to move; White's view is
        // the score.
        return CombineCounts(material_ + gain * next_, mobility * next_, crossing * next_,
                             mills * next_);
    }

private:
    const MoveCursor& c_;
    int next_;
    int material_;          // White's pieces less Black's
    int mills_;             // for the side to move, less the opponent's
    int mobility_;          // likewise
    int opponentCrossings_; // the opponent's pieces on crossing points
    // For the current source
    PointSet staying_ = 0; // own pieces that stay put
    PointSet emptied_ = 0; // empty points once the piece has left
    int sourceMobility_ = 0;
    int ownCrossings_ = 0;
};
