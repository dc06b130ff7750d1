// Typed moves, as LegalMoveNamed reads them. The input is tried as one move on
// a few fixed positions (every phase, a capture choice, a game that is over)
// and, split on white space, as a game from the initial position. A move is
// played exactly when it is the text of a legal move; a refused move leaves
// the position as it was.
#include "fuzz_check.h"

#include <sstream>

namespace {

constexpr const char* kPositions[] = {
    "........................ w 0",   // initial
    "WW......BB.............. w 4",   // placing, a mill with two captures to choose from
    "WW......BBB............. w 6",   // placing, every opposing piece in a mill
    "...B.W.WW..B.B.B...W.WWW w 40",  // moving
    ".....W....B.B.BW......W. w 60",  // White flying
    "BBB.....WB.W.W.WBWWB.... b 123", // moving, captures available
    "WW......BBB............. w 30",  // White has lost by material
    "BW.....W................ b 19",  // Black cannot move
};

std::vector<Board> fixed;

// The legal move whose text is `text`, or nullptr.
const Move* Find(const Move* moves, int n, const std::string& text) {
    for (int i = 0; i < n; ++i)
        if (MoveWord(moves[i]) == text) return &moves[i];
    return nullptr;
}

// Looks `text` up in b and checks the outcome against b's move list; plays
// the move found. Returns whether there was one.
bool TryMove(Board& b, const std::string& text) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    const bool over = b.CurrentHasLost() || n == 0;
    const Move* legal = over ? nullptr : Find(moves, n, text);
    MoveTextFault fault = MoveTextFault::NotAMove;
    const std::optional<Move> named = LegalMoveNamed(b, text, &fault);
    if (!named) {
        FUZZ_CHECK(legal == nullptr);
        FUZZ_CHECK((fault == MoveTextFault::NotAMove) == !IsMoveText(text));
        FUZZ_CHECK(fault == MoveTextFault::NotAMove || (fault == MoveTextFault::GameOver) == over);
        return false;
    }
    FUZZ_CHECK(legal != nullptr && *legal == *named);
    b.DoMove(*named);
    CheckConsistent(b);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitMillTab();
    std::string problem;
    for (const char* text : kPositions) fixed.push_back(ReadPosition(text, problem).value());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1024) return -1;
    const std::string text = TextOf(data, size);
    for (const Board& position : fixed) {
        Board b = position;
        TryMove(b, text);
    }

    std::istringstream words(text);
    Board game;
    game.Init();
    for (std::string word; words >> word;)
        if (!TryMove(game, word)) break;
    return 0;
}
