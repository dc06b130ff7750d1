#include "engine/endgame/solver.h"

#include "engine/endgame/moves.h"
#include "engine/endgame/tablefile.h"

#include "engine/endgame/parallel.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <mutex>
#include <utility>

namespace endgame {

namespace {

// A counter value that marks a number which is not the least of its
// position's (a symmetric duplicate, filled in at the end).
constexpr std::uint8_t kDuplicate = 255;
// The capture summary of a position with no capture.
constexpr std::uint8_t kNoCapture = 255;

// Positions of the pair in one word: the side (0 or 1) in the top bit.
constexpr std::uint32_t kSideBit = 1u << 31;

// Entry bytes ordered by their worth to the side to move: quicker wins
// first, then draws, then slower losses.
int Worth(std::uint8_t v) {
    if (v == 0) return 0;
    const int d = v - 1;
    return d % 2 == 1 ? 1000 - d : -1000 + d;
}

// The other side's set numbered `rank` among the points that the
// representative leaves empty.
PointSet Unrank(std::uint32_t rank, int pieces, const std::array<std::uint8_t, 24>& spread) {
    PointSet set = 0;
    for (int i = pieces; i >= 1; --i) {
        int p = i - 1;
        while (kBinomial[p + 1][i] <= rank) ++p;
        rank -= kBinomial[p][i];
        set |= Bit(spread[p]);
    }
    return set;
}

// A byte of a table shared by the threads of a solve.
std::atomic_ref<std::uint8_t> Shared(std::uint8_t& byte) {
    return std::atomic_ref<std::uint8_t>(byte);
}

void SortUnique(std::uint32_t* list, int& n) {
    std::sort(list, list + n);
    n = static_cast<int>(std::unique(list, list + n) - list);
}

// Classes, and tags of resolved positions, that a thread takes at a time.
constexpr std::uint64_t kClassChunk = 16, kTagChunk = 1 << 14;

// What one thread found in its chunk, before it is handed over: positions
// resolved at the current level, and positions scheduled for later levels.
struct Found {
    std::vector<std::uint32_t> next;
    std::vector<std::pair<int, std::uint32_t>> later;
};

void Add(TableSummary& sum, const TableSummary& part) {
    sum.positions += part.positions;
    sum.wins += part.wins;
    sum.draws += part.draws;
    sum.losses += part.losses;
    sum.longestWin = std::max(sum.longestWin, part.longestWin);
    sum.longestLoss = std::max(sum.longestLoss, part.longestLoss);
}

struct Side {
    int mover, other;
    const SetClasses* classes;
    std::uint32_t combos; // numbers per class
    std::vector<std::uint8_t> value, counter, capture;
};

class PairSolver {
public:
    PairSolver(const Indexing& ix, int a, int b, const SolvedTables& smaller, int threads,
               const SolveProgress& progress)
        : ix_(ix), smaller_(smaller), sides_(a == b ? 1 : 2), threads_(std::max(1, threads)),
          progress_(progress), found_(static_cast<std::size_t>(threads_)) {
        for (int s = 0; s < sides_; ++s) {
            Side& side = side_[s];
            side.mover = s == 0 ? a : b;
            side.other = s == 0 ? b : a;
            side.classes = &ix.classes(side.mover);
            side.combos = kBinomial[24 - side.mover][side.other];
            const std::uint64_t n = ix.entries(side.mover, side.other);
            side.value.assign(n, 0);
            side.counter.assign(n, 0);
            side.capture.assign(n, kNoCapture);
        }
    }

    bool solve(std::vector<SolvedMaterial>& solved, std::string& error) {
        for (int s = 0; s < sides_; ++s) initialise(s);
        for (int level = 0; level <= kLongestDistance; ++level) {
            std::vector<std::uint32_t> now = std::move(next_);
            next_ = {};
            release(level, now);
            ParallelChunks(threads_, now.size(), kTagChunk,
                           [&](int t, std::uint64_t begin, std::uint64_t end) {
                               for (std::uint64_t i = begin; i < end; ++i)
                                   propagate(found_[t], now[i], level);
                               hand(found_[t]);
                           });
            worked(now.size());
        }
        if (overflow_ || !next_.empty()) {
            error = "a distance is longer than " + std::to_string(kLongestDistance) +
                    " plies, more than a table entry holds";
            return false;
        }
        for (int s = 0; s < sides_; ++s) solved.push_back(finish(s));
        return true;
    }

private:
    int partner(int s) const { return sides_ == 1 ? 0 : 1 - s; }

    // Visits the positions of the side's classes [first, last) in number order.
    template <class Visit>
    void forEachPosition(const Side& side, std::uint64_t first, std::uint64_t last, Visit&& visit) {
        const SetClasses& sc = *side.classes;
        for (auto c = static_cast<std::uint32_t>(first); c < last; ++c) {
            const PointSet mover = sc.representative[c];
            const auto& spread = sc.spread[c];
            PointSet combo = (PointSet{1} << side.other) - 1;
            for (std::uint32_t r = 0; r < side.combos; ++r) {
                PointSet other = 0;
                for (PointSet s = combo; s != 0; s &= s - 1)
                    other |= Bit(spread[std::countr_zero(s)]);
                visit(c * side.combos + r, mover, other, sc.symmetric(c));
                combo = NextOfSameSize(combo);
            }
        }
    }

    // Counts each position's distinct successors of the same material and
    // sums up its captures, whose results are known, then schedules the
    // positions whose value the captures or the lack of moves decide.
    void initialise(int s) {
        Side& side = side_[s];
        ParallelChunks(threads_, side.classes->classes(), kClassChunk,
                       [&](int t, std::uint64_t first, std::uint64_t last) {
                           initialise(s, first, last, found_[t]);
                           hand(found_[t]);
                           worked((last - first) * side.combos);
                       });
    }

    void initialise(int s, std::uint64_t first, std::uint64_t last, Found& found) {
        Side& side = side_[s];
        std::uint32_t children[kMaxMoves];
        forEachPosition(
            side, first, last,
            [&](std::uint32_t idx, PointSet mover, PointSet other, bool symmetric) {
                if (symmetric && ix_.index(mover, other) != idx) {
                    side.counter[idx] = kDuplicate;
                    return;
                }
                const Indexing::MoverKey key = ix_.key(other, side.mover);
                int n = 0;
                int best = -100000;
                std::uint8_t capture = kNoCapture;
                const auto consider = [&](std::uint8_t v) {
                    if (Worth(v) > best) {
                        best = Worth(v);
                        capture = v;
                    }
                };
                ForEachMove(
                    mover, other,
                    [&](PointSet after) { children[n++] = Indexing::index(key, after); },
                    [&](PointSet after, int taken) {
                        if (side.other == 3) {
                            consider(2); // the opponent is left two pieces: a win in 1
                            return;
                        }
                        const PointSet rest = other & ~Bit(taken);
                        const std::uint8_t child =
                            smaller_.entries[side.other - 1][side.mover][ix_.index(rest, after)];
                        if (child >= kLongestDistance) overflow_ = true;
                        consider(child == 0 ? 0 : static_cast<std::uint8_t>(child + 1));
                    });
                if ((key.symmetries & (key.symmetries - 1)) != 0) SortUnique(children, n);
                assert(n < kDuplicate);
                side.counter[idx] = static_cast<std::uint8_t>(n);
                side.capture[idx] = capture;
                const std::uint32_t tag = idx | (s == 1 ? kSideBit : 0);
                if (capture != kNoCapture && capture != 0 && (capture - 1) % 2 == 1)
                    found.later.emplace_back(capture - 1, tag);
                else if (n == 0 && capture == kNoCapture)
                    found.later.emplace_back(0, tag); // no move at all: lost
                else if (n == 0 && capture != 0)
                    found.later.emplace_back(capture - 1, tag); // every capture loses
            });
    }

    // The positions scheduled for `level` whose value is still open take it
    // and join those resolved now.
    void release(int level, std::vector<std::uint32_t>& now) {
        std::vector<std::uint32_t>& due = pending_[level];
        ParallelChunks(threads_, due.size(), kTagChunk,
                       [&](int t, std::uint64_t begin, std::uint64_t end) {
                           Found& found = found_[t];
                           for (std::uint64_t i = begin; i < end; ++i) {
                               const std::uint32_t tag = due[i];
                               std::uint8_t expected = 0;
                               if (Shared(side_[tag >> 31].value[tag & ~kSideBit])
                                       .compare_exchange_strong(
                                           expected, static_cast<std::uint8_t>(level + 1)))
                                   found.next.push_back(tag);
                           }
                           const std::lock_guard lock(handMutex_);
                           now.insert(now.end(), found.next.begin(), found.next.end());
                           found.next.clear();
                       });
        due = {};
    }

    // A position resolved at `level` plies: its predecessors of the same
    // material learn of it. A lost position makes each a win one ply
    // longer; a won one takes away one of each predecessor's last hopes.
    void propagate(Found& found, std::uint32_t tag, int level) {
        const int s = static_cast<int>(tag >> 31);
        const std::uint32_t idx = tag & ~kSideBit;
        const Side& side = side_[s];
        if (level + 1 > kLongestDistance) {
            overflow_ = true;
            return;
        }
        const std::uint32_t c = idx / side.combos;
        const PointSet toMove = side.classes->representative[c];
        const PointSet moved = Unrank(idx % side.combos, side.other, side.classes->spread[c]);
        const int ps = partner(s);
        Side& parent = side_[ps];
        std::uint32_t parents[kMaxMoves];
        int n = 0;
        ForEachUnmove(moved, toMove,
                      [&](PointSet before) { parents[n++] = ix_.index(before, toMove); });
        if (side.classes->symmetric(c)) SortUnique(parents, n);
        const std::uint32_t parentSide = ps == 1 ? kSideBit : 0;
        // Threads meet only here. A level resolves positions of one parity,
        // so it either wins parents (whoever sets the value first schedules
        // it) or counts their hopes down (whoever takes the last one decides).
        const auto resolved = static_cast<std::uint8_t>(level + 2);
        for (int i = 0; i < n; ++i) {
            const std::uint32_t q = parents[i];
            std::uint8_t open = 0;
            if (level % 2 == 0) {
                if (Shared(parent.value[q]).compare_exchange_strong(open, resolved))
                    found.next.push_back(q | parentSide);
                continue;
            }
            if (Shared(parent.value[q]).load(std::memory_order_relaxed) != 0) continue;
            if (Shared(parent.counter[q]).fetch_sub(1, std::memory_order_relaxed) != 1) continue;
            const std::uint8_t capture = parent.capture[q];
            if (capture == 0 || (capture != kNoCapture && (capture - 1) % 2 == 1))
                continue; // a capture draws or wins: never lost
            const int lost = capture == kNoCapture ? level + 1 : std::max(level + 1, capture - 1);
            if (lost == level + 1) {
                Shared(parent.value[q]).store(resolved, std::memory_order_relaxed);
                found.next.push_back(q | parentSide);
            } else {
                found.later.emplace_back(lost, q | parentSide);
            }
        }
    }

    SolvedMaterial finish(int s) {
        Side& side = side_[s];
        SolvedMaterial m;
        m.mover = side.mover;
        m.other = side.other;
        std::mutex sumMutex;
        ParallelChunks(threads_, side.classes->classes(), kClassChunk,
                       [&](int, std::uint64_t first, std::uint64_t last) {
                           const TableSummary part = summarise(side, first, last);
                           const std::lock_guard lock(sumMutex);
                           Add(m.summary, part);
                       });
        side.counter = {};
        side.capture = {};
        m.entries = std::move(side.value);
        return m;
    }

    // Gives the symmetric duplicates among the classes [first, last) the
    // value of their position's least number, and counts the values.
    TableSummary summarise(Side& side, std::uint64_t first, std::uint64_t last) {
        TableSummary sum;
        forEachPosition(side, first, last,
                        [&](std::uint32_t idx, PointSet mover, PointSet other, bool) {
                            if (side.counter[idx] == kDuplicate) {
                                side.value[idx] = side.value[ix_.index(mover, other)];
                                return;
                            }
                            const std::uint8_t v = side.value[idx];
                            ++sum.positions;
                            if (v == 0) {
                                ++sum.draws;
                            } else if ((v - 1) % 2 == 1) {
                                ++sum.wins;
                                sum.longestWin = std::max(sum.longestWin, v - 1);
                            } else {
                                ++sum.losses;
                                sum.longestLoss = std::max(sum.longestLoss, v - 1);
                            }
                        });
        return sum;
    }

    // Moves what a thread found into the lists every thread shares.
    void hand(Found& found) {
        const std::lock_guard lock(handMutex_);
        next_.insert(next_.end(), found.next.begin(), found.next.end());
        for (const auto& [level, tag] : found.later) pending_[level].push_back(tag);
        found.next.clear();
        found.later.clear();
    }

    void worked(std::uint64_t positions) {
        const std::uint64_t done = done_ += positions;
        if (progress_) progress_(done);
    }

    const Indexing& ix_;
    const SolvedTables& smaller_;
    int sides_;
    int threads_;
    const SolveProgress& progress_;
    Side side_[2];
    std::atomic<bool> overflow_{false};
    std::atomic<std::uint64_t> done_{0};
    std::vector<Found> found_; // by thread
    std::mutex handMutex_;     // guards next_ and pending_ while threads run
    std::vector<std::uint32_t> next_;
    std::vector<std::uint32_t> pending_[kLongestDistance + 2];
};

} // namespace

bool SolvePair(const Indexing& ix, int a, int b, const SolvedTables& smaller,
               std::vector<SolvedMaterial>& solved, std::string& error, int threads,
               const SolveProgress& progress) {
    PairSolver solver(ix, a, b, smaller, threads, progress);
    return solver.solve(solved, error);
}

} // namespace endgame
