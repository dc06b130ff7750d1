// The computer's choice of move: scores, deepening, budget, ties and stop.
#include "engine/tree.h"
#include "support/positions.h"
#include "support/random_games.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

constexpr double kInf = 99999.9;

// The counting evaluator behind the interface, so that the search takes its
// general path, building and evaluating every leaf.
class ThroughInterface : public Evaluator {
public:
    double Eval(const Board& b) override { return counting.Eval(b); }
    CountEval counting;
};

// Asks the search to stop at its n-th evaluation.
class StopAtEvaluation : public Evaluator {
public:
    StopAtEvaluation(SearchAlgo& algo, int n) : algo_(algo), left_(n) {}
    double Eval(const Board& b) override {
        if (--left_ == 0) algo_.StopComputer();
        return counting_.Eval(b);
    }

private:
    SearchAlgo& algo_;
    int left_;
    CountEval counting_;
};

struct Search {
    SearchAlgo algo;
    explicit Search(const Board& b) : algo(CountingSearch(b)) {}
    double Score(const Board& b, int depth) { return algo.Recurse(b, -kInf, kInf, depth, nullptr); }
};

// White to move captures with a4a3 and leaves Black two pieces.
const Board kWhiteWinsAtOnce = Pieces("a1 a2 a4 c2", "b5 b7 c5", 30);
const Board kBlackWinsAtOnce = Pieces("b5 b7 c5", "a1 a2 a4 c2", 31);

TEST(Search, WinInOneShowsInTheFirstIteration) {
    Search white(kWhiteWinsAtOnce);
    Move best;
    EXPECT_EQ(1 + 9999.9, white.algo.Recurse(kWhiteWinsAtOnce, -kInf, kInf, 2, &best));
    const int firstIteration = white.algo.nodes;
    srand(1);
    white.algo.nodes = 0;
    const Move m = white.algo.ComputerMove(1000000);
    EXPECT_EQ("a4a3", MoveWord(m).substr(0, 4));
    EXPECT_EQ(firstIteration, white.algo.nodes); // no second iteration

    Search black(kBlackWinsAtOnce);
    EXPECT_EQ(-(1 + 9999.9), black.Score(kBlackWinsAtOnce, 2));
    EXPECT_EQ("a4a3", MoveWord(black.algo.ComputerMove(1000000)).substr(0, 4));
}

TEST(Search, HorizonDecidesWhenALossIsSeen) {
    // A win by the root's own move needs depth 2; at depth 1 it is an evaluation.
    Search win(kWhiteWinsAtOnce);
    EXPECT_LT(std::abs(win.Score(kWhiteWinsAtOnce, 1)), 27);

    // Here White loses after Black's reply: seen first at depth 3.
    const Board lost = Position("..B....WW..B..WBB.B.BBB.", 70);
    Search s(lost);
    EXPECT_LT(std::abs(s.Score(lost, 2)), 27);
    EXPECT_EQ(-9999.9 - 1, s.Score(lost, 3));
}

TEST(Search, EveryMoveLosingPicksTheSlowestLoss) {
    const Board b = Position(".W.........B.W..W..B.B..", 168);
    Search s(b);
    srand(3);
    const Move m = s.algo.ComputerMove(1000000);
    Board child = b;
    child.DoMove(m);
    double slowest = -kInf;
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    for (int i = 0; i < n; ++i) {
        Board c = b;
        c.DoMove(moves[i]);
        slowest = std::max(slowest, s.Score(c, 4));
    }
    EXPECT_LE(slowest, -10000.0);
    EXPECT_EQ(slowest, s.Score(child, 4));
}

TEST(Search, StuckSideScoresAsLost) {
    // White's four pieces are hemmed in.
    const Board white = Pieces("a1 a2 a3 b2", "a4 a8 b1 b3 c2", 30);
    EXPECT_EQ(-9999.9 - 3, Search(white).Score(white, 3));
    const Board black = Pieces("a4 a8 b1 b3 c2", "a1 a2 a3 b2", 31);
    EXPECT_EQ(3 + 9999.9, Search(black).Score(black, 3));
    // On the horizon the evaluator speaks, even for a stuck or lost side.
    EXPECT_LT(std::abs(Search(white).Score(white, 0)), 27);
    const Board two = Position("WW......BBB.............", 30);
    EXPECT_LT(std::abs(Search(two).Score(two, 0)), 27);
}

TEST(Search, BudgetIsTestedOnlyBetweenIterations) {
    const Board b = Position(".....B...WB.WB.......W..", 289); // flying, many moves
    Search s(b);
    Move m;
    s.algo.Recurse(b, -kInf, kInf, 2, &m);
    const int two = s.algo.nodes;
    s.algo.nodes = 0;
    s.algo.Recurse(b, -kInf, kInf, 3, &m);
    const int three = s.algo.nodes;

    // Reaching the budget exactly ends the deepening; one node short does not.
    s.algo.ComputerMove(two);
    EXPECT_EQ(two, s.algo.nodes);
    s.algo.ComputerMove(two + 1);
    EXPECT_EQ(two + three, s.algo.nodes);
    // "Very easy" completes its first iteration even beyond 500 nodes.
    EXPECT_GT(two, 500);
    s.algo.ComputerMove(level2nodes[0]);
    EXPECT_EQ(two, s.algo.nodes);
    // A budget of nothing still yields the first iteration's legal move.
    const Move none = s.algo.ComputerMove(0);
    EXPECT_FALSE(none.IsEmpty());
    EXPECT_EQ(two, s.algo.nodes);
}

TEST(Search, SameSeedSameChoice) {
    const Board b = Position(".B.......W.WBBWB.WWB....", 10);
    Search s(b);
    srand(42);
    const Move first = s.algo.ComputerMove(level2nodes[1]);
    const int nodes = s.algo.nodes;
    srand(42);
    EXPECT_EQ(first, s.algo.ComputerMove(level2nodes[1]));
    EXPECT_EQ(nodes, s.algo.nodes);
}

TEST(Search, TiesAreBrokenAtRandom) {
    // On the empty board the four corners of each square are alike.
    const Board b = Position("........................", 0);
    Search s(b);
    std::set<std::string> chosen;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        srand(seed);
        chosen.insert(MoveWord(s.algo.ComputerMove(level2nodes[0])));
    }
    EXPECT_GT(chosen.size(), 1u);
}

TEST(Search, LeavesScoredFromPieceSetsMatchTheGeneralPath) {
    // The counting evaluator's shortcut must not change a single choice,
    // node count or score.
    int compared = 0;
    const std::vector<Board> positions = RandomPositions(21, 30, 160);
    for (std::size_t i = 0; i < positions.size(); i += 7) {
        const Board& b = positions[i];
        if (SideToMoveHasLost(b)) continue;
        ThroughInterface general;
        SearchAlgo fast = CountingSearch(b), slow = fast;
        slow.eval = &general;
        srand(static_cast<unsigned>(i));
        const Move a = fast.ComputerMove(level2nodes[1]);
        srand(static_cast<unsigned>(i));
        const Move c = slow.ComputerMove(level2nodes[1]);
        ASSERT_EQ(a, c) << i;
        ASSERT_EQ(fast.nodes, slow.nodes) << i;
        for (double window : {0.5, 3.0}) {
            const double v = fast.Recurse(b, -window, window, 3, nullptr);
            ASSERT_EQ(v, slow.Recurse(b, -window, window, 3, nullptr)) << i;
        }
        ++compared;
    }
    EXPECT_GT(compared, 100);
}

TEST(Search, StopAbandonsTheSearch) {
    const Board b = Position("........BB...W.W........", 4);
    SearchAlgo algo;
    StopAtEvaluation stopper(algo, 10);
    algo.eval = &stopper;
    algo.board = b;
    const Move m = algo.ComputerMove(level2nodes[4]);
    EXPECT_EQ(Move(-1, -1, -1), m);
    EXPECT_TRUE(algo.stop);

    // The node that evaluated returns the evaluation; every node above, 0.
    StopAtEvaluation again(algo, 1);
    algo.eval = &again;
    algo.stop = false;
    Move best(5, 5, 5);
    EXPECT_EQ(0.0, algo.Recurse(b, -kInf, kInf, 2, &best));
    EXPECT_EQ(Move(5, 5, 5), best);
}

TEST(SearchDeathTest, LostRootIsABrokenPrecondition) {
    SearchAlgo algo = CountingSearch(Position("WW......BBB.............", 30));
    EXPECT_DEATH(algo.ComputerMove(500), "Recurse.*Assertion `!m' failed");
    algo.board = Pieces("a1 a2 a3 b2", "a4 a8 b1 b3 c2", 30);
    EXPECT_DEATH(algo.ComputerMove(500), "Assertion `!m' failed");
    Move m;
    EXPECT_DEATH(algo.Recurse(algo.board, -kInf, kInf, 0, &m), "Assertion `!m' failed");
}

} // namespace
