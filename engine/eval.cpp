#include "eval.h"

double CountEval::Eval(const Board& b) {
    const Pieces pieces = PiecesOf(b);
    return Score(b.n_white - b.n_black, pieces.white, pieces.black);
}
