#include "placing.h"

#include "endgame/symmetry.h"
#include "moveorder.h"
#include "placingsolver.h"
#include "pointset.h"
#include "tree.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace placing {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kNodesBetweenLooks = 256;
// Cut-off counts stop here, below the weight of a threat in the ordering.
constexpr int kMostCutOffs = (1 << 22) - 1;

} // namespace

int MapPoint(int s, int p) {
    return p < 0 ? p : endgame::kSymmetryPoints[s][p];
}

int ScoreOf(EndgameValue v, int plies) {
    const int end = plies + v.plies;
    return v.outcome == Outcome::Win ? kWin - end : v.outcome == Outcome::Loss ? end - kWin : 0;
}

EndgameValue ValueOf(int score, int plies) {
    if (score > 0) return {Outcome::Win, kWin - score - plies};
    if (score < 0) return {Outcome::Loss, kWin + score - plies};
    return {Outcome::Draw, 0};
}

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

Solver::Solver(std::size_t entries)
    : table_(static_cast<Entry*>(std::calloc(entries, sizeof(Entry))), &std::free),
      mask_(entries - 1), shift_(64 - std::countr_zero(entries)) {
    assert(entries >= 2 && std::has_single_bit(entries));
    if (!table_) throw std::bad_alloc();
}

bool Solver::OutOfLimits() {
    // The first node looks too, so that a solve stopped before it starts
    // visits no more.
    if (!aborted_ && nodes_ % kNodesBetweenLooks == 1)
        aborted_ = nodes_ >= limits_.nodes || (limits_.stop != nullptr && *limits_.stop) ||
                   Clock::now() >= limits_.deadline;
    return aborted_;
}

// Buckets of two entries: the first keeps the position of the lowest ply
// (the largest subtree), the second takes whatever comes.
Entry* Solver::Bucket(std::uint64_t key) const {
    return &table_[(key * 0x9E3779B97F4A7C15ull >> shift_) & (mask_ - 1)];
}

const Entry* Solver::Find(std::uint64_t key) const {
    const Entry* bucket = Bucket(key);
    return bucket[0].key == key ? &bucket[0] : bucket[1].key == key ? &bucket[1] : nullptr;
}

void Solver::Put(const Entry& entry) {
    Entry* bucket = Bucket(entry.key);
    // A position already stored is updated where it stands, so that no key
    // is held twice.
    Entry& e = bucket[0].key == entry.key                                             ? bucket[0]
               : bucket[1].key == entry.key                                           ? bucket[1]
               : bucket[0].key == 0 || PlyOfKey(bucket[0].key) >= PlyOfKey(entry.key) ? bucket[0]
                                                                                      : bucket[1];
    e = entry;
}

void Solver::Store(const Canonical& c, int score, Bound bound, const Move& m) {
    Put(Entry{c.key, static_cast<std::int16_t>(score), bound,
              static_cast<signed char>(MapPoint(c.symmetry, m.end)),
              static_cast<signed char>(MapPoint(c.symmetry, m.take))});
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
    if (v.outcome == Outcome::Unknown) aborted_ = uncovered_ = true;
    return ScoreOf(v, b.plies);
}

Known Solver::KnownOf(const Canonical& c) const {
    Known k;
    if (const Entry* e = Find(c.key)) {
        if (e->bound != kUpper) k.lower = e->score;
        if (e->bound != kLower) k.upper = e->score;
        k.move = Move(-1, e->end, e->take);
    }
    if (book_ != nullptr && PlyOfKey(c.key) <= book_->deepest())
        if (const BookRecord* r = book_->find(c.key)) {
            k.lower = std::max<int>(k.lower, r->lower);
            k.upper = std::min<int>(k.upper, r->upper);
            // The book's move proves its bound; the table's may only refute.
            if (r->end >= 0) k.move = Move(-1, r->end, r->take);
        }
    const int back = endgame::kInverse[c.symmetry];
    k.move = Move(-1, MapPoint(back, k.move.end), MapPoint(back, k.move.take));
    return k;
}

// Before a node searches its moves: a child whose known score is at most
// -beta refutes the node's window at once. Returns that score for the node,
// or -kInfinity when no child has one.
int Solver::KnownCutOff(const Board& b, const Move* moves, int n, int beta) const {
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        if (const int upper = KnownOf(CanonicalOf(child)).upper; - upper >= beta) return -upper;
    }
    return -kInfinity;
}

// Fail-soft negamax alpha-beta. `best`, given only at the root, receives the
// best move; the root does not take its score from what is known, so that it
// always searches its moves.
int Solver::Search(const Board& b, int alpha, int beta, Move* best) {
    ++nodes_;
    if (OutOfLimits()) return 0;
    if (!b.InPlacingPhase()) return Leaf(b);

    const Canonical c = CanonicalOf(b);
    const Known known = KnownOf(c);
    if (!best) {
        if (known.lower >= beta || known.lower == known.upper) return known.lower;
        if (known.upper <= alpha) return known.upper;
    }

    // The placing phase always leaves an empty point: n > 0.
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    Order(b, moves, n, known.move);
    if (!best && b.plies + 1 < kPlacingPlies) {
        const int cutOff = KnownCutOff(b, moves, n, beta);
        if (cutOff >= beta) return cutOff;
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
    Store(c, bestScore, bound, bestMove);
    if (best) *best = bestMove;
    return bestScore;
}

void Solver::Begin(const EndgameTables& tables, const SolveLimits& limits) {
    // Cut-offs are counted afresh, so that no count outgrows its group of
    // the move ordering.
    std::fill(&history_[0][0], &history_[0][0] + 2 * 24, 0);
    tables_ = &tables;
    book_ = tables.placingBook();
    limits_ = limits;
    nodes_ = 0;
    aborted_ = uncovered_ = false;
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

bool Solver::Prove(const EndgameTables& tables, const Board& b, int alpha, int beta,
                   const SolveLimits& limits, int& score) {
    Begin(tables, limits);
    Move best(-1, -1, -1);
    const int v = b.InPlacingPhase() ? Search(b, alpha, beta, &best) : Leaf(b);
    if (aborted_) return false;
    score = v;
    return true;
}

} // namespace placing

namespace {

using placing::Solver;

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
    limits.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
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

bool BookMove(const EndgameTables& tables, const Board& b, Move& move) {
    const PlacingBook* book = tables.placingBook();
    if (book == nullptr || !b.InPlacingPhase()) return false;
    const placing::Canonical c = placing::CanonicalOf(b);
    const BookRecord* r = book->find(c.key);
    if (r == nullptr || r->end < 0) return false;
    const int back = endgame::kInverse[c.symmetry];
    move = Move(-1, placing::MapPoint(back, r->end), placing::MapPoint(back, r->take));
    return true;
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
