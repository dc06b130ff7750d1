#include "master.h"

#include "endgame/endgame.h"
#include "mastereval.h"
#include "movegen.h"
#include "moveorder.h"
#include "placing.h"
#include "tree.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

// Scores for the side to move: a game won in d plies from the root scores
// kWin - d, lost kLoss + d; every evaluation lies well inside +-kDecided.
constexpr int kInfinity = 32000;
constexpr int kWin = 30000;
constexpr int kDecided = kWin - 1000;
// The deepest line the search follows, captures at the horizon included.
constexpr int kMaxPly = 64;
// How many plies of captures the horizon may add.
constexpr int kCapturePlies = 6;
// Nodes between two looks at the clock.
constexpr std::int64_t kClockEvery = 1024;

// Random 64-bit keys for hashing positions, drawn at compile time.
constexpr std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Layout: piece[0][p] a White piece on p, piece[1][p] a Black one; ply[k]
// the k-th placing ply (k < 18), ply[18] every ply of the moving phase;
// black the side to move being Black.
struct Keys {
    std::uint64_t piece[2][24];
    std::uint64_t ply[kPlacingPlies + 1];
    std::uint64_t black;
};
constexpr Keys kKeys = [] {
    Keys k{};
    std::uint64_t state = 20260101;
    for (auto& side : k.piece)
        for (std::uint64_t& key : side) key = SplitMix(state);
    for (std::uint64_t& key : k.ply) key = SplitMix(state);
    k.black = SplitMix(state);
    return k;
}();

std::uint64_t Hash(const Board& b) {
    const Pieces pieces = PiecesOf(b);
    std::uint64_t key = kKeys.ply[std::min(b.plies, kPlacingPlies)];
    if (b.next == -1) key ^= kKeys.black;
    for (PointSet s = pieces.white; s != 0; s &= s - 1) key ^= kKeys.piece[0][std::countr_zero(s)];
    for (PointSet s = pieces.black; s != 0; s &= s - 1) key ^= kKeys.piece[1][std::countr_zero(s)];
    return key;
}

// What a stored score says: exact, at least (a cut-off) or at most.
enum Bound : std::uint8_t { kExact, kLower, kUpper };

struct Entry {
    std::uint64_t key;
    std::int16_t score; // decided scores relative to the entry's node
    std::int8_t depth;
    std::uint8_t bound;
    std::uint8_t age; // the search that stored it
    Move move;        // best or refuting move; empty if none
};
static_assert(sizeof(Entry) == 16);

// 2^20 entries, 16 MB.
constexpr std::size_t kEntries = std::size_t{1} << 20;

// The transposition table, allocated at the first Master move, and the
// lock that lets one search use it at a time.
std::mutex tableLock;
std::unique_ptr<Entry[]> table;
std::uint8_t searches = 0;

// Where the search stands: the clock, the counters, the line it follows.
class Searcher {
public:
    Searcher(SearchAlgo& algo, Clock::time_point deadline, std::uint8_t age)
        : algo_(algo), deadline_(deadline), age_(age) {}

    // Searches the root to `depth`; the root's best move goes to best_ and its
    // score is returned. Meaningless once aborted().
    int Root(int depth) { return Search(algo_.board, -kInfinity, kInfinity, depth, 0); }
    bool aborted() const { return aborted_; }
    Move best() const { return best_; }
    bool bestFound() const { return bestFound_; }
    // The root tries only these moves (kept, not copied) from now on.
    void RestrictRoot(const Move* moves, int n) {
        rootMoves_ = moves;
        rootCount_ = n;
    }

private:
    int Search(const Board& b, int alpha, int beta, int depth, int ply);
    int Captures(const Board& b, int alpha, int beta, int ply, int left);
    bool TimeUp();
    // The exact score of b from the tables at `ply`, or false.
    bool Exact(const Board& b, int ply, int& score) const;
    // Orders moves[0..n) by the table's move, captures, blocks of the
    // opponent's mills and the history of good quiet moves, best first.
    void Order(const Board& b, Move* moves, int n, const Move& first) const;
    Entry& Slot(std::uint64_t key) const { return table[key & (kEntries - 1)]; }
    void Store(std::uint64_t key, int score, int depth, Bound bound, const Move& m, int ply);

    SearchAlgo& algo_;
    Clock::time_point deadline_;
    std::uint8_t age_;
    bool aborted_ = false;
    Move best_ = Move(-1, -1, -1);
    bool bestFound_ = false;
    const Move* rootMoves_ = nullptr;
    int rootCount_ = 0;                    // 0: every move
    std::uint64_t path_[kMaxPly + 1] = {}; // the keys of the line followed
    int history_[25][24] = {};             // [start + 1][end]: quiet moves that cut off
};

bool Searcher::TimeUp() {
    if (algo_.stop || (algo_.nodes % kClockEvery == 0 && Clock::now() >= deadline_))
        aborted_ = true;
    return aborted_;
}

bool Searcher::Exact(const Board& b, int ply, int& score) const {
    if (algo_.tables == nullptr || b.InPlacingPhase() ||
        b.n_white + b.n_black > algo_.tables->maxPieces())
        return false;
    const EndgameValue v = algo_.tables->probe(b);
    switch (v.outcome) {
    case Outcome::Win:
        score = kWin - ply - v.plies;
        return true;
    case Outcome::Loss:
        score = -kWin + ply + v.plies;
        return true;
    case Outcome::Draw:
        score = 0;
        return true;
    case Outcome::Unknown:
        break;
    }
    return false;
}

void Searcher::Order(const Board& b, Move* moves, int n, const Move& first) const {
    OrderMoves(b, moves, n, first, [&](const Move& m) { return history_[m.start + 1][m.end]; });
}

void Searcher::Store(std::uint64_t key, int score, int depth, Bound bound, const Move& m, int ply) {
    Entry& e = Slot(key);
    if (e.key != key && e.age == age_ && e.depth > depth) return;
    // Decided scores are stored relative to this node, read back relative to
    // the node that finds them.
    if (score > kDecided) score += ply;
    if (score < -kDecided) score -= ply;
    e = Entry{key,
              static_cast<std::int16_t>(score),
              static_cast<std::int8_t>(depth),
              static_cast<std::uint8_t>(bound),
              age_,
              m};
}

int Searcher::Captures(const Board& b, int alpha, int beta, int ply, int left) {
    ++algo_.nodes;
    if (TimeUp()) return 0;
    if (b.CurrentHasLost()) return -kWin + ply;
    int exact;
    if (Exact(b, ply, exact)) return exact;
    const int stand = MasterEval(b);
    if (stand >= beta || left == 0 || ply >= kMaxPly) return stand;
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    if (n == 0) return -kWin + ply;
    int best = stand;
    alpha = std::max(alpha, stand);
    for (int i = 0; i < n; ++i) {
        if (moves[i].take < 0) continue;
        Board child = b;
        child.DoMove(moves[i]);
        const int v = -Captures(child, -beta, -alpha, ply + 1, left - 1);
        if (aborted_) return 0;
        if (v > best) {
            best = v;
            if (v > alpha) alpha = v;
            if (v >= beta) break;
        }
    }
    return best;
}

// How many plies shallower the search first tries m, the i-th move tried at
// `depth` and `ply`, where `opponent` holds the pieces of the side not to
// move. The first two moves, captures, blocks of the opponent's mills and
// the root's moves are searched in full; later quiet moves lose a ply, and
// from the seventh on two where much depth is left. The search reaches two
// or three plies deeper in the same time: over 360 placing positions whose
// moves the whole set values, Master's moves that lose a drawn game went
// from 9 to 2, those that let a win go from 11 to 7.
int Reduction(const Move& m, PointSet opponent, int i, int depth, int ply) {
    if (ply == 0 || i < 2 || depth < 3 || m.take >= 0 || BlocksMill(opponent, m)) return 0;
    return i >= 6 && depth >= 5 ? 2 : 1;
}

int Searcher::Search(const Board& b, int alpha, int beta, int depth, int ply) {
    ++algo_.nodes;
    if (TimeUp()) return 0;
    if (b.CurrentHasLost()) return -kWin + ply;
    const std::uint64_t key = Hash(b);
    path_[ply] = key;
    if (ply > 0) {
        // A position met again on this line: the game goes round, a draw.
        if (!b.InPlacingPhase())
            for (int p = ply - 2; p >= 0; p -= 2)
                if (path_[p] == key) return 0;
        int exact;
        if (Exact(b, ply, exact)) return exact;
    }
    if (depth <= 0 || ply >= kMaxPly) return Captures(b, alpha, beta, ply, kCapturePlies);

    Move first(-1, -1, -1);
    const Entry& e = Slot(key);
    if (e.key == key) {
        first = e.move;
        int score = e.score;
        if (score > kDecided) score -= ply;
        if (score < -kDecided) score += ply;
        if (ply > 0 && e.depth >= depth &&
            (e.bound == kExact || (e.bound == kLower && score >= beta) ||
             (e.bound == kUpper && score <= alpha)))
            return score;
    }

    Move moves[kMaxMoves];
    int n = b.GenMoves(moves, kMaxMoves);
    if (n == 0) return -kWin + ply; // blocked: the side to move has lost
    const bool restricted = ply == 0 && rootCount_ > 0;
    if (restricted)
        n = static_cast<int>(std::remove_if(moves, moves + n,
                                            [&](const Move& m) {
                                                return std::find(rootMoves_,
                                                                 rootMoves_ + rootCount_,
                                                                 m) == rootMoves_ + rootCount_;
                                            }) -
                             moves);
    Order(b, moves, n, first);
    const Pieces pieces = PiecesOf(b);
    const PointSet opponent = b.next == 1 ? pieces.black : pieces.white;

    const int alphaIn = alpha;
    int best = -kInfinity;
    Move bestMove = moves[0];
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        int v;
        if (i == 0) {
            v = -Search(child, -beta, -alpha, depth - 1, ply + 1);
        } else {
            // Every later move is first tried with a null window: most are
            // worse, and proving so is cheaper. A late quiet move is tried
            // shallower first, and again at full depth if it looks better.
            const int r = Reduction(moves[i], opponent, i, depth, ply);
            v = -Search(child, -alpha - 1, -alpha, depth - 1 - r, ply + 1);
            if (r > 0 && v > alpha && !aborted_)
                v = -Search(child, -alpha - 1, -alpha, depth - 1, ply + 1);
            if (v > alpha && v < beta && !aborted_)
                v = -Search(child, -beta, -alpha, depth - 1, ply + 1);
        }
        if (aborted_) return 0;
        if (v > best) {
            best = v;
            bestMove = moves[i];
            if (ply == 0) {
                best_ = bestMove;
                bestFound_ = true;
            }
        }
        if (v > alpha) alpha = v;
        if (alpha >= beta) {
            if (moves[i].take < 0) history_[moves[i].start + 1][moves[i].end] += depth * depth;
            break;
        }
    }
    // A score over some of the root's moves is not the root's: not kept.
    const Bound bound = best >= beta ? kLower : best > alphaIn ? kExact : kUpper;
    if (!restricted) Store(key, best, depth, bound, bestMove, ply);
    return best;
}

// The first ply from which a solve over the whole set settles in well under a
// second: 0.66 s at ply 7 in the slowest position measured, 5.2 s at ply 5.
constexpr int kSolvablePly = 7;

} // namespace

Move MasterMove(SearchAlgo& algo, int millis) {
    const auto begin = Clock::now();
    algo.stop = false;
    algo.nodes = 0;
    algo.last_score = 0.0;
    algo.last_depth = 0;
    Move best(-1, -1, -1);
    // While placing, the moves that keep a drawn position's value, among
    // which the search chooses the one that leaves the opponent most room to
    // go wrong.
    Move drawing[kMaxMoves];
    int drawingCount = 0;
    if (algo.tables != nullptr) {
        // The tables settle the moving phase; while placing, a solve to its
        // end may, within a quarter of the time, and leaves the rest to the
        // search when it cannot. Over the whole set, from the ply on which
        // a solve mostly settles within the time, it takes three quarters.
        const bool solvable =
            algo.tables->maxPieces() >= kWholeSetPieces && algo.board.plies >= kSolvablePly;
        SolveLimits limits;
        limits.deadline = begin + std::chrono::milliseconds(millis * (solvable ? 3 : 1) / 4);
        limits.stop = &algo.stop;
        EndgameValue value;
        if (ExactMove(*algo.tables, algo.board, limits, value, best)) {
            if (value.outcome != Outcome::Draw || !algo.board.InPlacingPhase()) return best;
            drawingCount = KeepingMoves(*algo.tables, algo.board, value, limits, drawing);
            if (drawingCount < 2) return best;
        } else if (!algo.stop && BookMove(*algo.tables, algo.board, best)) {
            // The book's proof holds where the solve did not settle in time.
            return best;
        }
    }

    const std::lock_guard<std::mutex> lock(tableLock);
    if (!table) table = std::make_unique<Entry[]>(kEntries);
    const auto deadline = begin + std::chrono::milliseconds(millis);
    // An iteration that starts after half the time seldom ends before the rest.
    const auto lastStart = begin + std::chrono::milliseconds(millis / 2);
    Searcher searcher(algo, deadline, ++searches);
    searcher.RestrictRoot(drawing, drawingCount);
    for (int depth = 1; depth <= kMaxPly; ++depth) {
        const int score = searcher.Root(depth);
        // An unfinished iteration still improves on the last one's move once
        // it has searched that move (searched first) and found a better one.
        if (searcher.bestFound()) best = searcher.best();
        if (searcher.aborted()) break;
        algo.last_score = algo.board.next * score / 100.0;
        algo.last_depth = depth;
        if (std::abs(score) > kDecided || Clock::now() >= lastStart) break;
    }
    if (algo.stop) return Move(-1, -1, -1);
    assert(!best.IsEmpty());
    return best;
}
