#include "bookbuild.h"

#include "placingsolver.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using placing::Solver;

// A proof runs this long between saves of its early positions.
constexpr auto kSaveEvery = std::chrono::minutes(5);
// The deepest ply of a position saved for a resumed build: deep enough that a
// resumed proof finds most of its work done, few enough to save in seconds.
constexpr int kSavedPlies = 12;

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The two proofs: that the side to move at the start scores at least 0 (a
// draw or better; the window (-1, 0)), and at most 0 (the window (0, 1)).
struct Proof {
    const char* name;
    int alpha, beta;
};
constexpr Proof kProofs[] = {{"at least a draw", -1, 0}, {"at most a draw", 0, 1}};

std::string SavedPath(const BookOptions& options, int proof) {
    return Join(options.folder,
                std::string(kPlacingBookName) + ".proof" + std::to_string(proof) + ".saved");
}

// A solver entry as a record, and back: a lower bound leaves the upper one
// open, and the reverse.
BookRecord RecordOf(const placing::Entry& e) {
    BookRecord r;
    r.key = e.key;
    r.lower = static_cast<std::int16_t>(e.bound == placing::kUpper ? -placing::kInfinity : e.score);
    r.upper = static_cast<std::int16_t>(e.bound == placing::kLower ? placing::kInfinity : e.score);
    r.end = e.end;
    r.take = e.take;
    return r;
}

placing::Entry EntryOf(const BookRecord& r) {
    const auto bound = r.lower == r.upper              ? placing::kExact
                       : r.upper == placing::kInfinity ? placing::kLower
                                                       : placing::kUpper;
    return {r.key, bound == placing::kUpper ? r.upper : r.lower, bound, r.end, r.take};
}

bool Save(const Solver& solver, const std::string& path, std::string& error) {
    std::vector<BookRecord> records;
    for (std::size_t i = 0; i < solver.entries(); ++i) {
        const placing::Entry& e = solver.table()[i];
        if (e.key != 0 && PlyOfKey(e.key) <= kSavedPlies) records.push_back(RecordOf(e));
    }
    std::sort(records.begin(), records.end(),
              [](const BookRecord& a, const BookRecord& b) { return a.key < b.key; });
    // The table holds each key once (Solver::Put).
    return WritePlacingBook(path, records, error);
}

// Puts the positions a stopped build saved back into solver; a save that
// cannot be read is started afresh.
void Resume(Solver& solver, const std::string& path, const BookOptions& options) {
    PlacingBook saved;
    std::string why;
    if (!saved.open(path, why)) return;
    for (const BookRecord& r : saved.records()) solver.Put(EntryOf(r));
    if (options.progress)
        options.progress("resumed from " + std::to_string(saved.size()) + " saved positions");
}

// Runs one proof to its end, saving as it goes; false when stopped or unable
// to save.
bool RunProof(Solver& solver, const EndgameTables& tables, const BookOptions& options, int proof,
              int& score, std::string& error) {
    const std::string path = SavedPath(options, proof);
    Resume(solver, path, options);
    const auto begin = Clock::now();
    std::int64_t nodes = 0;
    for (;;) {
        SolveLimits limits;
        limits.deadline = Clock::now() + kSaveEvery;
        limits.stop = options.stop;
        const bool done = solver.Prove(tables, options.start, kProofs[proof].alpha,
                                       kProofs[proof].beta, limits, score);
        nodes += solver.nodes();
        if (options.progress) {
            char line[160];
            std::snprintf(line, sizeof line, "%s: %s, %.0f M positions, %.0f s",
                          kProofs[proof].name, done ? "proved" : "proving",
                          static_cast<double>(nodes) / 1e6,
                          std::chrono::duration<double>(Clock::now() - begin).count());
            options.progress(line);
        }
        if (done) return true;
        if (solver.uncovered()) {
            error = "a line reaches a position that no table covers";
            return false;
        }
        if (!Save(solver, path, error)) return false;
        if (options.stop != nullptr && *options.stop) {
            error = "stopped; started again, the book resumes from its saved positions";
            return false;
        }
    }
}

// Walks a finished proof from b down to the book's deepest ply: a position
// whose side to move reaches beta goes on with its proving move only, one
// that stays at alpha or below with every move. Positions the solver's table
// has lost are proved again. Adds what each position's bounds are to book.
class Walk {
public:
    Walk(Solver& solver, const EndgameTables& tables, const BookOptions& options,
         std::unordered_map<std::uint64_t, BookRecord>& book)
        : solver_(solver), tables_(tables), options_(options), book_(book) {}

    bool Visit(const Board& b, int alpha, int beta) {
        if (!b.InPlacingPhase() || b.plies > options_.plies) return true;
        const placing::Canonical c = placing::CanonicalOf(b);
        if (!seen_.insert(c.key).second) return true;
        placing::Known known = solver_.KnownOf(c);
        // A position that reaches beta is walked on with the move that proves
        // it, which the book or the solver's table must hold.
        if ((known.lower < beta || known.move.end < 0) && known.upper > alpha) {
            SolveLimits limits;
            limits.stop = options_.stop;
            int score;
            if (!solver_.Prove(tables_, b, alpha, beta, limits, score)) return false;
            known = solver_.KnownOf(c);
            // The root of a proof is stored unless the search ran out of room.
            if (score >= beta)
                known.lower = std::max(known.lower, score);
            else
                known.upper = std::min(known.upper, score);
        }
        BookRecord& r = book_
                            .try_emplace(c.key, BookRecord{c.key, -placing::kInfinity,
                                                           placing::kInfinity, -1, -1})
                            .first->second;
        r.lower = static_cast<std::int16_t>(std::max<int>(r.lower, known.lower));
        r.upper = static_cast<std::int16_t>(std::min<int>(r.upper, known.upper));
        if (known.lower >= beta && known.move.end >= 0) {
            // Kept in the key's orientation.
            r.end = static_cast<std::int8_t>(placing::MapPoint(c.symmetry, known.move.end));
            r.take = static_cast<std::int8_t>(placing::MapPoint(c.symmetry, known.move.take));
            Board child = b;
            child.DoMove(known.move);
            return Visit(child, -beta, -alpha);
        }
        Move moves[kMaxMoves];
        const int n = b.GenMoves(moves, kMaxMoves);
        for (int i = 0; i < n; ++i) {
            Board child = b;
            child.DoMove(moves[i]);
            if (!Visit(child, -beta, -alpha)) return false;
        }
        return true;
    }

private:
    Solver& solver_;
    const EndgameTables& tables_;
    const BookOptions& options_;
    std::unordered_map<std::uint64_t, BookRecord>& book_;
    std::unordered_set<std::uint64_t> seen_;
};

} // namespace

bool BuildPlacingBook(const BookOptions& options, std::string& error) {
    std::vector<std::string> folders = options.tableFolders;
    if (folders.empty()) {
        folders = DefaultTableFolders();
        folders.insert(folders.begin(), options.folder);
    }
    // A third of the memory to each solver's table, as a power of two; what
    // is left to the blocks each set of tables keeps.
    const std::size_t each =
        std::bit_floor(std::max<std::size_t>(options.memory / 3 / sizeof(placing::Entry), 2));
    const std::size_t cacheBytes = (options.memory - 2 * each * sizeof(placing::Entry)) / 2;
    EndgameTables tables[2];
    std::unique_ptr<Solver> solvers[2];
    try {
        for (int p = 0; p < 2; ++p) {
            tables[p].open(folders, cacheBytes);
            solvers[p] = std::make_unique<Solver>(each);
        }
    } catch (const std::bad_alloc&) {
        error =
            "not enough memory for the solvers (" + std::to_string(options.memory >> 20) + " MB)";
        return false;
    }
    if (options.start.plies == 0 && tables[0].maxPieces() < kWholeSetPieces) {
        error = "the placing book needs every table of the moving phase (tables build "
                "--max-pieces 18)";
        return false;
    }
    int scores[2] = {};
    bool proved[2] = {};
    std::string errors[2];
    {
        std::vector<std::jthread> threads;
        for (int p = 0; p < 2; ++p)
            threads.emplace_back([&, p] {
                proved[p] = RunProof(*solvers[p], tables[p], options, p, scores[p], errors[p]);
            });
    }
    for (int p = 0; p < 2; ++p)
        if (!proved[p]) {
            error = errors[p];
            return false;
        }

    std::unordered_map<std::uint64_t, BookRecord> book;
    for (int p = 0; p < 2; ++p) {
        Walk walk(*solvers[p], tables[p], options, book);
        if (!walk.Visit(options.start, kProofs[p].alpha, kProofs[p].beta)) {
            error = "stopped; started again, the book resumes from its saved positions";
            return false;
        }
    }
    std::vector<BookRecord> records;
    records.reserve(book.size());
    for (const auto& [key, r] : book) records.push_back(r);
    std::sort(records.begin(), records.end(),
              [](const BookRecord& a, const BookRecord& b) { return a.key < b.key; });
    if (!WritePlacingBook(Join(options.folder, kPlacingBookName), records, error)) return false;
    for (int p = 0; p < 2; ++p) std::filesystem::remove(SavedPath(options, p));
    if (options.progress) {
        options.progress("the initial position scores " +
                         std::string(scores[0] >= 0 && scores[1] <= 0 ? "a draw"
                                     : scores[0] >= 0                 ? "a win"
                                                                      : "a loss") +
                         "; " + std::to_string(records.size()) + " positions in the book");
    }
    return true;
}
