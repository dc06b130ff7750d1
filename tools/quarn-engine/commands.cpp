#include "quarn-engine/commands.h"

#include "engine/eval.h"
#include "engine/notation.h"
#include "engine/record.h"
#include "engine/text.h"
#include "engine/tree.h"
#include "quarn-engine/analyse.h"
#include "quarn-engine/bench.h"
#include "quarn-engine/game_file.h"
#include "quarn-engine/match_command.h"
#include "quarn-engine/tables_command.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Deepest line that perft follows. Games rarely last a few hundred plies,
// and a count along lines that long can only finish where nearly every line
// ends; the guard keeps an endless line from exhausting the stack.
constexpr std::int64_t kMaxPerftLine = 1000;

// Stack room per nested call of perft or of the search (a frame holds a
// move list of kMaxMoves entries and a child position), with a margin;
// AddressSanitizer widens frames with guard zones.
constexpr std::size_t kBytesPerLevel = kAddressSanitizer ? 4608 : 1536;
// Room for everything else: output, parsing, the first levels.
constexpr std::size_t kBaseStackBytes = std::size_t{1} << 20;

std::uint64_t CountLines(const Board& b, std::int64_t depth, std::int64_t line) {
    if (depth == 0) return 1;
    if (b.CurrentHasLost()) return 0;
    if (line >= kMaxPerftLine)
        throw InputError("perft: a line grows longer than " + std::to_string(kMaxPerftLine) +
                         " plies; a count that deep cannot be made");
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    if (depth == 1) return static_cast<std::uint64_t>(n);
    std::uint64_t total = 0;
    for (int i = 0; i < n; ++i) {
        Board child = b;
        child.DoMove(moves[i]);
        total += CountLines(child, depth - 1, line + 1);
    }
    return total;
}

// Plays a typed move on b, or throws InputError naming it.
void PlayTyped(Board& b, const std::string& text) {
    MoveTextFault fault;
    const std::optional<Move> m = LegalMoveNamed(b, text, &fault);
    if (m) {
        b.DoMove(*m);
        return;
    }
    switch (fault) {
    case MoveTextFault::NotAMove:
        throw InputError("move " + Quoted(text) + " is not of the form a1, a1a2, a1-b2 or a1a2-b2");
    case MoveTextFault::GameOver:
        throw InputError("move " + text + ": the game is over, the side to move has lost");
    case MoveTextFault::NotLegal:
        break;
    }
    throw InputError("move " + text + " is not legal in position " + PositionText(b));
}

void PrintMoves(const Board& b) {
    Move moves[kMaxMoves];
    const int n = b.GenMoves(moves, kMaxMoves);
    for (int i = 0; i < n; ++i) std::printf("%s\n", MoveWord(moves[i]).c_str());
}

// "MOVE NODES", with the milliseconds since begin when timing.
void PrintMove(const Move& m, std::int64_t nodes, bool timing,
               std::chrono::steady_clock::time_point begin) {
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begin;
    if (timing)
        std::printf("%s %lld %.3f\n", MoveWord(m).c_str(), static_cast<long long>(nodes),
                    took.count());
    else
        std::printf("%s %lld\n", MoveWord(m).c_str(), static_cast<long long>(nodes));
}

void Search(const Board& b, const Invocation& inv) {
    if (SideToMoveHasLost(b))
        throw InputError("search: the side to move has lost; there is no move");
    EndgameTables tables;
    const bool perfect = ValidLevel(inv.level) && kLevelTable[inv.level].perfect &&
                         OpenTables(tables, "Master plays as Very hard");
    SearchAlgo algo = CountingSearch(b, perfect ? &tables : nullptr);
    if (ValidLevel(inv.level)) algo.millis = kLevelTable[inv.level].millis;
    std::srand(inv.seed);
    const auto begin = std::chrono::steady_clock::now();
    const Move m = algo.ComputerMove(inv.level >= 0 ? LevelNodes(inv.level) : inv.nodes);
    PrintMove(m, algo.nodes, inv.timing, begin);
}

void Play(Board b, const Invocation& inv) {
    EndgameTables tables;
    const bool perfect = (kLevelTable[inv.white].perfect || kLevelTable[inv.black].perfect) &&
                         OpenTables(tables, "Master plays as Very hard");
    std::srand(inv.seed);
    for (std::int64_t played = 0;; ++played) {
        if (SideToMoveHasLost(b)) {
            std::printf("result: %s wins\n", b.next == 1 ? "black" : "white");
            return;
        }
        if (played >= inv.max_plies) {
            std::printf("result: ply limit\n");
            return;
        }
        const Level& level = kLevelTable[b.next == 1 ? inv.white : inv.black];
        SearchAlgo algo = CountingSearch(b, perfect && level.perfect ? &tables : nullptr);
        algo.millis = level.millis;
        const auto begin = std::chrono::steady_clock::now();
        const Move m = algo.ComputerMove(level.nodes);
        PrintMove(m, algo.nodes, inv.timing, begin);
        b.DoMove(m);
    }
}

} // namespace

std::size_t StackBytes(const Invocation& inv) {
    std::int64_t levels = 0;
    switch (inv.command) {
    case Command::Perft:
        levels = std::min(inv.depth, kMaxPerftLine);
        break;
    case Command::Search:
        levels = SearchAlgo::MaxDepth(inv.level >= 0 ? LevelNodes(inv.level) : inv.nodes);
        break;
    case Command::Analyse:
        levels = SearchAlgo::MaxDepth(kMasterNodes);
        break;
    case Command::Play:
    case Command::Match:
        levels = SearchAlgo::MaxDepth(std::max(LevelNodes(inv.white), LevelNodes(inv.black)));
        break;
    case Command::Bench:
        levels = SearchAlgo::MaxDepth(kBenchNodes);
        break;
    case Command::Moves:
    case Command::Eval:
    case Command::Probe:
    case Command::Tables:
    case Command::Sample:
        break;
    }
    return kBaseStackBytes + static_cast<std::size_t>(levels + 1) * kBytesPerLevel;
}

std::uint64_t Perft(const Board& b, std::int64_t depth) {
    return CountLines(b, depth, 0);
}

int RunCommand(const Invocation& inv) {
    if (inv.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (inv.command == Command::Tables) return RunTables(inv);
    Board b = inv.game ? GamePosition(*inv.game) : inv.position;
    for (const std::string& text : inv.moves) PlayTyped(b, text);

    switch (inv.command) {
    case Command::Moves:
        PrintMoves(b);
        break;
    case Command::Perft:
        std::printf("%llu\n", static_cast<unsigned long long>(Perft(b, inv.depth)));
        break;
    case Command::Eval:
        std::printf("%.17g\n", CountEval().Eval(b));
        break;
    case Command::Search:
        Search(b, inv);
        break;
    case Command::Play:
        Play(b, inv);
        break;
    case Command::Bench:
        RunBench();
        break;
    case Command::Probe:
        Probe(b);
        break;
    case Command::Analyse:
        Analyse(GameMoves(*inv.game));
        break;
    case Command::Sample:
        Sample(inv);
        break;
    case Command::Match:
        RunMatch(inv);
        break;
    case Command::Tables:
        break;
    }
    return 0;
}
