// The engine's invariants abort with the standard assertion message, in the
// build that the test suite runs (assertions are never compiled out).
#include "support/positions.h"

#include <gtest/gtest.h>

namespace {

// "function: Assertion `expression' failed", as the C library prints it.
// The function is written as GCC spells it; clang puts a space before the
// & and * of a parameter's type.
std::string Aborts(const std::string& function, const std::string& expression) {
    std::string pattern;
    for (char c : function + ": Assertion `" + expression + "' failed") {
        if ((c == '&' || c == '*') && !pattern.ends_with(' ')) pattern += " ?";
        if (std::string("()[]*+.?|{}^$\\").find(c) != std::string::npos) pattern += '\\';
        pattern += c;
    }
    return pattern;
}

TEST(AssertionsDeathTest, AreActiveInThisBuild) {
#ifdef NDEBUG
    FAIL() << "NDEBUG is defined: the engine's invariants would go unchecked";
#endif
    Board b = Pieces("a1", "a2", 2);
    EXPECT_DEATH(b.DoMove(Move(-1, 1, -1)),
                 Aborts("void Board::DoMove(const Move&)", "board[m.end] == 0"));
}

TEST(AssertionsDeathTest, DoMoveChecksStartThenEndThenCapture) {
    Board b = Pieces("a1 a3", "a2 b2", 20);
    const std::string doMove = "void Board::DoMove(const Move&)";
    EXPECT_DEATH(b.DoMove(Move(1, 1, -1)), Aborts(doMove, "board[m.start] == next"));
    EXPECT_DEATH(b.DoMove(Move(4, 1, -1)), Aborts(doMove, "board[m.start] == next"));
    EXPECT_DEATH(b.DoMove(Move(0, 2, -1)), Aborts(doMove, "board[m.end] == 0"));
    EXPECT_DEATH(b.DoMove(Move(0, 7, 2)), Aborts(doMove, "board[m.take]== -next"));
    EXPECT_DEATH(b.DoMove(Move(0, 7, 5)), Aborts(doMove, "board[m.take]== -next"));
}

TEST(AssertionsDeathTest, GenerationGuardsItsArray) {
    const std::string genMoves = "int Board::GenMoves(Move*, int) const";
    Move moves[kMaxMoves];
    // Placing: the capacity is tested before every candidate.
    const Board empty = Position("........................", 0);
    EXPECT_EQ(24, empty.GenMoves(moves, 25));
    EXPECT_DEATH(empty.GenMoves(moves, 23), Aborts(genMoves, "num<maxMoves"));
    // A mill-closing candidate needs room for nine captures.
    const Board mill = Pieces("a1 a2", "b1 b2", 4);
    EXPECT_DEATH(mill.GenMoves(moves, 9), Aborts(genMoves, "num < maxMoves-9"));
    EXPECT_EQ(21, mill.GenMoves(moves, 22));
    // Moving: once per own piece, before any of its slides.
    const Board slides = Pieces("b8 a1 a3 a5", "c3 c5 b3 b5", 20);
    EXPECT_EQ(10, slides.GenMoves(moves, 7)); // the last piece starts at 6
    EXPECT_DEATH(slides.GenMoves(moves, 6), Aborts(genMoves, "num<maxMoves"));
}

TEST(AssertionsDeathTest, PointTestsAndTexts) {
    // No game reaches a position with nothing to capture: Black's one piece goes.
    Board b = Pieces("a1 a2", "b1", 4);
    b.board[PointNamed("b1")] = 0;
    b.n_black = 0;
    Move m(-1, 2, -1);
    EXPECT_DEATH(b.GenTakes(&m), Aborts("int Board::GenTakes(Move*) const", "num>0"));
    EXPECT_DEATH(b.WouldCloseMill(-1, 0),
                 Aborts("bool Board::WouldCloseMill(int, int) const", "board[n]==0"));
    EXPECT_DEATH(b.IsInMill(5), Aborts("bool Board::IsInMill(int) const", "board[n]!=0"));
    signed char text[8];
    EXPECT_DEATH(b.MoveToString(Move(3, -1, -1), text),
                 Aborts("void Board::MoveToString(const Move&, signed char*) const", "m.end>=0"));
}

} // namespace
