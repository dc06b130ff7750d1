// Static evaluation of a position, from White's point of view: positive
// favours White. The search reaches it only through Evaluator.
#pragma once

#include "board.h"
#include "pointset.h"

class Evaluator {
public:
    virtual ~Evaluator() {}
    virtual double Eval(const Board& b) = 0;
};

// A weighted count of material, mobility (empty points next to a side's
// pieces), the four crossing points of the middle square, and closed mills.
// Every value lies within +-27, far from the search's scores of decided games.
class CountEval final : public Evaluator {
public:
    ~CountEval() override {}
    double Eval(const Board& b) override;

    // The value from the piece sets and the piece-count difference.
    static double Score(int material, PointSet white, PointSet black) {
        const PointSet empty = ~(white | black) & kAllPoints;
        return Combine(material, Mobility(white, empty) - Mobility(black, empty),
                       std::popcount(white & kCrossings) - std::popcount(black & kCrossings),
                       ClosedMills(white) - ClosedMills(black));
    }

    // The four terms, each White's less Black's, weighted. The search breaks
    // ties on exact equality, so the terms are added in this order, each
    // product rounded on its own.
    static double Combine(int material, int mobility, int crossing, int mills) {
        return ((material + mobility * 0.3) + crossing * 0.2) + mills * 0.4;
    }
};
