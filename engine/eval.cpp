#include "eval.h"

#include "countscore.h"

double CountEval::Eval(const Board& b) {
    const Pieces pieces = PiecesOf(b);
    return CountScore(b.n_white - b.n_black, pieces.white, pieces.black);
}
