// Positions as typed after --position. Every position that ReadPosition
// accepts must be one the engine can work on without tripping an assertion:
// its legal moves are generated and each is played, the children's moves
// are generated too, the position is evaluated and searched two plies deep.
// Along the way the move list and the text forms are checked for agreement.
#include "fuzz_check.h"

#include "engine/eval.h"
#include "engine/tree.h"

#include <cmath>
#include <cstdlib>

namespace {

// A legal move fits the position: the mover's own piece leaves (or a new
// piece comes while placing), it lands on an empty point, and a capture
// takes an opposing piece.
void CheckFits(const Board& b, const Move& m) {
    const bool placing = b.InPlacingPhase();
    FUZZ_CHECK(m.end >= 0 && m.end < 24 && b.board[m.end] == 0);
    if (placing)
        FUZZ_CHECK(m.start == -1);
    else
        FUZZ_CHECK(m.start >= 0 && m.start < 24 && b.board[m.start] == b.next);
    FUZZ_CHECK(m.take == -1 || (m.take >= 0 && m.take < 24 && b.board[m.take] == -b.next));
}

void CheckChild(const Board& parent, const Move& m) {
    Board child = parent;
    child.DoMove(m);
    CheckConsistent(child);
    FUZZ_CHECK(child.plies == parent.plies + 1);

    // The move's text is well formed, reads back as the same move and, typed
    // in, plays the same move.
    const std::string text = MoveWord(m);
    FUZZ_CHECK(IsMoveText(text));
    FUZZ_CHECK(Move(reinterpret_cast<const signed char*>(text.c_str())) == m);
    // (A side down to two pieces has lost, and its moves are refused.)
    if (!parent.CurrentHasLost()) FUZZ_CHECK(LegalMoveNamed(parent, text) == m);

    // The child may hold more pieces than a game allows (a full board typed
    // in the placing phase grows further), but its moves must still fit.
    Move moves[kMaxMoves];
    const int n = child.GenMoves(moves, kMaxMoves);
    for (int i = 0; i < n; ++i) CheckFits(child, moves[i]);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitMillTab();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 256) return -1;
    const std::string text = TextOf(data, size);
    std::string problem;
    const std::optional<Board> read = ReadPosition(text, problem);
    if (!read) {
        CheckMessage(problem);
        return 0;
    }
    const Board b = *read;
    CheckConsistent(b);
    FUZZ_CHECK(b.n_white <= 9 && b.n_black <= 9);
    FUZZ_CHECK(b.plies >= 0 && b.plies <= 100000);
    FUZZ_CHECK(ReadPosition(PositionText(b), problem) == b);

    CountEval evaluator;
    FUZZ_CHECK(std::fabs(evaluator.Eval(b)) <= 27);

    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    FUZZ_CHECK(n >= 0 && n < kMaxMoves);
    for (int i = 0; i < n; ++i) {
        CheckFits(b, moves[i]);
        for (int j = 0; j < i; ++j) FUZZ_CHECK(!(moves[j] == moves[i]));
        CheckChild(b, moves[i]);
    }

    if (!SideToMoveHasLost(b)) {
        SearchAlgo algo = CountingSearch(b);
        std::srand(1);                            // the same tie-breaks on every run of an input
        const Move chosen = algo.ComputerMove(1); // one iteration, two plies
        bool listed = false;
        for (int i = 0; i < n; ++i) listed = listed || moves[i] == chosen;
        FUZZ_CHECK(listed);
    }
    return 0;
}
