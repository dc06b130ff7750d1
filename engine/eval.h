// Static evaluation of a position, from White's point of view: positive
// favours White. The search reaches it only through Evaluator.
#pragma once

#include "board.h"

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
};
