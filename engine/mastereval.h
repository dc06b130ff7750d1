// Master's static evaluation: material (pieces in hand included), room to
// move, blocked pieces, mills closed and in reach, each weighted for the
// phase, placing or moving. No toolkit.
#pragma once

#include "board.h"

// What the evaluation counts for one side; each count has a weight per
// phase. A side that flies (three pieces in the moving phase) counts no
// room, blocked pieces or cramp: it can go anywhere.
struct SideTerms {
    int pieces = 0;      // on the board and in hand
    int freedom = 0;     // (piece, empty neighbour) pairs
    int blocked = 0;     // pieces with no empty neighbour
    int openMills = 0;   // lines of two own pieces and an empty point
    int closedMills = 0; // lines of three own pieces
    int threats = 0;     // open mills a piece outside them closes next move
    int forks = 0;       // open mills closed at a point that closes another
    int cramp = 0;       // empty neighbours short of six, over all pieces
    bool flying = false;
};

// The terms of `side` (+1 White, -1 Black) in b.
SideTerms TermsOf(const Board& b, int side);

// The evaluation of b for its side to move, in hundredths of a piece:
// positive favours the side to move.
int MasterEval(const Board& b);
