#include "placing.h"

#include "endgame/symmetry.h"
#include "moveorder.h"
#include "pointset.h"
#include "tree.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Scores for the side to move, by the game ply at which the game ends with
// best play: a win ending at ply e scores kWin - e, a loss -(kWin - e), a
// draw 0. The ply is the game's, not the distance from the node, so a score
// means the same wherever the position is met and a child's score is the
// parent's by plain negation. Table distances stay far below kWin.
constexpr int kWin = 1000;
constexpr int kInfinity = kWin + 1;

int ScoreOf(EndgameValue v, int plies) {
    const int end = plies + v.plies;
    return v.outcome == Outcome::Win ? kWin - end : v.outcome == Outcome::Loss ? end - kWin : 0;
}

EndgameValue ValueOf(int score, int plies) {
    if (score > 0) return {Outcome::Win, kWin - score - plies};
    if (score < 0) return {Outcome::Loss, kWin + score - plies};
    return {Outcome::Draw, 0};
}

// A position reduced by the board's symmetries: the least (White, Black)
// pair of point sets over the 16 images, with the ply (which fixes the side
// to move and the pieces in hand), and the symmetry that gives it.
struct Canonical {
    std::uint64_t key;
    int symmetry;
};

// Key layout: bit 63 set (so that 0 is no key), bits 48..52 the ply, bits
// 24..47 White's points, bits 0..23 Black's, all after the symmetry.
Canonical CanonicalOf(const Board& b) {
    const Pieces pieces = PiecesOf(b);
    std::uint64_t least = ~std::uint64_t{0};
    int symmetry = 0;
    for (int s = 0; s < endgame::kSymmetries; ++s) {
        const std::uint64_t sets =
            std::uint64_t{endgame::Apply(s, pieces.white)} << 24 | endgame::Apply(s, pieces.black);
        if (sets < least) {
            least = sets;
            symmetry = s;
        }
    }
    return {least | std::uint64_t(b.plies) << 48 | std::uint64_t{1} << 63, symmetry};
}

int MapPoint(int s, int p) {
    return p < 0 ? p : endgame::kSymmetryPoints[s][p];
}

// What a stored score says of the position's score: exact, at least, at most.
enum Bound : std::uint8_t { kExact, kLower, kUpper };

// One position's result: the key, the score and its bound, and the best (or
// refuting) placement in the key's orientation.
struct Entry {
    std::uint64_t key;
    std::int16_t score;
    std::uint8_t bound;
    signed char end, take;
};
static_assert(sizeof(Entry) == 16);

// Buckets of two entries: the first keeps the position of the lowest ply
// (the largest subtree), the second takes whatever comes. 2^21 entries, 32 MB.
constexpr std::size_t kEntries = std::size_t{1} << 21;
constexpr int kNodesBetweenLooks = 256;
// Cut-off counts stop here, below the weight of a threat in the ordering.
constexpr int kMostCutOffs = (1 << 22) - 1;

// One solver: its transposition table and the state of the search running
// in it. Entries hold values proved for the game itself, which no table or
// later search can change, so the table is kept from one solve to the next.
class Solver {
public:
    Solver() : table_(static_cast<Entry*>(std::calloc(kEntries, sizeof(Entry))), &std::free) {
        if (!table_) throw std::bad_alloc();
    }

    PlacingSolution Solve(const EndgameTables& tables, const Board& b, const SolveLimits& limits);
    int Keeping(const EndgameTables& tables, const Board& b, EndgameValue value,
                const SolveLimits& limits, Move* keeping);

private:
    void Begin(const EndgameTables& tables, const SolveLimits& limits);
    int Search(const Board& b, int alpha, int beta, Move* best);
    int Leaf(const Board& b);
    int KnownCutOff(const Board& b, const Move* moves, int n, int beta) const;
    bool OutOfLimits();
    // Orders moves[0..n) best first; within each group of OrderMoves, the
    // placements that make more threats, then those that cut off more often
    // (counted by point and side).
    void Order(const Board& b, Move* moves, int n, const Move& first) const;
    Entry* Find(std::uint64_t key) const;
    void Store(const Canonical& c, int plies, int score, Bound bound, const Move& m);

    std::unique_ptr<Entry[], decltype(&std::free)> table_;
    int history_[2][24] = {}; // [side to move is Black][point]
    const EndgameTables* tables_ = nullptr;
    SolveLimits limits_;
    std::int64_t nodes_ = 0;
    bool aborted_ = false;
};

bool Solver::OutOfLimits() {
    // The first node looks too, so that a solve stopped before it starts
    // visits no more.
    if (!aborted_ && nodes_ % kNodesBetweenLooks == 1)
        aborted_ = nodes_ >= limits_.nodes || (limits_.stop != nullptr && *limits_.stop) ||
                   Clock::now() >= limits_.deadline;
    return aborted_;
}

Entry* Solver::Find(std::uint64_t key) const {
    Entry* bucket = &table_[(key * 0x9E3779B97F4A7C15ull >> 43) & (kEntries - 2)];
    return bucket[0].key == key ? &bucket[0] : bucket[1].key == key ? &bucket[1] : nullptr;
}

void Solver::Store(const Canonical& c, int plies, int score, Bound bound, const Move& m) {
    Entry* bucket = &table_[(c.key * 0x9E3779B97F4A7C15ull >> 43) & (kEntries - 2)];
    const auto plyOf = [](const Entry& e) { return static_cast<int>(e.key >> 48 & 31); };
    Entry& e = bucket[0].key == c.key || bucket[0].key == 0 || plyOf(bucket[0]) >= plies
                   ? bucket[0]
                   : bucket[1];
    e = Entry{c.key, static_cast<std::int16_t>(score), bound,
              static_cast<signed char>(MapPoint(c.symmetry, m.end)),
              static_cast<signed char>(MapPoint(c.symmetry, m.take))};
}

void Solver::Order(const Board& b, Move* moves, int n, const Move& first) const {
    const int* history = history_[b.next == -1];
    const Pieces pieces = PiecesOf(b);
    const PointSet own = b.next == 1 ? pieces.white : pieces.black;
    const PointSet empty = ~(pieces.white | pieces.black) & kAllPoints;
    OrderMoves(b, moves, n, first, [&](const Move& m) {
        return ThreatsMade(own, empty, m.end) * (kMostCutOffs + 1) + history[m.end];
    });
}

// The score of a position at the end of the placing phase; a position that
// nothing values ends the solve.
int Solver::Leaf(const Board& b) {
    const EndgameValue v = MovingValue(*tables_, b);
    if (v.outcome == Outcome::Unknown) aborted_ = true;
    return ScoreOf(v, b.plies);
}

// Before a node searches its moves: a child whose stored score is at most
// -beta (exact, or an upper bound) refutes the node's window at once.
// Returns that score for the node, or -kInfinity when no child has one.
int Solver::KnownCutOff(const Board& b, const Move* moves, int n, int beta) const {
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const Entry* e = Find(CanonicalOf(child).key);
        if (e != nullptr && e->bound != kLower && -e->score >= beta) return -e->score;
    }
    return -kInfinity;
}

// Fail-soft negamax alpha-beta. `best`, given only at the root, receives the
// best move; the root does not take its score from the table, so that it
// always searches its moves.
int Solver::Search(const Board& b, int alpha, int beta, Move* best) {
    ++nodes_;
    if (OutOfLimits()) return 0;
    if (!b.InPlacingPhase()) return Leaf(b);

    const Canonical c = CanonicalOf(b);
    Move first(-1, -1, -1);
    if (const Entry* e = Find(c.key)) {
        const int back = endgame::kInverse[c.symmetry];
        first = Move(-1, MapPoint(back, e->end), MapPoint(back, e->take));
        if (!best && (e->bound == kExact || (e->bound == kLower && e->score >= beta) ||
                      (e->bound == kUpper && e->score <= alpha)))
            return e->score;
    }

    // The placing phase always leaves an empty point: n > 0.
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    Order(b, moves, n, first);
    if (!best && b.plies + 1 < kPlacingPlies) {
        const int known = KnownCutOff(b, moves, n, beta);
        if (known >= beta) return known;
    }
    const int alphaIn = alpha;
    int bestScore = -kInfinity;
    Move bestMove = moves[0];
    for (int i = 0; i < n && bestScore < beta; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const int v = -Search(child, -beta, -std::max(alpha, bestScore), nullptr);
        if (aborted_) return 0;
        if (v <= bestScore) continue;
        bestScore = v;
        bestMove = moves[i];
        if (v >= beta && moves[i].take < 0) {
            int& count = history_[b.next == -1][moves[i].end];
            count = std::min(count + 1, kMostCutOffs);
        }
    }
    const Bound bound = bestScore >= beta ? kLower : bestScore > alphaIn ? kExact : kUpper;
    Store(c, b.plies, bestScore, bound, bestMove);
    if (best) *best = bestMove;
    return bestScore;
}

void Solver::Begin(const EndgameTables& tables, const SolveLimits& limits) {
    // Cut-offs are counted afresh, so that no count outgrows its group of
    // the move ordering.
    std::fill(&history_[0][0], &history_[0][0] + 2 * 24, 0);
    tables_ = &tables;
    limits_ = limits;
    nodes_ = 0;
    aborted_ = false;
}

int Solver::Keeping(const EndgameTables& tables, const Board& b, EndgameValue value,
                    const SolveLimits& limits, Move* keeping) {
    Begin(tables, limits);
    // A move keeps the score s when its position scores -s or less for the
    // opponent: one test with the narrowest window each.
    const int s = ScoreOf(value, b.plies);
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    int count = 0;
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        const int v = Search(child, -s, -s + 1, nullptr);
        if (aborted_) return 0;
        if (v <= -s) keeping[count++] = moves[i];
    }
    return count;
}

PlacingSolution Solver::Solve(const EndgameTables& tables, const Board& b,
                              const SolveLimits& limits) {
    Begin(tables, limits);
    PlacingSolution solution;
    Move best(-1, -1, -1);
    int score;
    if (!b.InPlacingPhase()) {
        score = Leaf(b);
    } else {
        // A draw is proved with the narrowest window, where any win or loss
        // found cuts off; only a decided position needs its distance.
        score = Search(b, -1, 1, &best);
        if (!aborted_ && score > 0) score = Search(b, 0, kInfinity, &best);
        if (!aborted_ && score < 0) score = Search(b, -kInfinity, 0, &best);
    }
    solution.nodes = nodes_;
    if (aborted_) return solution;
    solution.value = ValueOf(score, b.plies);
    solution.best = best;
    return solution;
}

// Solvers not in use, each kept with its table for the next solve.
std::mutex idleLock;
std::vector<std::unique_ptr<Solver>> idle;

// A solver for one solve: an idle one, or a new one when all are busy.
class Lease {
public:
    Lease() {
        const std::lock_guard lock(idleLock);
        if (!idle.empty()) {
            solver_ = std::move(idle.back());
            idle.pop_back();
        }
        if (!solver_) solver_ = std::make_unique<Solver>();
    }
    ~Lease() {
        const std::lock_guard lock(idleLock);
        idle.push_back(std::move(solver_));
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Solver* operator->() const { return solver_.get(); }

private:
    std::unique_ptr<Solver> solver_;
};

} // namespace

SolveLimits Within(int millis, const bool* stop) {
    SolveLimits limits;
    limits.deadline = Clock::now() + std::chrono::milliseconds(millis);
    limits.stop = stop;
    return limits;
}

PlacingSolution SolvePlacing(const EndgameTables& tables, const Board& b,
                             const SolveLimits& limits) {
    // Without a table no line can end in a known position.
    if (b.InPlacingPhase() && tables.maxPieces() == 0) return {};
    return Lease()->Solve(tables, b, limits);
}

int KeepingMoves(const EndgameTables& tables, const Board& b, EndgameValue value,
                 const SolveLimits& limits, Move* keeping) {
    return Lease()->Keeping(tables, b, value, limits, keeping);
}

EndgameValue MovingValue(const EndgameTables& tables, const Board& b) {
    const EndgameValue v = tables.probe(b);
    if (v.outcome != Outcome::Unknown) return v;
    if (SideToMoveHasLost(b)) return {Outcome::Loss, 0};
    // The side to move wins with any move.
    if (b.OpponentHasLost()) return {Outcome::Win, 1};
    return {};
}

bool ExactMove(const EndgameTables& tables, const Board& b, const SolveLimits& limits,
               EndgameValue& value, Move& move) {
    if (!b.InPlacingPhase()) {
        const EndgameValue v = tables.probe(b);
        if (v.outcome == Outcome::Unknown || !PerfectMove(tables, b, move)) return false;
        value = v;
        return true;
    }
    const PlacingSolution s = SolvePlacing(tables, b, limits);
    if (s.value.outcome == Outcome::Unknown) return false;
    value = s.value;
    move = s.best;
    return true;
}
