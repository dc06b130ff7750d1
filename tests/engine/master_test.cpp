// The Master level and the game review, on the 3-against-3 table built
// here: perfect play where the tables cover the root, exact scores inside
// the search that mesh with its own, and the moves that threw a value away.
#include "engine/analysis.h"
#include "engine/tree.h"
#include "support/built_tables.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr double kInf = 99999.9;

class Master : public testing::Test {
protected:
    static void SetUpTestSuite() {
        built_ = new BuiltTables(6);
        tables_ = &built_->tables;
        ASSERT_EQ(6, tables_->maxPieces());
    }
    static void TearDownTestSuite() { delete built_; }

    // Random 3-against-3 positions that the table values `wanted`.
    static std::vector<Board> Positions(Outcome wanted, int count) {
        std::mt19937 rng(static_cast<unsigned>(wanted) + 7);
        std::vector<Board> found;
        while (static_cast<int>(found.size()) < count) {
            std::string cells(24, '.');
            for (char piece : std::string("WWWBBB")) {
                std::size_t p;
                while (cells[p = rng() % 24] != '.') {
                }
                cells[p] = piece;
            }
            const Board b = Position(cells, 40 + static_cast<int>(rng() % 2));
            if (tables_->probe(b).outcome == wanted) found.push_back(b);
        }
        return found;
    }

    static EndgameValue ValueAfter(const Board& b, const Move& m) {
        Board child = b;
        child.DoMove(m);
        return ValueOfMove(tables_->probe(child));
    }

    static inline BuiltTables* built_ = nullptr;
    static inline EndgameTables* tables_ = nullptr;
};

TEST_F(Master, PlaysEveryCoveredPositionPerfectly) {
    SearchAlgo algo = CountingSearch(Board{}, tables_);
    // By node budget, and with the search bounded by time that Master plays.
    for (int millis : {0, kLevelTable[kMasterLevel].millis}) {
        algo.millis = millis;
        for (Outcome o : {Outcome::Win, Outcome::Draw, Outcome::Loss})
            for (const Board& b : Positions(o, 40)) {
                Move moves[kMaxMoves];
                if (b.GenMoves(moves, kMaxMoves) == 0) continue;
                algo.board = b;
                // The quickest win, a draw kept, the slowest loss: the move's
                // value is the position's own.
                EXPECT_EQ(tables_->probe(b), ValueAfter(b, algo.ComputerMove(kMasterNodes)))
                    << MoveWord(Move(-1, 0, -1));
            }
    }
}

TEST_F(Master, TableScoresMeshWithTheSearchsOwn) {
    // Where a plain search sees a covered game to its end, the table's score
    // is the search's: the same quickest win or slowest loss, found at the
    // same remaining depth.
    SearchAlgo plain = CountingSearch(Board{}), master = CountingSearch(Board{}, tables_);
    int compared = 0;
    for (Outcome o : {Outcome::Win, Outcome::Loss})
        for (const Board& b : Positions(o, 150)) {
            const int plies = tables_->probe(b).plies;
            if (plies > 2) continue;
            for (int depth = plies + 1; depth <= plies + 2; ++depth) {
                const double exact = ExactScore(b, tables_->probe(b), depth);
                EXPECT_EQ(plain.Recurse(b, -kInf, kInf, depth, nullptr), exact);
                EXPECT_EQ(master.Recurse(b, -kInf, kInf, depth, nullptr), exact);
                ++compared;
            }
        }
    EXPECT_GT(compared, 20);
    // A draw scores 0 at any depth.
    const Board draw = Positions(Outcome::Draw, 1)[0];
    EXPECT_EQ(0.0, master.Recurse(draw, -kInf, kInf, 5, nullptr));
}

TEST_F(Master, ReviewMarksTheMovesThatThrewAValueAway) {
    const Board won = Positions(Outcome::Win, 1)[0];
    Move moves[kMaxMoves];
    const int n = won.GenMoves(moves, kMaxMoves);
    Move keeps = moves[0], throws = moves[0];
    bool thrown = false;
    for (int i = 0; i < n; ++i) {
        const EndgameValue v = ValueAfter(won, moves[i]);
        if (v == tables_->probe(won)) keeps = moves[i];
        if (v.outcome != Outcome::Win) throws = moves[i], thrown = true;
    }
    ASSERT_TRUE(thrown);

    const std::vector<MoveReview> kept = ReviewGame(won, {keeps}, tables_);
    ASSERT_EQ(1u, kept.size());
    EXPECT_FALSE(kept[0].lostValue);
    EXPECT_EQ(JudgementText(kept[0].before), JudgementText(kept[0].after));
    EXPECT_EQ("win " + std::to_string(tables_->probe(won).plies), JudgementText(kept[0].before));

    int progressed = 0;
    const std::vector<MoveReview> thrownAway =
        ReviewGame(won, {throws}, tables_, [&](int done, int total) {
            EXPECT_EQ(2, total);
            progressed = done;
        });
    ASSERT_EQ(1u, thrownAway.size());
    EXPECT_TRUE(thrownAway[0].lostValue);
    EXPECT_EQ(won.next, thrownAway[0].side);
    EXPECT_NE(Outcome::Win, thrownAway[0].after.outcome);
    EXPECT_EQ(2, progressed);

    // A cancelled review stops before the next position.
    const std::atomic<bool> cancel{true};
    EXPECT_TRUE(ReviewGame(won, {throws}, tables_, {}, &cancel).empty());
}

TEST(Review, WithoutTablesTheSearchsProofsCount) {
    // White closes a mill at a3 and wins at once; c8c7 lets Black do so at b3.
    const Board b = Pieces("a1 a2 c8", "b1 b2 c5", 40);
    const std::vector<MoveReview> r = ReviewGame(b, {Parse("c8c7"), Parse("c5b3-a1")}, nullptr);
    ASSERT_EQ(2u, r.size());
    EXPECT_EQ("win <=1", JudgementText(r[0].before));
    EXPECT_EQ("loss <=2", JudgementText(r[0].after));
    EXPECT_TRUE(r[0].lostValue);
    // Black's winning move keeps its win: the game ends there.
    EXPECT_EQ("win 1", JudgementText(r[1].after));
    EXPECT_FALSE(r[1].lostValue);
}

} // namespace
