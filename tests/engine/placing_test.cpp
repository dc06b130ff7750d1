// Exact values of the last placing moves, on the tables of up to 8 pieces
// built here: the solver agrees with a plain minimax over every line, gives
// symmetric positions one value, and answers Unknown, never a wrong value,
// where a line leaves the tables or the limits cut the search short.
#include "engine/analysis.h"
#include "engine/bookbuild.h"
#include "engine/endgame/symmetry.h"
#include "engine/placing.h"
#include "engine/placingsolver.h"
#include "engine/tree.h"
#include "support/built_tables.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

// Higher is better for the side to move: the quickest win, the slowest loss.
int Rank(EndgameValue v) {
    return v.outcome == Outcome::Win    ? 1000 - v.plies
           : v.outcome == Outcome::Loss ? v.plies - 1000
                                        : 0;
}

// Minimax over every line, without pruning or a table of positions. Past the
// placing phase the tables' value; where they hold none (a side down to two
// pieces), `beyond` more plies by the rules.
EndgameValue Minimax(const EndgameTables& tables, const Board& b, int beyond = 1) {
    if (SideToMoveHasLost(b)) return {Outcome::Loss, 0};
    if (!b.InPlacingPhase()) {
        const EndgameValue v = tables.probe(b);
        if (v.outcome != Outcome::Unknown || beyond == 0) return v;
        --beyond;
    }
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    EndgameValue best;
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const EndgameValue v = ValueOfMove(Minimax(tables, child, beyond));
        if (v.outcome == Outcome::Unknown) return {};
        if (best.outcome == Outcome::Unknown || Rank(v) > Rank(best)) best = v;
    }
    return best;
}

Board Mapped(const Board& b, int symmetry) {
    Board image = b;
    for (int p = 0; p < 24; ++p) image.board[endgame::kSymmetryPoints[symmetry][p]] = b.board[p];
    return image;
}

class PlacingSolver : public testing::Test {
protected:
    static void SetUpTestSuite() { built_ = new BuiltTables(8); }
    static void TearDownTestSuite() { delete built_; }
    static const EndgameTables& tables() { return built_->tables; }
    static EndgameValue Solved(const Board& b) {
        return SolvePlacing(tables(), b, SolveLimits{}).value;
    }

    static BuiltTables* built_;
};
BuiltTables* PlacingSolver::built_ = nullptr;

// Positions whose every line ends inside the tables: each side's pieces on
// the board and in hand come to 8 or fewer.
const Board kCovered[] = {
    // White closes a1 a2 a3 or stops Black's b1 b2 b3 first.
    Pieces("a1 a2 c5", "b1 b2 b4", 16),
    // Black closes b1 b2 b3 and leaves White two pieces.
    Pieces("a1 a2 c1", "b1 b2 c5 c6", 17),
    // Black places its second piece and White wins with any move.
    Pieces("a1 c3 b5", "b7", 17),
    // Both sides build mills with two pieces each still in hand.
    Pieces("a1 a3 b4", "c1 c3", 15),
    Pieces("a1 b2", "a7 c5", 14),
    // Decided a long way into the moving phase: won in 27, lost in 30.
    Position("....B....W.....B..W.B...", 16),
    Position(".B.............B....W.W.", 15),
};

TEST_F(PlacingSolver, AgreesWithMinimaxOverEveryLineAndPlaysAMoveThatKeepsTheValue) {
    for (const Board& b : kCovered) {
        const PlacingSolution s = SolvePlacing(tables(), b, SolveLimits{});
        const EndgameValue expected = Minimax(tables(), b);
        ASSERT_NE(Outcome::Unknown, expected.outcome) << PositionText(b);
        EXPECT_EQ(expected, s.value) << PositionText(b);
        Board after = b;
        after.DoMove(s.best);
        EXPECT_EQ(expected, ValueOfMove(Minimax(tables(), after))) << PositionText(b);
        // Each position one move on, solved after the bounds that solving b
        // left behind, and the moves that keep b's value.
        Move moves[kMaxMoves], keeping[kMaxMoves];
        const int n = b.GenMoves(moves, kMaxMoves);
        std::vector<Move> kept;
        for (int i = 0; i < n; ++i) {
            Board child = b;
            child.DoMove(moves[i]);
            const EndgameValue v = Minimax(tables(), child);
            EXPECT_EQ(v, Solved(child)) << PositionText(b) << " " << MoveWord(moves[i]);
            if (ValueOfMove(v) == expected) kept.push_back(moves[i]);
        }
        const int keepingCount = KeepingMoves(tables(), b, expected, SolveLimits{}, keeping);
        EXPECT_EQ(kept, std::vector<Move>(keeping, keeping + keepingCount)) << PositionText(b);
    }
}

TEST_F(PlacingSolver, GivesEveryImageOfAPositionUnderTheBoardsSymmetriesOneValue) {
    for (const Board& b : {kCovered[0], kCovered[3]}) {
        const EndgameValue value = Solved(b);
        for (int s = 1; s < endgame::kSymmetries; ++s)
            EXPECT_EQ(value, Solved(Mapped(b, s))) << PositionText(b) << " symmetry " << s;
    }
}

TEST_F(PlacingSolver, AnswersUnknownWhereALineLeavesTheTablesOrTheLimitsStopIt) {
    // Lines without a capture end with 9 pieces, beyond the tables.
    EXPECT_EQ(Outcome::Unknown, Solved(Pieces("a1 a2 c5", "b1 b2 b4 c7", 16)).outcome);
    const Board fresh = Pieces("a2 b4", "c1 a5", 14);
    SolveLimits few;
    few.nodes = 300;
    EXPECT_EQ(Outcome::Unknown, SolvePlacing(tables(), fresh, few).value.outcome);
    const bool stop = true;
    EXPECT_EQ(Outcome::Unknown, SolvePlacing(tables(), fresh, Within(1000, &stop)).value.outcome);
    // What a cut-short solve proved stays right for the next one.
    EXPECT_EQ(Minimax(tables(), fresh), Solved(fresh));
}

TEST_F(PlacingSolver, MasterKeepsTheExactValueAndTheReviewJudgesByIt) {
    for (const Board& b : kCovered) {
        SearchAlgo master = CountingSearch(b, &tables());
        master.millis = 950;
        Board after = b;
        after.DoMove(master.ComputerMove(0));
        const EndgameValue value = Minimax(tables(), b);
        EXPECT_EQ(value, ValueOfMove(Minimax(tables(), after))) << PositionText(b);
        // A decided position's move is the solver's; a draw leaves the choice
        // among the drawing moves to the search.
        if (value.outcome != Outcome::Draw) {
            EXPECT_EQ(0, master.last_depth) << PositionText(b);
        }

        const std::vector<MoveReview> review = ReviewGame(b, {master.ComputerMove(0)}, &tables());
        ASSERT_EQ(1u, review.size());
        EXPECT_EQ(FromTables(Minimax(tables(), b)), review[0].before) << PositionText(b);
        EXPECT_EQ(review[0].before, review[0].after) << PositionText(b);
    }
}

// A book proved from a position near the end of placing: every bound it
// holds contains the minimax value, the tables opened again take it up and
// settle its root without a search, and a damaged book is refused.
TEST_F(PlacingSolver, ABookHoldsProvedBoundsAndADamagedOneIsRefused) {
    BookOptions options;
    options.folder = built_->folder;
    options.tableFolders = {built_->folder};
    options.start = kCovered[4];
    options.plies = kPlacingPlies - 1;
    options.memory = std::size_t{48} << 20;
    std::string error;
    ASSERT_TRUE(BuildPlacingBook(options, error)) << error;
    // Built again over the first book, which settles its proofs at once, it
    // still keeps the move of every position that reaches its bound.
    options.plies = kPlacingPlies - 2;
    ASSERT_TRUE(BuildPlacingBook(options, error)) << error;

    EndgameTables withBook;
    withBook.open({built_->folder});
    ASSERT_NE(nullptr, withBook.placingBook());
    const PlacingBook& book = *withBook.placingBook();
    EXPECT_GT(book.size(), 20u);
    int checked = 0;
    // Walk a few lines down from the root and check each position met.
    for (int line = 0; line < 40; ++line) {
        Board b = kCovered[4];
        for (int k = 0; b.InPlacingPhase(); ++k) {
            if (const BookRecord* r = book.find(placing::CanonicalOf(b).key)) {
                const int score = placing::ScoreOf(Minimax(tables(), b), b.plies);
                EXPECT_LE(r->lower, score) << PositionText(b);
                EXPECT_GE(r->upper, score) << PositionText(b);
                // Its move keeps the lower bound.
                Move kept;
                if (BookMove(withBook, b, kept)) {
                    Board after = b;
                    after.DoMove(kept);
                    EXPECT_LE(r->lower, -placing::ScoreOf(Minimax(tables(), after), after.plies))
                        << PositionText(b);
                }
                ++checked;
            }
            Move moves[kMaxMoves];
            const int n = b.GenMoves(moves, kMaxMoves);
            b.DoMove(moves[(line * 7 + k * 3) % n]);
        }
    }
    EXPECT_GT(checked, 40);
    Move rootMove;
    EXPECT_TRUE(BookMove(withBook, kCovered[4], rootMove));
    EXPECT_GT(std::count_if(book.records().begin(), book.records().end(),
                            [](const BookRecord& r) {
                                return r.end >= 0 && PlyOfKey(r.key) > kCovered[4].plies;
                            }),
              10);
    SolveLimits few;
    few.nodes = 2 * kMaxMoves;
    EXPECT_EQ(Minimax(tables(), kCovered[4]), SolvePlacing(withBook, kCovered[4], few).value);

    const std::string path = built_->folder + "/" + kPlacingBookName;
    const auto size = std::filesystem::file_size(path);
    {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(size - 5));
        f.put('\x55');
    }
    withBook.open({built_->folder});
    EXPECT_EQ(nullptr, withBook.placingBook());
    ASSERT_EQ(1u, withBook.problems().size());
    EXPECT_NE(std::string::npos, withBook.problems()[0].find("corrupt"));
    std::filesystem::resize_file(path, size / 2);
    withBook.open({built_->folder});
    EXPECT_EQ(nullptr, withBook.placingBook());
    std::filesystem::remove(path);
}

} // namespace
