#include "quarn-engine/tables_command.h"

#include "engine/analysis.h"
#include "engine/bookbuild.h"
#include "engine/endgame/endgame.h"
#include "engine/notation.h"
#include "engine/placing.h"
#include "engine/record.h"

#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

// How long probe solves a placing position, and then its moves, at most.
constexpr int kSolveMillis = 2000;

void PrintReport(const TableReport& r) {
    std::printf("%-4s %10llu positions  win %10llu  draw %10llu  loss %10llu  longest win %3d "
                "loss %3d  %9llu bytes  %7.2f s\n",
                r.name.c_str(), static_cast<unsigned long long>(r.positions),
                static_cast<unsigned long long>(r.wins), static_cast<unsigned long long>(r.draws),
                static_cast<unsigned long long>(r.losses), r.longestWin, r.longestLoss,
                static_cast<unsigned long long>(r.bytes), r.seconds);
    std::fflush(stdout);
}

double SecondsSince(std::chrono::steady_clock::time_point begin) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// The build's options for the command line: a table line as each table is
// written and, for a program watching the build, the disk needed and free
// and the work done, at most twice a second.
BuildOptions OptionsOf(const Invocation& inv) {
    BuildOptions options;
    options.maxPieces = inv.max_pieces;
    options.threads = inv.threads;
    options.tableDone = PrintReport;
    options.disk = [](std::uint64_t needed, std::uint64_t free) {
        std::printf("disk %llu %llu\n", static_cast<unsigned long long>(needed),
                    static_cast<unsigned long long>(free));
        std::fflush(stdout);
    };
    options.progress = [last = std::chrono::steady_clock::time_point{}](
                           std::uint64_t done, std::uint64_t total) mutable {
        const auto now = std::chrono::steady_clock::now();
        if (done != total && now - last < std::chrono::milliseconds(500)) return;
        last = now;
        std::printf("progress %llu %llu\n", static_cast<unsigned long long>(done),
                    static_cast<unsigned long long>(total));
        std::fflush(stdout);
    };
    options.damaged = [](const std::string& what) {
        std::fprintf(stderr, "quarn-engine: damaged table removed, building it again: %s\n",
                     what.c_str());
    };
    return options;
}

std::string FolderOf(const Invocation& inv) {
    const std::string folder = inv.tables_folder.empty() ? UserTableFolder() : inv.tables_folder;
    if (folder.empty())
        throw InputError("tables " + inv.tables_action +
                         ": no folder given and no cache folder known");
    return folder;
}

int Build(const Invocation& inv) {
    const std::string folder = FolderOf(inv);
    const auto begin = std::chrono::steady_clock::now();
    std::string error;
    if (!BuildTables(OptionsOf(inv), folder, error)) {
        std::fprintf(stderr, "quarn-engine: tables build: %s\n", error.c_str());
        return 1;
    }
    std::printf("tables up to %d pieces in %s: %.1f s\n", inv.max_pieces, folder.c_str(),
                SecondsSince(begin));
    return 0;
}

// Builds the set afresh in a temporary folder, then times opening it, which
// reads each file's header and block directory.
int Bench(const Invocation& inv) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quarn-tables-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::fprintf(stderr, "quarn-engine: tables bench: cannot make a temporary folder\n");
        return 1;
    }
    const std::string folder = pattern;
    const auto begin = std::chrono::steady_clock::now();
    std::string error;
    std::uint64_t bytes = 0, positions = 0;
    BuildOptions options;
    options.maxPieces = inv.max_pieces;
    options.threads = inv.threads;
    options.tableDone = [&](const TableReport& r) {
        bytes += r.bytes;
        positions += r.positions;
        PrintReport(r);
    };
    const bool built = BuildTables(options, folder, error);
    int status = 0;
    if (built) {
        const double buildSeconds = SecondsSince(begin);
        const auto opening = std::chrono::steady_clock::now();
        EndgameTables tables;
        tables.open({folder});
        const double openSeconds = SecondsSince(opening);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("positions: %llu\nbytes: %llu\nbuild: %.2f s\npeak memory: %ld MB\nopen: "
                    "%.1f ms\ncovered: %d pieces\n",
                    static_cast<unsigned long long>(positions),
                    static_cast<unsigned long long>(bytes), buildSeconds, usage.ru_maxrss / 1024,
                    openSeconds * 1000, tables.maxPieces());
    } else {
        std::fprintf(stderr, "quarn-engine: tables bench: %s\n", error.c_str());
        status = 1;
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return status;
}

// Solves the placing phase over the tables of the folder (and those found
// where the game looks) and writes the book beside them.
int Book(const Invocation& inv) {
    BookOptions options;
    options.folder = FolderOf(inv);
    options.memory = std::size_t(inv.memory_mb) << 20;
    options.plies = inv.book_plies;
    options.progress = [](const std::string& line) {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    };
    const auto begin = std::chrono::steady_clock::now();
    std::string error;
    if (!BuildPlacingBook(options, error)) {
        std::fprintf(stderr, "quarn-engine: tables book: %s\n", error.c_str());
        return 1;
    }
    std::printf("placing book in %s: %.1f s\n", options.folder.c_str(), SecondsSince(begin));
    return 0;
}

} // namespace

void Probe(const Board& b) {
    EndgameTables tables;
    const std::vector<std::string> folders = DefaultTableFolders();
    tables.open(folders);
    for (const std::string& problem : tables.problems())
        std::fprintf(stderr, "quarn-engine: endgame table %s\n", problem.c_str());
    if (tables.maxPieces() == 0) {
        std::string where;
        for (const std::string& f : folders) where += (where.empty() ? "" : ", ") + f;
        std::fprintf(stderr, "quarn-engine: no endgame tables found in %s\n", where.c_str());
    }
    // A placing position, and each one a move on, is solved to the end of
    // the placing phase: the position within one bound, its moves together
    // within another.
    const bool placing = b.InPlacingPhase();
    const auto value = [&](const Board& position, const SolveLimits& limits) {
        return placing ? SolvePlacing(tables, position, limits).value : tables.probe(position);
    };
    std::printf("%s\n", JudgementText(FromTables(value(b, Within(kSolveMillis)))).c_str());
    if (SideToMoveHasLost(b)) return;
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    const SolveLimits movesLimits = Within(kSolveMillis);
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        std::printf("%s %s\n", MoveWord(moves[i]).c_str(),
                    JudgementText(FromTables(ValueOfMove(value(child, movesLimits)))).c_str());
    }
}

int RunTables(const Invocation& inv) {
    if (inv.tables_action == "book") return Book(inv);
    return inv.tables_action == "bench" ? Bench(inv) : Build(inv);
}
