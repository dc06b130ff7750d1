// The order in which a position's moves are generated, shared by
// Board::GenMoves and the search's leaf-parent nodes, which walk it lazily
// and stop at a cut-off.
#pragma once

#include "board.h"
#include "pointset.h"

// The pieces of `pieces` that stand in a closed mill.
constexpr PointSet InMill(PointSet pieces) {
    const auto [sides, crosses] = ClosedMillsOf(pieces);
    return sides | StepCw(sides) | StepCw(StepCw(sides)) | crosses | crosses << 8 | crosses << 16;
}

// The opposing pieces that a mill-closing move may capture: those in no
// mill, or any of them when every one stands in a mill.
constexpr PointSet Takeable(PointSet opponent) {
    const PointSet free = opponent & ~InMill(opponent);
    return free != 0 ? free : opponent;
}

// Walks the candidate moves (start and end, before any capture) of a
// position in generation order. Sources come in ascending order: every
// empty point while placing (start -1), every own piece otherwise. A
// flying piece tries the empty points in ascending order, a sliding piece
// its empty neighbours in the order of its `neighbour` row.
class MoveCursor {
public:
    explicit MoveCursor(const Board& b) {
        const Pieces pieces = PiecesOf(b);
        own = b.next == 1 ? pieces.white : pieces.black;
        opponent = b.next == 1 ? pieces.black : pieces.white;
        empty = ~(pieces.white | pieces.black) & kAllPoints;
        placing_ = b.InPlacingPhase();
        flying_ = !placing_ && (b.next == 1 ? b.n_white : b.n_black) == 3;
        sources_ = placing_ ? empty : own;
    }

    // Steps to the next source; false when there is none left.
    bool NextSource() {
        if (sources_ == 0) return false;
        source_ = std::countr_zero(sources_);
        sources_ &= sources_ - 1;
        start = placing_ ? -1 : source_;
        // A sliding or flying piece leaves its point, so it cannot close a
        // mill with itself.
        staying_ = placing_ ? own : own & ~Bit(source_);
        startMills_ = placing_ ? 0 : MillsThrough(own, source_);
        destinations_ = placing_ ? Bit(source_) : flying_ ? empty : 0;
        row_ = 0;
        return true;
    }

    // Steps to the current source's next destination; false when none is left.
    bool NextDestination() {
        if (placing_ || flying_) {
            if (destinations_ == 0) return false;
            end = std::countr_zero(destinations_);
            destinations_ &= destinations_ - 1;
            return true;
        }
        while (row_ < 4) {
            const int x = neighbour[source_][row_++];
            if (x < 0) return false;
            if (empty & Bit(x)) {
                end = x;
                return true;
            }
        }
        return false;
    }

    // The pieces of the side to move that stay where they are.
    PointSet Staying() const { return staying_; }
    // How many mills the current candidate closes (a move that closes any
    // captures), and how many closed mills its piece leaves.
    int MillsClosed() const { return MillsThrough(staying_, end); }
    int MillsLeft() const { return startMills_; }
    bool ClosesMill() const { return MillsClosed() != 0; }

    int start = -1, end = -1; // the current candidate
    PointSet own, opponent, empty;

private:
    PointSet sources_, destinations_ = 0, staying_ = 0;
    int source_ = -1, row_ = 0, startMills_ = 0;
    bool placing_, flying_;
};
