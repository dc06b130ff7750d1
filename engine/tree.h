// The computer opponent: minimax with alpha-beta pruning and iterative
// deepening, bounded by a node budget, ties broken at random.
#pragma once

#include "board.h"
#include "eval.h"
#include "levels.h"

#include <cstdint>

class EndgameTables;
struct EndgameValue;

class SearchAlgo {
public:
    Evaluator* eval = nullptr; // not owned
    Board board;               // root of every search; never changed by it
    // Recurse calls since ComputerMove began. 64 bits wide: the iteration
    // that passes the budget runs to its end, and may visit many times more
    // nodes than the budget.
    std::int64_t nodes = 0;
    bool stop = false; // request to abandon the search
    // Master: the tables whose positions get their exact value, at the root
    // (perfect play) and in the tree. Null for levels 0 to 4. Not owned.
    const EndgameTables* tables = nullptr;
    // Master: when above 0, ComputerMove runs Master's own search, bounded
    // by this many milliseconds instead of the node budget (MasterMove).
    int millis = 0;
    // Root score (White's point of view) and depth of the last iteration
    // that ComputerMove completed; depth 0 when the tables chose the move.
    double last_score = 0.0;
    int last_depth = 0;

    SearchAlgo() { board.Init(); }

    // The move for the side to move in `board`, which must have a legal move
    // and must not have lost. Deepens from 2 plies while fewer than `budget`
    // nodes have been visited (the last iteration always completes) or until
    // the game is decided within the horizon. Returns the empty move when the
    // search was stopped. With tables that cover `board` and its moves, the
    // tables choose instead (PerfectMove), without a search.
    Move ComputerMove(int budget);

    // Fail-soft alpha-beta score of b from White's point of view; m, given
    // only at the root, receives the best move.
    double Recurse(const Board& b, double alpha, double beta, int depth, Move* m);

    // The deepest iteration ComputerMove can start for a budget: one whose
    // root score is not decisive visits at least depth + 1 nodes (a line down
    // to an evaluated leaf), and an iteration starts only below the budget.
    // The search then nests this many calls plus one.
    static int MaxDepth(int budget);

    void StopComputer() { stop = true; }
    bool CurrentHasLost() const { return board.CurrentHasLost(); }
    bool OpponentHasLost() const { return board.OpponentHasLost(); }
};

// A search from `root` whose leaves the counting evaluator scores (one
// shared by every search: it keeps no state) and that, given `tables`, plays
// perfectly where they cover.
SearchAlgo CountingSearch(const Board& root, const EndgameTables* tables = nullptr);

// The score of b, whose value for its side to move the tables give, at a
// node of remaining depth `depth`: a draw is 0.0, and a game that ends d
// plies on scores as a lost position found at remaining depth depth - d.
double ExactScore(const Board& b, EndgameValue value, int depth);

// A move that keeps the best value the tables give for b: the quickest win,
// else a draw, else the slowest loss. Among equally good moves, in
// generation order, ties go to the later move when the lowest bit of
// rand() is 1, as in the search. False, and m untouched, when the tables do
// not cover b or one of its moves.
bool PerfectMove(const EndgameTables& tables, const Board& b, Move& m);
